#include "level/level_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The names other programs and the user's scripts look for, byte for byte:
// a column or row of two digits keeps the fixed 0 before it.
TEST(LevelNamesTest, TileAndTextureNames) {
    const struct {
        std::string name;
        const char* expected;
    } cases[] = {
        {level::DetailTileFile(0, 0), "detailmaps/tx00x00_1.dds"},
        {level::DetailTileFile(3, 12), "detailmaps/tx03x012_1.dds"},
        {level::ColourTileFile(0, 7), "colormaps/tx00x07.dds"},
        {level::ColourTileFile(15, 1), "colormaps/tx015x01.dds"},
        {level::SurroundingColourFile(0), "colormaps/tx_s0.dds"},
        {level::SurroundingLowDetailFile(7), "lowdetailmaps/tx_s7.dds"},
        {level::SurroundingHeightmapFile(level::kSurroundingPlaces[6]),
         "HeightmapSecondary_L1U1.raw"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.name, c.expected);
}

}  // namespace
