#pragma once

#include <string>

// The files of a level, as they sit in its folder. The painter reads them one
// folder up from its working folder; the importer and the sample generator
// write them.
namespace level {

inline constexpr char kSettingsFile[] = "Heightdata.con";
inline constexpr char kPrimaryHeightmapFile[] = "HeightmapPrimary.raw";

// The primary maps have this many texels a side for every step between
// heightmap samples: 4 × (N − 1) for a heightmap of side N.
inline constexpr int kPrimaryTexelsPerStep = 4;
// The splitter cuts the primary maps into tiles of this side and leaves out
// a strip narrower than a tile.
inline constexpr int kTileSide = 512;
// The smallest primary heightmap whose maps hold a whole tile (129).
inline constexpr int kSmallestTiledPrimary = kTileSide / kPrimaryTexelsPerStep + 1;

// One of the eight surrounding heightmaps: the name in its file name, and
// where it lies around the primary terrain, in whole terrains (column to the
// east, row to the south).
struct SurroundingPlace {
    const char* name;
    int column;
    int row;
};

// In the order the painter paints them: the texture of the i-th carries the
// index i.
inline constexpr SurroundingPlace kSurroundingPlaces[8] = {
    {"L1D1", -1, 1}, {"D1", 0, 1},  {"R1D1", 1, 1},   {"R1", 1, 0},
    {"R1U1", 1, -1}, {"U1", 0, -1}, {"L1U1", -1, -1}, {"L1", -1, 0},
};

// "HeightmapSecondary_<name>.raw".
std::string SurroundingHeightmapFile(const SurroundingPlace& place);

}  // namespace level
