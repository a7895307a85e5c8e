// quillet as its callers see it: run through the command interpreter, with a
// stand-in nvdxt on PATH that records its command lines, or with the real one.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/platform/platform.h"
#include "tests/support/run_program.h"
#include "tests/support/test_maps.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using program_testing::ProgramBesideTest;
using program_testing::ReadText;
using program_testing::RunAndWait;
using splitter_testing::Channel;
using splitter_testing::PositionMap;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

const std::string kBanner = "-----------------\nQuillet v0.11\n-----------------\n";
const std::string kUsage =
    "usage: Quillet [detailmap] [colormap]\n    - use \"null\" as filename to ignore\n";

std::string DetailArguments(const char* name) {
    return std::string("-file dtemp.tga -output detailmaps/") + name + "_1.dds -u8888 -nomipmap";
}
std::string ColourArguments(const char* name) {
    return std::string("-file ctemp.tga -output colormaps/") + name + ".dds -u8888 -nomipmap";
}

void SaveMap(const char* path, std::int32_t width, std::int32_t height,
             std::int32_t format = Bgr24) {
    ASSERT_TRUE(PositionMap(width, height, format).Save(path).ok()) << path;
}

class QuilletProgram : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory("standin");
        program_testing::WriteRecordingStandIn("standin", "nvdxt", "commands.txt");
        program_testing::UseFolderFirstOnPath((folder_.path() / "standin").string());
    }

    // Runs quillet; its standard output lands in output_, its standard error
    // in errors_.
    int Run(const std::string& arguments) {
        const int status = RunAndWait(ProgramBesideTest("quillet") + " " + arguments +
                                      " >stdout.txt 2>stderr.txt");
        output_ = ReadText("stdout.txt");
        errors_ = ReadText("stderr.txt");
        return status;
    }

    // Lines the stand-in converter recorded, one per conversion.
    std::vector<std::string> Conversions() const {
        std::vector<std::string> lines;
        std::string text = ReadText("commands.txt"), line;
        for (char ch : text) {
            if (ch != '\n') {
                line += ch;
                continue;
            }
            // cmd's echo keeps a blank that stood before the redirection.
            while (!line.empty() && line.back() == ' ') line.pop_back();
            lines.push_back(line);
            line.clear();
        }
        return lines;
    }

    static std::set<std::string> Files() {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(".")) {
            const auto name = entry.path().filename();
            if (name != "stdout.txt" && name != "stderr.txt") names.insert(entry.path().string());
        }
        return names;
    }

    TempWorkingFolder folder_;
    std::string output_;
    std::string errors_;
};

