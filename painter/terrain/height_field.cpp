#include "painter/terrain/height_field.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

// Keeps a sampled coordinate inside the last cell: 0.0001 below the last row
// or column, in single precision, so its far edge weighs 0.9999.
constexpr float kLastCellMargin = 0.0001f;
static_assert(std::bit_cast<std::uint32_t>(kLastCellMargin) == 0x38D1B717u);

// Beyond a last index of 2048 the margin is lost to rounding (m - 0.0001
// gives m back), which would put the cell's far column or row outside the
// grid; there the largest float below m does the margin's job.
float LastCellCoordinate(float last) {
    const float inside = last - kLastCellMargin;
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

}  // namespace

HeightField HeightField::FromHeightmap(level::Heightmap map) {
    HeightField field;
    field.heights = std::move(map.heights);
    field.size = map.size;
    field.horizontalScale = map.horizontalScale;
    field.verticalScale = map.verticalScale;
    field.heightRange = map.heightRange;
    return field;
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
