#pragma once

#include <cstdint>
#include <vector>

#include "level/level_names.h"

// The landscape of the sample level as one continuous height function over
// the primary tile and its eight neighbours, and its sampling into raw
// heightmaps.
//
// Orientation. World position (u, v) is in tile widths: u runs east, v runs
// south, and the primary tile covers 0 ≤ u, v ≤ 1. A raw heightmap's row r and
// column c lie at v = r / (side − 1) and u = c / (side − 1): row 0 is the
// northern (top) edge and column 0 the western (left) edge, which is how the
// painter's maps show them (their top picture row is heightmap row 0). The
// surrounding tiles have the primary's width and join it edge to edge: the
// last column of the west tile (L1) is the primary's column 0, the first row
// of the south tile (D1) is the primary's last row, and so on.
namespace sample_level {

// One surrounding heightmap: its name in its file name and where it lies, in tiles, relative to the primary: column −1 west (L1), +1 east
// (R1); row −1 north (U1), +1 south (D1).
using SurroundingTile = level::SurroundingPlace;
inline constexpr const auto& kSurroundingTiles = level::kSurroundingPlaces;

// Rolling hills over the whole area, mountains rising to the north, a river
// valley running from north to south through the western half of the primary
// tile (its east bank steeper than its west), and a plateau with cliffs all
// round in the primary tile's eastern half. The seed moves the features a
// little and chooses all the noise; every seed has all of them.
class TerrainShape {
public:
    explicit TerrainShape(std::uint64_t seed);

    // Height at (u, v) as a fraction of the full raw range, in [0, 1].
    double Height(double u, double v) const;

private:
    std::uint64_t seed_;
    double valleyU_;
    double plateauU_;
    double plateauV_;
    double plateauRadius_;
    double plateauTop_;
};

// Full-range height fraction to a sample of `bits` bits (16 or 8): rounded to
// the nearest step of 1/2^bits, so both widths describe the same world height
// when the 8-bit maps' vertical scale is 256 times the 16-bit one.
std::uint32_t QuantiseHeight(double fraction, int bits);

// The primary heightmap: side × side 16-bit samples, row 0 first.
std::vector<std::uint16_t> SamplePrimary(const TerrainShape& shape, int side);

// One surrounding heightmap: side × side 8-bit samples of the tile at
// (tile.column, tile.row), row 0 first.
std::vector<std::uint8_t> SampleSurrounding(const TerrainShape& shape, int side,
                                            const SurroundingTile& tile);

}  // namespace sample_level
