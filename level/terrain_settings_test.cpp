#include "level/terrain_settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>


namespace {

TerrainConfig Load(const std::string& text) { return ParseTerrainConfig(text); }

// The four numbers of one section.
struct Values {
    std::int32_t size;
    float horizontalScale, verticalScale, heightRange;
};
struct Expected {
    Values primary, secondary;
};

void ExpectSettings(const HeightmapSettings& actual, const Values& expected) {
    EXPECT_EQ(actual.size, expected.size);
    EXPECT_EQ(actual.horizontalScale, expected.horizontalScale);
    EXPECT_EQ(actual.verticalScale, expected.verticalScale);
    EXPECT_EQ(actual.heightRange, expected.heightRange);
}

TEST(TerrainConfigTest, ReadsTheSizeAndScaleOfBothSections) {
    const std::string level =
        "rem a level\nheightmap.setSize 1025\nheightmap.setScale 2/0.5\n"
        "heightmap.setSize 257\nheightmap.setScale 4/0.25\n";
    std::string crlf;
    for (char ch : level) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const Expected levelValues{{1025, 2.0f, 0.5f, 32768.0f}, {257, 4.0f, 0.25f, 64.0f}};
    const struct {
        const char* name;
        std::string file;
        Expected expected;
    } cases[] = {
        {"empty file", "", {{0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"LF line ends", level, levelValues},
        {"CRLF line ends", crlf, levelValues},
        {"no line end at the end", level.substr(0, level.size() - 1), levelValues},
        {"blanks before the key, or other case, make other lines",
         " heightmap.setSize 9\nHeightmap.setSize 9\nheightmap.setscale 1/1\n"
         "\theightmap.setScale 1/1\nheightmap.setSize 5\n",
         {{5, 0, 0, 0}, {0, 0, 0, 0}}},
        {"the last size line before the first scale line counts",
         "heightmap.setSize 3\nheightmap.setSize 5\nheightmap.setScale 1/1\n",
         {{5, 1.0f, 1.0f, 65536.0f}, {0, 0, 0, 0}}},
        {"one scale line only: the secondary section keeps zeros but its size",
         "heightmap.setScale 2/0.5\nheightmap.setSize 33\n",
         {{0, 2.0f, 0.5f, 32768.0f}, {33, 0, 0, 0}}},
        {"lines after the second scale line change nothing",
         level + "heightmap.setSize 99\nheightmap.setScale 9/9\n", levelValues},
        {"text after the numbers, blanks or none after the key",
         "heightmap.setSize\t1025 samples\nheightmap.setScale2/0.5f metres\n"
         "heightmap.setSize   257;\nheightmap.setScale -4/ 0.25xyz\n",
         {{1025, 2.0f, 0.5f, 32768.0f}, {257, -4.0f, 0.25f, 64.0f}}},
        {"a size line without a readable 32-bit number keeps the size",
         "heightmap.setSize 17\nheightmap.setSize x\nheightmap.setSize\n"
         "heightmap.setSize 99999999999\nheightmap.setScale 1/1\n",
         {{17, 1.0f, 1.0f, 65536.0f}, {0, 0, 0, 0}}},
        {"carriage returns anywhere in a line are dropped",
         "heightmap.set\rSize 1\r7\r\r\nheightmap.setScale 2/0.\r5\r",
         {{17, 2.0f, 0.5f, 32768.0f}, {0, 0, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TerrainConfig config = Load(c.file);
        ExpectSettings(config.primary, c.expected.primary);
        ExpectSettings(config.secondary, c.expected.secondary);
    }
}

TEST(TerrainConfigTest, AScaleLineStoresWhatItCouldReadAndStillEndsItsSection) {
    const struct {
        const char* line;
        float horizontal;
    } cases[] = {
        {"heightmap.setScale", 0.0f},
        {"heightmap.setScale x/0.5", 0.0f},
        {"heightmap.setScale 4294967298/0.5", 0.0f},  // not a 32-bit number
        {"heightmap.setScale 3", 3.0f},
        {"heightmap.setScale 3 /0.5", 3.0f},  // the slash must follow directly
        {"heightmap.setScale 3.5/0.5", 3.0f},
        {"heightmap.setScale 3/x", 3.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TerrainConfig config = Load(std::string(c.line) +
                                          "\nheightmap.setSize 9\nheightmap.setScale 1/2\n"
                                          "heightmap.setSize 11\n");
        ExpectSettings(config.primary, {0, c.horizontal, 0.0f, 0.0f});
        ExpectSettings(config.secondary, {9, 1.0f, 2.0f, 512.0f});
    }
}

// A desktop whose toolkit set a decimal-comma locale reads the same values,
// and a comma in a number ends it there, as it always did.
TEST(TerrainConfigTest, ReadsAlikeUnderEveryLocaleAndKeepsTheScaleLine) {
    const std::string text =
        "rem\nheightmap.setSize 65\nheightmap.setScale 4/0.001128\r\nheightmap.setScale 60/0,0126\n";
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        if (!std::setlocale(LC_ALL, locale)) continue;
        const TerrainConfig config = ParseTerrainConfig(text);
        std::setlocale(LC_ALL, "C");
        ExpectSettings(config.primary, {65, 4.0f, 0.001128f, 0.001128f * 65536.0f});
        ExpectSettings(config.secondary, {0, 60.0f, 0.0f, 0.0f});
        EXPECT_EQ(config.primary.scaleLineNumber, 3);
        EXPECT_EQ(config.primary.scaleLine, "heightmap.setScale 4/0.001128");
        EXPECT_EQ(config.secondary.scaleLineNumber, 4);
        EXPECT_EQ(config.secondary.scaleLine, "heightmap.setScale 60/0,0126");
    }
}

}  // namespace
