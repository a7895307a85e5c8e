#pragma once

#include <cstddef>
#include <string>

// The files of a level, as they sit in its folder. The painter reads them one
// folder up from its working folder; the importer and the sample generator
// write them. Below them, the files a painting job writes in its working
// folder, which the splitter, the preview and the benchmarks name too.
namespace level {

inline constexpr char kSettingsFile[] = "Heightdata.con";
inline constexpr char kPrimaryHeightmapFile[] = "HeightmapPrimary.raw";

// The largest primary heightmap side the painter takes: its maps are
// 4 × (N − 1) texels a side, and a TGA file holds sides up to 32767.
inline constexpr int kLargestPrimarySize = 8192;

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

// The primary terrain's two maps, painted whole for the splitter to cut.
inline constexpr char kDetailBigMap[] = "detailbig.tga";
inline constexpr char kColourBigMap[] = "colourbig.tga";
// The picture every conversion passes through, overwritten by the next one.
inline constexpr char kDetailTemporary[] = "dtemp.tga";
inline constexpr char kColourTemporary[] = "ctemp.tga";
// The folders of the converted textures; the surrounding terrain's colour
// textures sit beside the primary's colour tiles.
inline constexpr char kDetailFolder[] = "detailmaps";
inline constexpr char kColourFolder[] = "colormaps";
inline constexpr char kLowDetailFolder[] = "lowdetailmaps";
inline constexpr const char* kOutputFolders[] = {kDetailFolder, kColourFolder, kLowDetailFolder};

// Tile (column, row) of the primary maps, columns from the left and rows
// from the top: "detailmaps/tx0<column>x0<row>_1.dds" and
// "colormaps/tx0<column>x0<row>.dds".
std::string DetailTileFile(int column, int row);
std::string ColourTileFile(int column, int row);

// The two textures of the surrounding terrain painted `index`-th (its place
// in kSurroundingPlaces): "colormaps/tx_s<index>.dds" and
// "lowdetailmaps/tx_s<index>.dds".
std::string SurroundingColourFile(std::size_t index);
std::string SurroundingLowDetailFile(std::size_t index);

}  // namespace level