TEST_F(QuilletProgram, ShowsTheUsageForFewerThanTwoArgumentsAndTouchesNothing) {
    SaveMap("detail.tga", 512, 512);
    const auto before = Files();
    for (const char* arguments : {"", "detail.tga"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_EQ(output_, kBanner + kUsage);
        EXPECT_EQ(Files(), before);
    }
}

TEST_F(QuilletProgram, TwoNullsShowTheBannerOnly) {
    const auto before = Files();
    EXPECT_EQ(Run("null null extra arguments"), 0);
    EXPECT_EQ(output_, kBanner);
    EXPECT_EQ(Files(), before);
}

TEST_F(QuilletProgram, CutsOnlyTheNamedMapTakingTheCountFromIt) {
    SaveMap("detail.tga", 1024, 1024);
    SaveMap("colour.tga", 1000, 1000);
    EXPECT_EQ(Run("null colour.tga"), 0);
    EXPECT_EQ(Conversions(), std::vector<std::string>{ColourArguments("tx00x00")});
    EXPECT_FALSE(fs::exists("dtemp.tga"));

    fs::remove("commands.txt");
    fs::remove("ctemp.tga");
    EXPECT_EQ(Run("detail.tga null"), 0);
    EXPECT_EQ(Conversions(),
              (std::vector<std::string>{DetailArguments("tx00x01"), DetailArguments("tx00x00"),
                                        DetailArguments("tx01x01"), DetailArguments("tx01x00")}));
    EXPECT_FALSE(fs::exists("ctemp.tga"));
}

TEST_F(QuilletProgram, TakesOnlyTheExactWordNullAsTheSkipWord) {
    EXPECT_EQ(Run("null Null"), 1);
    EXPECT_EQ(output_, kBanner + "ERROR: reading Null\n");
    EXPECT_EQ(errors_,
              "ERROR: reading Null (cannot be opened, or holds less than its header promises)\n");
    SaveMap("NULL", 512, 512);
    EXPECT_EQ(Run("NULL null"), 0);
    EXPECT_EQ(Conversions(), std::vector<std::string>{DetailArguments("tx00x00")});
}

TEST_F(QuilletProgram, RefusesMapsItCannotReadOrCutBeforeAnyTile) {
    struct Case {
        const char* name;
        std::int32_t detailFormat, detailWidth, detailHeight;  // format 0: no file
        std::int32_t colourFormat, colourWidth, colourHeight;
        const char* message;  // the fixed line on standard output, if any
        const char* reason;   // on standard error
    };
    constexpr const char* kMissing = " (cannot be opened, or holds less than its header promises)";
    const std::string missingDetail = std::string("ERROR: reading detail.tga") + kMissing;
    const std::string missingColour = std::string("ERROR: reading colour.tga") + kMissing;
    const Case cases[] = {
        // Only the detail map's message, so the colour map was not read.
        {"both maps missing", 0, 0, 0, 0, 0, 0, "ERROR: reading detail.tga", missingDetail.c_str()},
        {"colour map missing", Bgr24, 512, 512, 0, 0, 0, "ERROR: reading colour.tga",
         missingColour.c_str()},
        {"detail map with alpha", Bgra32, 512, 512, Bgr24, 512, 512, "ERROR: reading detail.tga",
         "ERROR: reading detail.tga (32-bit pixels; the splitter cuts 24-bit maps)"},
        {"grey colour map", Bgr24, 512, 512, Grey8, 512, 512, "ERROR: reading colour.tga",
         "ERROR: reading colour.tga (8-bit pixels; the splitter cuts 24-bit maps)"},
        {"detail map narrower than the colour map", Bgr24, 512, 1024, Bgr24, 1024, 1024, nullptr,
         "ERROR: detail.tga is 512 texels wide and colour.tga 1024: both maps must be as wide"},
        {"detail map wider than the colour map", Bgr24, 1024, 1024, Bgr24, 1000, 1024, nullptr,
         "ERROR: detail.tga is 1024 texels wide and colour.tga 1000: both maps must be as wide"},
        {"colour map with too few rows", Bgr24, 1024, 1024, Bgr24, 1024, 1023,
         "ERROR: reading colour.tga",
         "ERROR: reading colour.tga (1024 x 1023: a map 1024 wide needs at least 1024 rows for its "
         "tiles)"},
        {"detail map with too few rows", Bgr24, 1024, 600, Bgr24, 1024, 1024,
         "ERROR: reading detail.tga",
         "ERROR: reading detail.tga (1024 x 600: a map 1024 wide needs at least 1024 rows for its "
         "tiles)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove("detail.tga");
        fs::remove("colour.tga");
        if (c.detailFormat) SaveMap("detail.tga", c.detailWidth, c.detailHeight, c.detailFormat);
        if (c.colourFormat) SaveMap("colour.tga", c.colourWidth, c.colourHeight, c.colourFormat);
        EXPECT_EQ(Run("detail.tga colour.tga"), 1);
        EXPECT_EQ(output_, kBanner + (c.message ? std::string(c.message) + "\n" : ""));
        EXPECT_EQ(errors_, std::string(c.reason) + "\n");
        EXPECT_FALSE(fs::exists("commands.txt"));
        EXPECT_FALSE(fs::exists("dtemp.tga"));
        EXPECT_FALSE(fs::exists("ctemp.tga"));
    }
}

TEST_F(QuilletProgram, ReportsAnUnwritableTileSkipsItsConversionAndFailsAtTheEnd) {
    SaveMap("detail.tga", 512, 512);
    SaveMap("colour.tga", 512, 512);
    fs::create_directory("dtemp.tga");
    EXPECT_EQ(Run("detail.tga colour.tga"), 1);
    EXPECT_EQ(output_, kBanner + "\n");
    // On standard error, with the tile and the system's reason (its words
    // are the system's own: "Is a directory" on Linux, "Permission denied"
    // on Windows).
    const std::string start = "ERROR: tile detailmaps/tx00x00_1.dds: writing dtemp.tga (";
    EXPECT_EQ(errors_.rfind(start, 0), 0u) << errors_;
    EXPECT_GT(errors_.size(), start.size() + 2) << errors_;
    EXPECT_EQ(errors_.substr(errors_.size() - 2), ")\n") << errors_;
    EXPECT_EQ(Conversions(), std::vector<std::string>{ColourArguments("tx00x00")});
}

// With the real converter: upright 512 × 512 DDS tiles, tx00x00 the top-left.
TEST_F(QuilletProgram, MakesUprightDdsTilesWithTheRealConverter) {
    program_testing::UseFolderFirstOnPath(platform::ExecutableFolder());
    SaveMap("detail.tga", 1024, 1024);
    SaveMap("colour.tga", 1024, 1024);
    fs::create_directory("detailmaps");
    fs::create_directory("colormaps");
    ASSERT_EQ(Run("detail.tga colour.tga"), 0) << output_;

    for (const char* folder : {"detailmaps", "colormaps"}) {
        for (std::int32_t x = 0; x < 2; ++x) {
            for (std::int32_t y = 0; y < 2; ++y) {
                const std::string name = std::string(folder) + "/tx0" + std::to_string(x) + "x0" +
                                         std::to_string(y) + (folder[0] == 'd' ? "_1.dds" : ".dds");
                SCOPED_TRACE(name);
                const std::string dds = ReadFileBytes(name);
                ASSERT_EQ(dds.size(), 128u + 512u * 512u * 4u);
                // Picture row y × 512 + i is the map's stored row 1023 - (y × 512 + i).
                for (std::int32_t i = 0; i < 512; ++i) {
                    for (std::int32_t j = 0; j < 512; ++j) {
                        const std::int32_t row = 1023 - (y * 512 + i), column = x * 512 + j;
                        const size_t at = 128 + (static_cast<size_t>(i) * 512 + j) * 4;
                        const bool same =
                            static_cast<std::uint8_t>(dds[at]) == Channel(row, column, 0) &&
                            static_cast<std::uint8_t>(dds[at + 1]) == Channel(row, column, 1) &&
                            static_cast<std::uint8_t>(dds[at + 2]) == Channel(row, column, 2) &&
                            static_cast<std::uint8_t>(dds[at + 3]) == 255;
                        ASSERT_TRUE(same) << "pixel " << i << ", " << j;
                    }
                }
            }
        }
    }
}

}  // namespace
