#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "level/heightmap_file.h"

// Where a grid coordinate lies once the samplers have clamped it: the cell
// (its first column or row) and how far across it, 0 to just below 1.
struct GridPosition {
    std::size_t cell = 0;
    float fraction = 0.0f;
};

// One cell of a grid row once the samplers have interpolated down the rows:
// the value at its left edge and the rise to its right edge, in double.
struct CellSpan {
    double start = 0.0;
    double rise = 0.0;
};

// The steps of every bilinear sample, shared by the point samplers and the
// row samplers so that both give the same bits: down the rows of the cell in
// single precision, then across it in double.
inline float DownTheRows(float upper, float lower, float fraction) {
    return upper + (lower - upper) * fraction;
}
inline CellSpan SpanOf(float left, float right) {
    return {static_cast<double>(left), static_cast<double>(right) - static_cast<double>(left)};
}
inline double AcrossTheCell(const CellSpan& span, float fraction) {
    return span.start + span.rise * static_cast<double>(fraction);
}

// One square heightmap in memory: a height per grid vertex in world units and
// the slope of the ground at every vertex, both row after row (element
// r * size + c for row r, column c), with the scales the settings gave it.
struct HeightField {
    std::vector<float> heights;    // raw sample * verticalScale
    std::vector<float> normalMap;  // slope per vertex: 0 level, 0.5 at 45 degrees, 1 vertical
    std::int32_t size = 0;
    float horizontalScale = 0.0f;
    float verticalScale = 0.0f;
    float heightRange = 0.0f;

    // A height field of the heights read from a raw heightmap (see
    // level::ReadHeightmap), taken over whole. The slope map is not built yet.
    static HeightField FromHeightmap(level::Heightmap map);

    // Fills normalMap from heights, size and horizontalScale (not 0), on every
    // core; the same floats for any number of threads. Fails with "ERROR:
    // normal map already exists!" if it is already built, leaving it as it is.
    void BuildNormalMap();

    // Bilinear samples at grid position (x, y): x along a row (the column
    // coordinate), y across the rows. Coordinates are clamped to the grid; on
    // or beyond the last column or row they read the last cell, weighting its
    // far edge 0.9999. Never read outside the arrays for size >= 2.
    double SampleHeight(float x, float y) const;
    double SampleSlope(float x, float y) const;

    // The same samples a row at a time, for callers that sample many points
    // of one grid row coordinate: Locate clamps a coordinate as the samplers
    // do, HeightCells and SlopeCells interpolate every cell of the grid down
    // the rows at one located row (size - 1 spans into `out`), and
    // SampleAcross finishes a sample from them. SampleAcross(cells at
    // Locate(y), Locate(x)) is SampleHeight(x, y) (or SampleSlope), bit for bit.
    GridPosition Locate(float coordinate) const;
    void HeightCells(GridPosition row, CellSpan* out) const;
    void SlopeCells(GridPosition row, CellSpan* out) const;
    static double SampleAcross(const CellSpan* cells, GridPosition column) {
        return AcrossTheCell(cells[column.cell], column.fraction);
    }
};
