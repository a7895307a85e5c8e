#include "splitter/tile_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/platform/platform.h"
#include "tests/support/test_maps.h"
#include "tests/support/temp_folder.h"

using splitter_testing::HoldsMapBlock;
using splitter_testing::PositionMap;
using testing_support::TempWorkingFolder;

namespace {

// One command the tile loop ran, with the tile the converter would have found
// in the temporary file at that moment.
struct Conversion {
    std::string command;
    TgaImage tile;
};
std::vector<Conversion> conversions;

int RecordConversion(const char* commandLine) {
    Conversion conversion{commandLine, TgaImage{}};
    const std::string line = commandLine;
    const size_t at = line.find("-file ");
    if (at != std::string::npos) {
        const std::string input = line.substr(at + 6, line.find(' ', at + 6) - (at + 6));
        // A temporary file that is missing leaves the tile empty.
        (void)conversion.tile.Load(input.c_str());
    }
    conversions.push_back(std::move(conversion));
    return 0;
}

std::string Detail(const char* name) {
    return std::string("nvdxt -file dtemp.tga -output detailmaps/") + name +
           "_1.dds -u8888 -nomipmap";
}
std::string Colour(const char* name) {
    return std::string("nvdxt -file ctemp.tga -output colormaps/") + name + ".dds -u8888 -nomipmap";
}

class TileLoop : public ::testing::Test {
protected:
    void SetUp() override {
        conversions.clear();
    }

    // Runs the loop, recording what it tells its listener.
    Status Convert(const SplitterState& state, const TgaPixels& detail, const TgaPixels& colour) {
        TileLoopListener listener;
        listener.tileDone = [this](const Status& outcome) { outcomes_.push_back(outcome); };
        listener.tileRowDone = [this](std::int32_t r) { rowsDone_.push_back(r); };
        return ConvertAllTiles(state, detail, colour, listener, runCommand_);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const Status& s : outcomes_) messages.push_back(s.ok() ? "converted" : s.message());
        return messages;
    }

    std::vector<std::string> Commands() const {
        std::vector<std::string> commands;
        for (const Conversion& c : conversions) commands.push_back(c.command);
        return commands;
    }

    TempWorkingFolder folder_;
    platform::CommandRunner runCommand_ = RecordConversion;
    std::vector<Status> outcomes_;
    std::vector<std::int32_t> rowsDone_;
};

TEST_F(TileLoop, ConvertsEachTileDetailFirstColumnByColumnFromTheBottom) {
    // The two maps differ (the colour map is stored upside down) so that a
    // tile from the wrong map shows.
    const TgaImage detail = PositionMap(1024, 1024);
    TgaImage colour = PositionMap(1024, 1024);
    const size_t rowBytes = 1024 * 3;
    for (size_t row = 0; row < 1024; ++row) {
        std::copy_n(detail.pixels.get() + row * rowBytes, rowBytes,
                    colour.pixels.get() + (1023 - row) * rowBytes);
    }
    const SplitterState state{true, true, 1024};

    EXPECT_TRUE(Convert(state, detail, colour).ok());
    EXPECT_EQ(Messages(), std::vector<std::string>(8, "converted"));
    // Each tile's rows are let go once both maps' tile is converted.
    EXPECT_EQ(rowsDone_, (std::vector<std::int32_t>{0, 1, 0, 1}));

    const std::vector<std::string> expected = {
        Detail("tx00x01"), Colour("tx00x01"), Detail("tx00x00"), Colour("tx00x00"),
        Detail("tx01x01"), Colour("tx01x01"), Detail("tx01x00"), Colour("tx01x00"),
    };
    ASSERT_EQ(Commands(), expected);

    // Tile (x, r) named y = 1 - r: tx00x00 is the picture's top-left square,
    // the map's last 512 stored rows.
    struct Block {
        std::int32_t firstRow, firstColumn;
    };
    const Block detailBlocks[] = {{0, 0}, {512, 0}, {0, 512}, {512, 512}};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[2 * i]);
        const Conversion& d = conversions[2 * i];
        const Conversion& c = conversions[2 * i + 1];
        // The other tile of the same column in the detail map.
        const Conversion& mirror = conversions[2 * (i ^ 1)];
        ASSERT_EQ(d.tile.width, 512);
        ASSERT_EQ(c.tile.width, 512);
        ASSERT_EQ(d.tile.height, 512);
        EXPECT_TRUE(HoldsMapBlock(d.tile.pixels.get(), detailBlocks[i].firstRow,
                                  detailBlocks[i].firstColumn));
        // The colour map's stored row k is the detail map's row 1023 - k, so
        // its tile (x, r) is the detail tile (x, 1 - r) upside down.
        const size_t tileRowBytes = 512 * 3;
        for (size_t k = 0; k < 512; ++k) {
            ASSERT_EQ(
                0, std::memcmp(c.tile.pixels.get() + k * tileRowBytes,
                               mirror.tile.pixels.get() + (511 - k) * tileRowBytes, tileRowBytes))
                << "colour tile row " << k;
        }
    }
}

