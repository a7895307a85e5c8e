#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "painter/terrain/terrain_config.h"

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

    // Loads the raw heightmap at `path` (size * size samples, row 0 first,
    // 16-bit little-endian or 8-bit unsigned; later bytes are ignored) and
    // builds its slope map. Logs an empty line and shows the "Reading" status
    // first. Fails with an "ERROR: " message, before allocating, when the file
    // cannot be opened or is too short, or when the settings leave no cell to
    // sample (size < 2), no defined slope (horizontal scale 0) or heights
    // beyond +-1e18.
    static HeightField LoadRaw(const std::string& path, const HeightmapSettings& settings,
                               bool sixteenBit);

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
};
