#include "splitter/tile_cut.h"

#include <gtest/gtest.h>

#include "tests/support/test_maps.h"

using splitter_testing::HoldsMapBlock;
using splitter_testing::PositionMap;

namespace {

TEST(CutTile, CopiesTheAddressedBlockInStoredOrder) {
    const TgaImage map = PositionMap(1536, 1024);
    struct Case {
        std::int32_t x, r;
    };
    for (const Case& c : {Case{0, 0}, Case{2, 0}, Case{1, 1}, Case{2, 1}}) {
        SCOPED_TRACE(::testing::Message() << "tile " << c.x << ", " << c.r);
        const TgaImage tile = CutTile(map, map.width, c.x, c.r);
        ASSERT_EQ(tile.format, Bgr24);
        ASSERT_EQ(tile.width, 512);
        ASSERT_EQ(tile.height, 512);
        EXPECT_TRUE(HoldsMapBlock(tile.pixels.get(), c.r * 512, c.x * 512));
    }
}

TEST(CutTile, RefusesABlockOutsideTheMap) {
    const TgaImage map = PositionMap(1024, 1000);
    const TgaImage bgra = PositionMap(512, 512, Bgra32);
    struct Case {
        const char* name;
        const TgaImage& map;
        std::int32_t mapWidth, x, r;
    };
    const Case cases[] = {
        {"column past the right edge", map, 1024, 2, 0},
        {"rows past the end of the block", map, 1024, 0, 1},
        {"negative tile", map, 1024, -1, 0},
        {"row length longer than the block's rows", map, 2048, 1, 0},
        {"four bytes per pixel", bgra, 512, 0, 0},
        {"empty map", TgaImage{}, 512, 0, 0},
        // x + 1 overflowed (a fuzzing finding); a far tile's offsets wrapped
        // past 64 bits into a small end that passed the bounds check.
        {"last column index", map, INT32_MAX, INT32_MAX, 0},
        {"offsets that wrap past 64 bits", map, 2147481711, 0, 799714683},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(CutTile(c.map, c.mapWidth, c.x, c.r).pixels);
    }
}

TEST(MapFitsTheCutting, WantsBgr24AndARowCountForEveryTile) {
    struct Case {
        std::int32_t format, width, height;
        bool fits;
    };
    const Case cases[] = {
        {Bgr24, 1024, 1024, true},  {Bgr24, 1000, 512, true},
        {Bgr24, 1024, 2048, true},  {Bgr24, 500, 1, true},  // no tile to cut
        {Bgr24, 1024, 1023, false}, {Bgr24, 1000, 511, false},
        {Bgra32, 512, 512, false},  {Grey8, 512, 512, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.format << " " << c.width << " x " << c.height);
        EXPECT_EQ(MapFitsTheCutting(TgaImage::Make(c.format, c.width, c.height)), c.fits);
    }
    EXPECT_FALSE(MapFitsTheCutting(TgaImage{}));
}

}  // namespace
