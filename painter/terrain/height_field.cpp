#include "painter/terrain/height_field.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "common/platform/read_file.h"
#include "common/status/status.h"
#include "level/heightmap_samples.h"

namespace {

// Keeps a sampled coordinate inside the last cell: 0.0001 below the last row
// or column, in single precision, so its far edge weighs 0.9999.
constexpr float LastCellMargin = 0.0001f;
static_assert(std::bit_cast<std::uint32_t>(LastCellMargin) == 0x38D1B717u);

// Beyond a last index of 2048 the margin is lost to rounding (m - 0.0001
// gives m back), which would put the cell's far column or row outside the
// grid; there the largest float below m does the margin's job.
float LastCellCoordinate(float last) {
    const float inside = last - LastCellMargin;
    return inside < last ? inside : std::nextafter(last, 0.0f);
}

// Both samplers: clamp, then interpolate down the rows of the cell and across.
// `!(x > 0)` is the lower clamp that also sends a NaN to 0 instead of into an
// index.
GridPosition LocateOnGrid(float coordinate, std::int32_t size) {
    if (!(coordinate > 0.0f)) coordinate = 0.0f;
    const float last = static_cast<float>(size - 1);
    if (coordinate >= last) coordinate = LastCellCoordinate(last);
    const auto cell = static_cast<std::size_t>(coordinate);
    return {cell, coordinate - static_cast<float>(cell)};
}

double SampleBilinear(const float* values, std::int32_t size, float x, float y) {
    const GridPosition column = LocateOnGrid(x, size);
    const GridPosition row = LocateOnGrid(y, size);
    const std::size_t side = static_cast<std::size_t>(size);
    const float* upper = values + row.cell * side + column.cell;
    const float* lower = upper + side;
    const CellSpan span = SpanOf(DownTheRows(upper[0], lower[0], row.fraction),
                                 DownTheRows(upper[1], lower[1], row.fraction));
    return AcrossTheCell(span, column.fraction);
}

void InterpolateCells(const float* values, std::int32_t size, GridPosition row, CellSpan* out) {
    const std::size_t side = static_cast<std::size_t>(size);
    const float* upper = values + row.cell * side;
    const float* lower = upper + side;
    float left = DownTheRows(upper[0], lower[0], row.fraction);
    for (std::size_t c = 0; c + 1 < side; ++c) {
        const float right = DownTheRows(upper[c + 1], lower[c + 1], row.fraction);
        out[c] = SpanOf(left, right);
        left = right;
    }
}

// The slope kernel squares height differences, and products of their
// reciprocals appear in its cross products, all in single precision. Heights
// (all of one sign) up to this size keep both in range: squares up to 1e36,
// products down to 1e-36, against a float range of 1e-38 to 3e38. So every
// slope is a number; far beyond it a lone spike's triangle normals turn
// horizontal and can cancel to a zero vector. Real maps stay below 1e6.
constexpr float LargestHeight = 1e18f;

// Bytes of size * size samples, in 64 bits: a side of 100000 must not wrap
// into a small number.
std::uint64_t SampleBytes(std::int32_t size, bool sixteenBit) {
    return level::HeightmapBytes(size, sixteenBit);
}

// A file of exactly k * k samples for another k than the settings' size is
// the classic off-by-one (a 513-wide map under a size line of 512): read
// with the wrong row length, it paints sheared stripes. Any other length
// is taken as it always was: the samples from the file's start.
void CheckSampleCount(std::string_view name, std::uint64_t length,
                      const HeightmapSettings& settings, bool sixteenBit) {
    if (length <= SampleBytes(settings.size, sixteenBit)) return;
    const std::optional<std::uint64_t> side = level::ExactSide(length, sixteenBit);
    if (!side) return;
    Fail("ERROR: %.*s holds %llu x %llu %s-bit samples, but the settings give its size as %d",
         static_cast<int>(name.size()), name.data(), static_cast<unsigned long long>(*side),
         static_cast<unsigned long long>(*side), sixteenBit ? "16" : "8", settings.size);
}

}  // namespace

