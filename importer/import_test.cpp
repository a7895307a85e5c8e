#include "importer/import.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "level/terrain_settings.h"
#include "tests/support/temp_folder.h"

using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

std::string F32Bytes(const std::vector<float>& values) {
    std::string bytes(values.size() * 4, '\0');
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::uint32_t word;
        std::memcpy(&word, &values[i], 4);
        for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<char>(word >> (8 * b));
    }
    return bytes;
}

ImportOptions RawImport(const char* layout) {
    ImportOptions options;
    options.input = "in.raw";
    options.level = "lvl";
    RawLayout raw;
    EXPECT_TRUE(ParseRawLayout(layout, raw));
    options.raw = raw;
    return options;
}

const std::string kSettings =
    "rem level\r\nheightmap.setSize 3\r\nheightmap.setScale 4/0.5\r\n"
    "heightmap.setSize 17\r\nheightmap.setScale 8/0.768\r\n";
const std::string kHeightmap(18, '\x7f');

// A file's bytes, or a mark for a folder in its place.
std::string Content(const char* path) {
    return fs::is_directory(path) ? "(a folder)" : ReadFileBytes(path);
}

// Whatever stops an import, the level keeps both files as they were and no
// temporary file is left beside them.
TEST(ImportTest, AFailedImportLeavesTheLevelAsItWas) {
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::function<void(ImportOptions&)> change;
        const char* message;  // its beginning
    } cases[] = {
        {"raw file too short", [] { WriteFileBytes("in.raw", std::string(48, '\0')); }, nullptr,
         "ERROR: in.raw holds 48 bytes, fewer than the 50 of 5 x 5 u16le samples"},
        {"whole values asked of fractions",
         [] {
             WriteFileBytes("in.raw", F32Bytes(std::vector<float>(24, 7.0f)) + F32Bytes({0.5f}));
         },
         [](ImportOptions& o) {
             o = RawImport("5x5:f32le");
             o.keepValues = true;
         },
         "ERROR: in.raw: --keep-values needs whole numbers from 0 to 65535, but the sample at row "
         "4, column 4 is 0.5"},
        {"infinite float",
         [] {
             WriteFileBytes("in.raw", F32Bytes({1, 2, 3, std::numeric_limits<float>::infinity()}));
         },
         [](ImportOptions& o) { o = RawImport("2x2:f32le"); },
         "ERROR: in.raw: the sample at row 1, column 1 is infinite"},
        {"settings file is a folder",
         [] {
             fs::remove("lvl/Heightdata.con");
             fs::create_directory("lvl/Heightdata.con");
         },
         nullptr, "ERROR: lvl/Heightdata.con is not a file"},
        {"heightmap cannot be written",
         [] { fs::create_directory("lvl/HeightmapPrimary.raw.partial"); }, nullptr,
         "ERROR: writing lvl/HeightmapPrimary.raw ("},
        {"settings cannot be written", [] { fs::create_directory("lvl/Heightdata.con.partial"); },
         nullptr, "ERROR: writing lvl/Heightdata.con ("},
        {"no folder to make the level in", nullptr,
         [](ImportOptions& o) { o.level = "nowhere/elsewhere"; },
         "ERROR: nowhere/elsewhere: no such level folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingFolder folder;
        fs::create_directory("lvl");
        WriteFileBytes("lvl/Heightdata.con", kSettings);
        WriteFileBytes("lvl/HeightmapPrimary.raw", kHeightmap);
        WriteFileBytes("in.raw", std::string(50, '\x01'));
        if (c.setUp) c.setUp();
        const std::string settingsBefore = Content("lvl/Heightdata.con");

        ImportOptions options = RawImport("5x5:u16le");
        if (c.change) c.change(options);
        std::vector<std::string> report;
        const Status status = RunImport(options, report);
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.message().rfind(c.message, 0), 0u) << status.message();
        EXPECT_TRUE(report.empty());
        EXPECT_EQ(Content("lvl/Heightdata.con"), settingsBefore);
        EXPECT_EQ(ReadFileBytes("lvl/HeightmapPrimary.raw"), kHeightmap);
        for (const auto& entry : fs::directory_iterator("lvl")) {
            EXPECT_FALSE(entry.path().extension() == ".partial" && entry.is_regular_file())
                << entry.path();
        }
    }
}

// Full-range heights: the painter's reading of the written samples and scale
// (sample × V above the lowest height) is within half a step of every input
// height; no data takes the nearest valid height (here the one above it,
// met first of the nearest); a level input writes zeros.
TEST(ImportTest, WrittenHeightsAreWithinHalfAStep) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        std::vector<float> values;  // 3 × 3
        double lowest;              // in input units
    } cases[] = {
        {"spread, one sample without data",
         {812.25f, 100.0f, 2345.678f, nan, 1500.5f, 101.0f, 333.3f, 2000.0f, 999.999f},
         100.0},
        {"level", std::vector<float>(9, 42.0f), 42.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingFolder folder;
        fs::create_directory("lvl");
        WriteFileBytes("lvl/Heightdata.con", kSettings);
        WriteFileBytes("in.raw", F32Bytes(c.values));
        ImportOptions options = RawImport("3x3:f32le");
        options.verticalScale = 0.5;
        std::vector<std::string> report;
        const Status status = RunImport(options, report);
        ASSERT_TRUE(status.ok()) << status.message();

        const TerrainConfig config = ParseTerrainConfig(ReadFileBytes("lvl/Heightdata.con"));
        EXPECT_EQ(config.primary.size, 3);
        EXPECT_EQ(config.secondary.size, 17);
        const double v = config.primary.verticalScale;
        const std::string raw = ReadFileBytes("lvl/HeightmapPrimary.raw");
        ASSERT_EQ(raw.size(), 18u);
        std::uint16_t highest = 0;
        for (std::size_t i = 0; i < 9; ++i) {
            const std::uint16_t sample = static_cast<std::uint8_t>(raw[2 * i]) |
                                         static_cast<std::uint8_t>(raw[2 * i + 1]) << 8;
            highest = std::max(highest, sample);
            const double expected = (std::isnan(c.values[i]) ? c.values[i - 3] : c.values[i]) * 0.5;
            EXPECT_LE(std::fabs(sample * v + c.lowest * 0.5 - expected), v / 2 * 1.000001) << i;
        }
        if (c.values[0] == c.values[1]) {
            EXPECT_EQ(highest, 0);
            EXPECT_EQ(config.primary.verticalScale, 1.0f / 65535.0f);
        } else {
            EXPECT_EQ(highest, 65535);
            bool noted = false;
            for (const std::string& line : report)
                noted |= line.find("1 sample without data") != std::string::npos;
            EXPECT_TRUE(noted);
        }
    }
}

}  // namespace
