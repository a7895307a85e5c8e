#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "preview/material_view.h"

// What the preview shows of a painted level, read from a working folder (the
// current folder) and the level around it, shrunk to what a browser draws
// smoothly.

// Vertices per side of the primary terrain at most, and of a surrounding
// one; pixels per side of a colour or detail picture at most.
inline constexpr std::size_t kPreviewPrimarySide = 1025;
inline constexpr std::size_t kPreviewSurroundingSide = 513;
inline constexpr std::size_t kPreviewPictureSide = 4096;
// Pixels per side of a surrounding terrain's colour picture at most (the
// painter makes them 512; a converter of the user's own may make them larger).
inline constexpr std::size_t kPreviewSurroundingPictureSide = 512;

// One terrain: heights in world units, row 0 its north edge; pictures as
// 8-bit red, green, blue, top row north, square (empty when there is none).
struct TerrainView {
    std::string name;  // "" for the primary, else its place ("L1D1" ...)
    int column = 0;    // east of the primary, in terrains
    int row = 0;       // south of the primary, in terrains
    std::size_t side = 0;
    double spacing = 0.0;  // world units between neighbouring vertices
    std::vector<float> heights;
    // The painter's slope at each vertex (0 level, 1 vertical) in 1/65535.
    std::vector<std::uint16_t> slopes;
    double heightRange = 0.0;  // the painter divides heights by it
    std::size_t mapSide = 0;   // texels a side of the map the painter paints
    std::size_t colourSide = 0;
    std::vector<std::uint8_t> colour;
    std::size_t detailSide = 0;
    std::vector<std::uint8_t> detail;
};

struct LevelView {
    std::string title;
    TerrainView primary;
    std::vector<TerrainView> surroundings;  // those that were painted
    std::vector<std::string> notes;         // gaps, and what was used
    MaterialView materials;
};

// Reads the level into `view` as the painter does (failing with its messages
// when the settings or the primary heightmap are missing or refused), and
// the maps the last job left: the big maps when they are there, else their
// tiles; a tile that is missing or unreadable becomes a marked gap and a
// note. Surrounding terrains are shown when their textures were painted.
Status ReadLevelView(LevelView& view);
