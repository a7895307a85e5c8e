// The heightmap reader and the height field with both their inputs fuzzed: the settings text that
// gives size and scales, and the raw samples. Whatever they hold, it either
// fails with an "ERROR: " message before allocating what the bytes cannot back,
// or gives heights that are the samples times the vertical scale, a slope in
// [0, 1] at every vertex, samplers that stay within the grid for any
// coordinate, and blend weights in [0, 1] that add up to 1.
//
// Input: a flags byte (bit 0: 16-bit samples, bit 1: the secondary section,
// bits 2-7: the side of the blend-weight map less 2), the length of the
// settings text, the settings text, then the raw samples.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "common/status/status.h"
#include "fuzz/fuzz_support.h"
#include "level/heightmap_file.h"
#include "painter/paint/blend_weights.h"
#include "painter/terrain/height_field.h"

namespace {

// Larger maps are left alone when the file could back them: a run stays fast.
constexpr std::int64_t kLargestSide = 256;

// Ramps for both gradients: a lookup at any entry gives another value.
struct Ramps {
    GradientTable heights, angles;
    Ramps() {
        for (int k = 0; k < kGradientSize; ++k) {
            heights.entries[static_cast<std::size_t>(k)] =
                GradientEntry(static_cast<std::uint8_t>(k / 2));
            angles.entries[static_cast<std::size_t>(k)] =
                GradientEntry(static_cast<std::uint8_t>(255 - k / 2));
        }
    }
};

void CheckWithin(double value, float lowest, float highest) {
    // Bilinear blends stay between the extremes, up to single-precision rounding.
    const double slack = 1e-6 * std::max(std::fabs(static_cast<double>(lowest)),
                                         std::fabs(static_cast<double>(highest)));
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(value >= lowest - slack && value <= highest + slack);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::UseOneThread();
    static const Ramps ramps;

    fuzz_support::InputReader input(data, size);
    const std::uint8_t flags = input.Byte();
    const bool sixteenBit = (flags & 1) != 0;
    const bool secondary = (flags & 2) != 0;
    const std::int32_t side = 2 + (flags >> 2);
    const std::string settingsText = input.Bytes(input.Byte());
    const std::size_t rawSize = input.Left();
    const std::uint8_t* raw = input.Rest();

    const TerrainConfig config = ParseTerrainConfig(settingsText);
    const HeightmapSettings& settings = secondary ? config.secondary : config.primary;

    // In 64 bits: a side of 2^31 - 1 squared and doubled still fits.
    const std::uint64_t sampleBytes = sixteenBit ? 2 : 1;
    const std::uint64_t magnitude =
        static_cast<std::uint64_t>(std::abs(std::int64_t{settings.size}));
    const std::uint64_t fileBytes = magnitude * magnitude * sampleBytes;
    if (settings.size > kLargestSide && fileBytes <= rawSize) return 0;

    level::Heightmap map;
    if (const Status read =
            level::HeightmapFromBytes({raw, rawSize}, "Heightmap.raw", settings, sixteenBit, map);
        !read.ok()) {
        FUZZ_CHECK(read.message().rfind("ERROR: ", 0) == 0);
        return 0;
    }
    const auto field = std::make_unique<HeightField>(HeightField::FromHeightmap(std::move(map)));
    field->BuildNormalMap();

    FUZZ_CHECK(field->size == settings.size && field->size >= 2);
    FUZZ_CHECK(field->size <= kLargestSide && fileBytes <= rawSize);
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
    const float coordinates[] = {-inf,        -1e30f,      -1.0f, 0.0f,
                                 0.5f,        last - 0.5f, last,  std::nextafter(last, 0.0f),
                                 last + 1.0f, 1e30f,       inf,   nan};
    for (float x : coordinates) {
        for (float y : coordinates) {
            CheckWithin(field->SampleHeight(x, y), lowest, highest);
            CheckWithin(field->SampleSlope(x, y), 0.0f, 1.0f);
        }
    }

    const BlendWeights weights(*field, ramps.heights, ramps.angles, side);
    WeightRowBuffer row = weights.MakeRowBuffer();
    for (std::size_t y = 0; y < weights.Side(); ++y) {
        weights.ComputeRow(y, row);
        for (std::size_t x = 0; x < weights.Side(); ++x) {
            const float low = row.low[x], high = row.high[x], steep = row.steep[x];
            FUZZ_CHECK(low >= 0.0f && low <= 1.0f && high >= 0.0f && high <= 1.0f);
            FUZZ_CHECK(steep >= 0.0f && steep <= 1.0f);
            FUZZ_CHECK(std::fabs(low + high + steep - 1.0f) <= 1e-5f);
        }
    }
    return 0;
}
