#include "tools/terrain_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "tools/level_writer.h"

namespace {

using sample_level::kSurroundingTiles;
using sample_level::QuantiseHeight;
using sample_level::SamplePrimary;
using sample_level::SampleSurrounding;
using sample_level::TerrainShape;

// What share of a primary heightmap is low, high and steep ground, by the
// same measures as the material set: height as a fraction of the full range,
// slope angle from central differences in world units.
struct GroundShares {
    double low = 0;     // below 40 % of the range: all grass
    double high = 0;    // above 60 %: all snow and rock
    double steep = 0;   // steeper than 40°: all cliff
    double gentle = 0;  // flatter than 15°
};

GroundShares Measure(const std::vector<std::uint16_t>& h, int side) {
    const double spacing = sample_level::HorizontalScale(side);
    const double step = 0.003;  // world height of one raw step
    const double tan40 = 0.83909963;
    const double tan15 = 0.26794919;
    GroundShares s;
    double count = 0;
    for (int r = 1; r < side - 1; ++r) {
        for (int c = 1; c < side - 1; ++c) {
            const size_t i = static_cast<size_t>(r) * side + c;
            const double z = h[i] / 65536.0;
            const double gx = (h[i + 1] - double(h[i - 1])) * step / (2 * spacing);
            const double gy = (h[i + side] - double(h[i - side])) * step / (2 * spacing);
            const double gradient = std::sqrt(gx * gx + gy * gy);
            s.low += z < 0.4;
            s.high += z > 0.6;
            s.steep += gradient > tan40;
            s.gentle += gradient < tan15;
            count += 1;
        }
    }
    s.low /= count;
    s.high /= count;
    s.steep /= count;
    s.gentle /= count;
    return s;
}

TEST(TerrainShape, HasLowHighAndSteepGroundForEverySeedAndSide) {
    const std::pair<std::uint64_t, int> cases[] = {{1, 1025}, {2, 257}, {3, 257}, {4, 129},
                                                   {5, 257},  {6, 129}, {7, 129}, {123456789, 257}};
    for (const auto& [seed, side] : cases) {
        const GroundShares s = Measure(SamplePrimary(TerrainShape(seed), side), side);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", side " + std::to_string(side));
        EXPECT_GT(s.low, 0.35);
        EXPECT_GT(s.high, 0.04);
        EXPECT_GT(s.steep, 0.01);
        EXPECT_LT(s.steep, 0.15);
        EXPECT_GT(s.gentle, 0.5);
    }
}

// Every surrounding sample that lies on the primary tile's border (an edge
// for L1, R1, U1, D1, a corner for the diagonal tiles) must show the primary
// height there. This pins the orientation: L1 is west (before column 0), U1
// north (before row 0), and each tile's rows and columns run as the primary's.
TEST(TerrainShape, SurroundingTilesMeetThePrimaryAtItsBorder) {
    const TerrainShape shape(11);
    const int primary = 129, secondary = 33, ratio = (primary - 1) / (secondary - 1);
    const std::vector<std::uint16_t> centre = SamplePrimary(shape, primary);
    for (const auto& tile : kSurroundingTiles) {
        SCOPED_TRACE(tile.name);
        const std::vector<std::uint8_t> map = SampleSurrounding(shape, secondary, tile);
        int shared = 0;
        for (int r = 0; r < secondary; ++r) {
            for (int c = 0; c < secondary; ++c) {
                // Position in primary samples.
                const int pr = tile.row * (primary - 1) + r * ratio;
                const int pc = tile.column * (primary - 1) + c * ratio;
                if (pr < 0 || pr >= primary || pc < 0 || pc >= primary) continue;
                const int expected = centre[static_cast<size_t>(pr) * primary + pc] / 256;
                EXPECT_NEAR(map[static_cast<size_t>(r) * secondary + c], expected, 1)
                    << "row " << r << ", column " << c;
                ++shared;
            }
        }
        const bool diagonal = tile.row != 0 && tile.column != 0;
        EXPECT_EQ(shared, diagonal ? 1 : secondary);
    }
}

TEST(TerrainShape, SurroundingTilesAreTheEightNeighbours) {
    std::set<std::pair<int, int>> seen;
    for (const auto& tile : kSurroundingTiles) {
        const std::string name = tile.name;
        // L and R name the column, U and D the row.
        EXPECT_EQ(tile.column, name.find('L') != std::string::npos   ? -1
                               : name.find('R') != std::string::npos ? 1
                                                                     : 0)
            << name;
        EXPECT_EQ(tile.row, name.find('U') != std::string::npos   ? -1
                            : name.find('D') != std::string::npos ? 1
                                                                  : 0)
            << name;
        seen.insert({tile.column, tile.row});
    }
    EXPECT_EQ(seen.size(), 8u);
    EXPECT_EQ(seen.count({0, 0}), 0u);
}

TEST(TerrainShape, QuantisesToTheNearestStepWithinRange) {
    EXPECT_EQ(QuantiseHeight(0.0, 16), 0u);
    EXPECT_EQ(QuantiseHeight(-0.5, 16), 0u);
    EXPECT_EQ(QuantiseHeight(0.5, 16), 32768u);
    EXPECT_EQ(QuantiseHeight(1.0, 16), 65535u);
    EXPECT_EQ(QuantiseHeight(2.0, 16), 65535u);
    EXPECT_EQ(QuantiseHeight(0.5, 8), 128u);
    EXPECT_EQ(QuantiseHeight(1.0, 8), 255u);
    EXPECT_EQ(QuantiseHeight(1.4 / 256.0, 8), 1u);
    EXPECT_EQ(QuantiseHeight(1.6 / 256.0, 8), 2u);
}

std::uint64_t Fnv1a(const std::uint8_t* bytes, size_t count) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < count; ++i) h = (h ^ bytes[i]) * 0x100000001B3ull;
    return h;
}

// Golden hashes of a small level, taken from a native build. The same values
// under the Windows build prove that no step depends on the compiler or the C
// library; a deliberate change to the landscape or the textures changes them.
TEST(TerrainShape, GivesTheSameBytesOnEveryPlatform) {
    const TerrainShape shape(1);
    const std::vector<std::uint16_t> primary = SamplePrimary(shape, 65);
    std::vector<std::uint8_t> bytes;
    for (std::uint16_t v : primary) {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    for (const auto& tile : kSurroundingTiles) {
        const std::vector<std::uint8_t> map = SampleSurrounding(shape, 17, tile);
        bytes.insert(bytes.end(), map.begin(), map.end());
    }
    EXPECT_EQ(Fnv1a(bytes.data(), bytes.size()), 0x7BE968CDD9331DBAull);
}

}  // namespace