void HeightField::CheckSettings(std::string_view name, const HeightmapSettings& settings,
                                bool sixteenBit) {
    const std::string path(name);
    if (settings.size < 2 && !settings.sizeBeyondRange.empty()) {
        Fail("ERROR: %s: size %s is outside 2 to %d (line %d of the settings: \"%s\")",
             path.c_str(), settings.sizeBeyondRange.c_str(), INT32_MAX, settings.sizeLineNumber,
             settings.sizeLine.c_str());
    }
    if (settings.horizontalScale == 0.0f && !settings.horizontalScaleBeyondRange.empty()) {
        Fail("ERROR: %s: horizontal scale %s is outside %d to %d (line %d of the settings: \"%s\")",
             path.c_str(), settings.horizontalScaleBeyondRange.c_str(), INT32_MIN, INT32_MAX,
             settings.scaleLineNumber, settings.scaleLine.c_str());
    }
    if (settings.size < 2) {
        Fail("ERROR: %s: size %d leaves no cell to sample (at least 2 samples per side)",
             path.c_str(), settings.size);
    }
    if (settings.horizontalScale == 0.0f || !std::isfinite(settings.horizontalScale)) {
        Fail("ERROR: %s: horizontal scale %g leaves every slope undefined", path.c_str(),
             static_cast<double>(settings.horizontalScale));
    }
    // A scale that reads as zero or less (a comma for a point, a blank
    // before the slash) would paint every map as level ground.
    if (settings.verticalScale <= 0.0f) {
        if (settings.scaleLineNumber > 0) {
            Fail("ERROR: %s: vertical scale %g is not above 0 (line %d of the settings: \"%s\")",
                 path.c_str(), static_cast<double>(settings.verticalScale),
                 settings.scaleLineNumber, settings.scaleLine.c_str());
        }
        Fail("ERROR: %s: vertical scale %g is not above 0 (the settings have no scale line for it)",
             path.c_str(), static_cast<double>(settings.verticalScale));
    }
    const float largestSample = sixteenBit ? 65535.0f : 255.0f;
    if (!(largestSample * std::fabs(settings.verticalScale) <= LargestHeight)) {
        Fail("ERROR: %s: vertical scale %g puts heights beyond %g", path.c_str(),
             static_cast<double>(settings.verticalScale), static_cast<double>(LargestHeight));
    }
}

HeightField HeightField::FromRaw(std::span<const std::uint8_t> bytes, std::string_view name,
                                 const HeightmapSettings& settings, bool sixteenBit) {
    CheckSettings(name, settings, sixteenBit);
    CheckSampleCount(name, bytes.size(), settings, sixteenBit);
    const std::uint64_t needed = SampleBytes(settings.size, sixteenBit);
    if (bytes.size() < needed) {
        Fail("ERROR: %.*s holds %llu bytes, fewer than the %llu of %d x %d %s-bit samples",
             static_cast<int>(name.size()), name.data(),
             static_cast<unsigned long long>(bytes.size()), static_cast<unsigned long long>(needed),
             settings.size, settings.size, sixteenBit ? "16" : "8");
    }

    HeightField field;
    field.size = settings.size;
    field.horizontalScale = settings.horizontalScale;
    field.verticalScale = settings.verticalScale;
    field.heightRange = settings.heightRange;
    const std::size_t side = static_cast<std::size_t>(field.size);
    field.heights.resize(side * side);
    const float scale = field.verticalScale;
    for (std::size_t i = 0; i < field.heights.size(); ++i) {
        field.heights[i] = static_cast<float>(level::Sample(bytes, i, sixteenBit)) * scale;
    }
    return field;
}

HeightField HeightField::LoadRaw(const std::string& path, const HeightmapSettings& settings,
                                 bool sixteenBit) {
    // The settings first: a size that no file could back is refused before
    // the file is even opened.
    CheckSettings(path, settings, sixteenBit);
    std::error_code error;
    const std::uintmax_t length = std::filesystem::file_size(path, error);
    if (!error) CheckSampleCount(path, length, settings, sixteenBit);
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path.c_str(), bytes, SampleBytes(settings.size, sixteenBit)).ok()) {
        Fail("ERROR: opening %s", path.c_str());
    }
    return FromRaw(bytes, path, settings, sixteenBit);
}

double HeightField::SampleHeight(float x, float y) const {
    return SampleBilinear(heights.data(), size, x, y);
}

double HeightField::SampleSlope(float x, float y) const {
    return SampleBilinear(normalMap.data(), size, x, y);
}

GridPosition HeightField::Locate(float coordinate) const { return LocateOnGrid(coordinate, size); }

void HeightField::HeightCells(GridPosition row, CellSpan* out) const {
    InterpolateCells(heights.data(), size, row, out);
}

void HeightField::SlopeCells(GridPosition row, CellSpan* out) const {
    InterpolateCells(normalMap.data(), size, row, out);
}