TEST_F(TileLoop, CountsTilesFromTheMapWidthRoundedDown) {
    const TgaImage wide = PositionMap(1000, 1000);
    const TgaImage narrow = PositionMap(500, 500);

    EXPECT_TRUE(Convert(SplitterState{true, false, 1000}, wide, TgaImage{}).ok());
    ASSERT_EQ(Commands(), std::vector<std::string>{Detail("tx00x00")});
    EXPECT_TRUE(HoldsMapBlock(conversions[0].tile.pixels.get(), 0, 0));

    conversions.clear();
    EXPECT_TRUE(Convert(SplitterState{true, true, 500}, narrow, narrow).ok());
    EXPECT_TRUE(conversions.empty());
}

TEST_F(TileLoop, AMapTooSmallForItsRowLengthIsNotReadPast) {
    // The entry refuses such maps; the loop still never reads past a block.
    const TgaImage shortMap = PositionMap(1024, 600);
    const Status status = Convert(SplitterState{true, false, 1024}, shortMap, TgaImage{});
    EXPECT_EQ(status.code(), TileOutsideMap);
    EXPECT_EQ(status.message(),
              "ERROR: tile detailmaps/tx00x00_1.dds: its block (column 0, stored row 1) lies "
              "outside the map");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "converted", status.message(), "converted",
                              "ERROR: tile detailmaps/tx01x00_1.dds: its block (column 1, stored "
                              "row 1) lies outside the map"}));
    // Tiles of the first tile row still go.
    EXPECT_EQ(Commands(), (std::vector<std::string>{Detail("tx00x01"), Detail("tx01x01")}));
}

// A converter that fails for one tile (its output folder full, say): the
// other tiles still go, and the loop reports the failure.
int FailColourTile01(const char* commandLine) {
    RecordConversion(commandLine);
    return std::string(commandLine) == Colour("tx00x01") ? 1 : 0;
}

TEST_F(TileLoop, AFailedConversionIsReportedAndTheOtherTilesStillGo) {
    const TgaImage map = PositionMap(1024, 1024);
    runCommand_ = FailColourTile01;
    const Status status = Convert(SplitterState{true, true, 1024}, map, map);
    EXPECT_EQ(status.code(), ConversionFailed);
    EXPECT_EQ(status.message(), "ERROR: tile colormaps/tx00x01.dds: running \"" +
                                    Colour("tx00x01") +
                                    "\" failed (the converter's message comes before)");
    std::vector<std::string> expected(8, "converted");
    expected[1] = status.message();
    EXPECT_EQ(Messages(), expected);
    EXPECT_EQ(Commands().size(), 8u);
}

TEST(FormatTileCommands, PutsALiteralZeroBeforeEachNumber) {
    char detail[kCommandSize], colour[kCommandSize];
    FormatTileCommands(3, 5, detail, colour);
    EXPECT_STREQ(detail, Detail("tx03x05").c_str());
    EXPECT_STREQ(colour, Colour("tx03x05").c_str());
    FormatTileCommands(10, 11, detail, colour);
    EXPECT_STREQ(detail, Detail("tx010x011").c_str());
    EXPECT_STREQ(colour, Colour("tx010x011").c_str());
}

}  // namespace
