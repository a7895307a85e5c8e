// HeightField::LoadRaw with both its inputs fuzzed: the settings file that
// gives size and scales, and the raw file. Whatever they hold, the load either
// fails with an "ERROR: " message before allocating what the file cannot back,
// or gives heights that are the samples times the vertical scale, a slope in
// [0, 1] at every vertex, samplers that stay within the grid for any
// coordinate, and blend weights in [0, 1] that add up to 1.
//
// Input: a flags byte (bit 0: 16-bit samples, bit 1: the secondary section,
// bits 2-7: the side of the blend-weight planes less 2), the length of the
// settings text, the settings text, then the raw file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include "common/image/tga_image.h"
#include "fuzz/fuzz_support.h"
#include "painter/app/recording_ui.h"
#include "painter/app/report.h"
#include "painter/paint/terrain_painter.h"
#include "painter/terrain/height_field.h"
#include "painter/terrain/terrain_config.h"

namespace {

// Larger maps are left alone when the file could back them: a run stays fast.
constexpr std::int64_t LargestSide = 256;

// A painter for the blend weights, over a material set made once in the
// scratch folder: ramps for both gradients, plain textures.
TerrainPainter& Painter() {
    static TerrainPainter* painter = [] {
        namespace fs = std::filesystem;
        fs::current_path(fuzz_support::ScratchFolder());
        fs::create_directory("data");
        TgaImage ramp = TgaImage::Make(Grey8, 512, 1);
        for (int k = 0; k < 512; ++k) ramp.pixels[k] = static_cast<std::uint8_t>(k / 2);
        FUZZ_CHECK(ramp.Save("data/grad_height.tga").ok());
        for (int k = 0; k < 512; ++k) ramp.pixels[k] = static_cast<std::uint8_t>(255 - k / 2);
        FUZZ_CHECK(ramp.Save("data/grad_angle.tga").ok());
        TgaImage texture = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
        std::fill_n(texture.pixels.get(), texture.ByteCount(), std::uint8_t{128});
        for (const char* name : {"data/steep.tga", "data/high.tga", "data/low.tga"}) {
            FUZZ_CHECK(texture.Save(name).ok());
        }
        return new TerrainPainter;  // lives as long as the process
    }();
    return *painter;
}

void CheckWithin(double value, float lowest, float highest) {
    // Bilinear blends stay between the extremes, up to single-precision rounding.
    const double slack =
        1e-6 * std::max(std::fabs(static_cast<double>(lowest)), std::fabs(static_cast<double>(highest)));
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(value >= lowest - slack && value <= highest + slack);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::UseOneThread();
    TerrainPainter& painter = Painter();
    recording_ui::Clear();

    fuzz_support::InputReader input(data, size);
    const std::uint8_t flags = input.Byte();
    const bool sixteenBit = (flags & 1) != 0;
    const bool secondary = (flags & 2) != 0;
    const std::int32_t side = 2 + (flags >> 2);
    const std::string settingsText = input.Bytes(input.Byte());
    const std::size_t rawSize = input.Left();
    const std::uint8_t* raw = input.Rest();

    const std::string settingsPath = fuzz_support::WriteScratchFile(
        "Heightdata.con", reinterpret_cast<const std::uint8_t*>(settingsText.data()),
        settingsText.size());
    const std::string rawPath = fuzz_support::WriteScratchFile("Heightmap.raw", raw, rawSize);
    const TerrainConfig config = LoadTerrainConfig(settingsPath);
    const HeightmapSettings& settings = secondary ? config.secondary : config.primary;

    // In 64 bits: a side of 2^31 - 1 squared and doubled still fits.
    const std::uint64_t sampleBytes = sixteenBit ? 2 : 1;
    const std::uint64_t magnitude = static_cast<std::uint64_t>(std::abs(std::int64_t{settings.size}));
    const std::uint64_t fileBytes = magnitude * magnitude * sampleBytes;
    if (settings.size > LargestSide && fileBytes <= rawSize) return 0;

    std::unique_ptr<HeightField> field;
    try {
        field = std::make_unique<HeightField>(HeightField::LoadRaw(rawPath, settings, sixteenBit));
    } catch (const FatalError& error) {
        FUZZ_CHECK(error.text.rfind("ERROR: ", 0) == 0);
        return 0;
    }

    FUZZ_CHECK(field->size == settings.size && field->size >= 2);
    FUZZ_CHECK(field->size <= LargestSide && fileBytes <= rawSize);
    const std::int64_t n = std::int64_t{field->size} * field->size;
    FUZZ_CHECK(static_cast<std::int64_t>(field->heights.size()) == n);
    FUZZ_CHECK(field->normalMap.size() == field->heights.size());
    float lowest = std::numeric_limits<float>::infinity();
    float highest = -lowest;
    for (std::int64_t i = 0; i < n; ++i) {
        const unsigned sample = sixteenBit ? raw[2 * i] | (raw[2 * i + 1] << 8) : raw[i];
        const float height = field->heights[static_cast<std::size_t>(i)];
        FUZZ_CHECK(height == static_cast<float>(sample) * settings.verticalScale);
        lowest = std::min(lowest, height);
        highest = std::max(highest, height);
        const float slope = field->normalMap[static_cast<std::size_t>(i)];
        FUZZ_CHECK(slope >= 0.0f && slope <= 1.0f);  // and so not a number
    }

    // Coordinates anywhere, also not numbers, read inside the grid.
    const float last = static_cast<float>(field->size - 1);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float coordinates[] = {-inf, -1e30f, -1.0f, 0.0f, 0.5f, last - 0.5f, last,
                                 std::nextafter(last, 0.0f), last + 1.0f, 1e30f, inf, nan};
    for (float x : coordinates) {
        for (float y : coordinates) {
            CheckWithin(field->SampleHeight(x, y), lowest, highest);
            CheckWithin(field->SampleSlope(x, y), 0.0f, 1.0f);
        }
    }

    painter.ComputeBlendWeights(*field, side);
    FUZZ_CHECK(painter.outputSize == side);
    for (std::int64_t i = 0; i < std::int64_t{side} * side; ++i) {
        const float low = painter.lowWeight[static_cast<std::size_t>(i)];
        const float high = painter.highWeight[static_cast<std::size_t>(i)];
        const float steep = painter.steepWeight[static_cast<std::size_t>(i)];
        FUZZ_CHECK(low >= 0.0f && low <= 1.0f && high >= 0.0f && high <= 1.0f);
        FUZZ_CHECK(steep >= 0.0f && steep <= 1.0f);
        FUZZ_CHECK(std::fabs(low + high + steep - 1.0f) <= 1e-5f);
    }
    return 0;
}
