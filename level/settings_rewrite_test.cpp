#include "level/settings_rewrite.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "level/terrain_settings.h"

namespace {

// Every line but the primary's size and scale lines stays byte for byte,
// whatever its line end; missing lines are inserted where the painter looks.
TEST(SettingsRewriteTest, ReplacesOnlyThePrimaryLines) {
    const struct {
        const char* name;
        std::string old;
        std::string expected;
        bool inserted;  // said in a note
    } cases[] = {
        {"a level's file, CR LF",
         "rem x\r\nheightmap.setSize 65\r\nheightmap.setScale 32/0.003\r\n\r\n"
         "heightmap.setSize 17\r\nheightmap.setScale 128/0.768\r\nterrain.setFog 1\r\n",
         "rem x\r\nheightmap.setSize 257\r\nheightmap.setScale 2/0.5\r\n\r\n"
         "heightmap.setSize 17\r\nheightmap.setScale 128/0.768\r\nterrain.setFog 1\r\n",
         false},
        {"mixed line ends and no line end at the end",
         "a\nheightmap.setSize 9\r\nb\r\nheightmap.setScale 1/1\nc\r\nheightmap.setSize 5",
         "a\nheightmap.setSize 257\r\nb\r\nheightmap.setScale 2/0.5\nc\r\nheightmap.setSize 5",
         false},
        {"every primary size line, and a stray carriage return in a key",
         "heightmap.setSize 3\nheight\rmap.setSize 4\nheightmap.setScale 1/1\n",
         "heightmap.setSize 257\nheightmap.setSize 257\nheightmap.setScale 2/0.5\n", false},
        {"lines that only look like keys stay",
         " heightmap.setSize 3\nHeightmap.setScale 1/1\nheightmap.setScale 1/1\n",
         " heightmap.setSize 3\nHeightmap.setScale 1/1\nheightmap.setSize 257\n"
         "heightmap.setScale 2/0.5\n",
         true},
        {"no size line: inserted before the scale line",
         "rem\r\nheightmap.setScale 4/1\r\nheightmap.setSize 17\r\n",
         "rem\r\nheightmap.setSize 257\r\nheightmap.setScale 2/0.5\r\nheightmap.setSize 17\r\n",
         true},
        {"no scale line: inserted after the last size line, the file's end kept",
         "heightmap.setSize 3\nrem\nheightmap.setSize 9",
         "heightmap.setSize 257\nrem\nheightmap.setSize 257\nheightmap.setScale 2/0.5", true},
        {"neither: appended", "rem only\n",
         "rem only\nheightmap.setSize 257\nheightmap.setScale 2/0.5\n", true},
        {"empty", "", "heightmap.setSize 257\r\nheightmap.setScale 2/0.5\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsEdit edit = RewritePrimarySettings(c.old, 257, 2, 0.5f);
        EXPECT_EQ(edit.text, c.expected);
        EXPECT_EQ(!edit.notes.empty(), c.inserted);
    }
}

// The painter reads back the very float that was written, and the
// surrounding terrain's section as it was.
TEST(SettingsRewriteTest, ThePainterReadsBackTheSameNumbers) {
    const std::string old =
        "heightmap.setSize 1025\r\nheightmap.setScale 2/0.003\r\n"
        "heightmap.setSize 257\r\nheightmap.setScale 8/0.768\r\n";
    const TerrainConfig before = ParseTerrainConfig(old);
    for (const float vertical :
         {0.003f, 1.0f / 65535.0f, 0.0026492756f, 1e-30f, 123456.789f, 0.99990845f}) {
        SCOPED_TRACE(vertical);
        const std::string text = RewritePrimarySettings(old, 4097, 31, vertical).text;
        const TerrainConfig after = ParseTerrainConfig(text);
        EXPECT_EQ(after.primary.size, 4097);
        EXPECT_EQ(after.primary.horizontalScale, 31.0f);
        EXPECT_EQ(after.primary.verticalScale, vertical);
        EXPECT_EQ(after.secondary.size, before.secondary.size);
        EXPECT_EQ(after.secondary.verticalScale, before.secondary.verticalScale);
        EXPECT_EQ(FormatVerticalScale(vertical).find_first_of("eE"), std::string::npos);
    }
    EXPECT_EQ(FormatVerticalScale(0.003f), "0.003");
    EXPECT_EQ(ParseTerrainConfig(NewSettingsText(129, 4, 0.25f)).primary.size, 129);
}

// The one writer of whole settings files: every line in its place, each
// ending in CR LF, and the surrounding section only when there is one.
TEST(SettingsRewriteTest, WritesAWholeFileInOrder) {
    SettingsFileContent content;
    content.header = {"rem a"};
    content.primary = {{"heightmap.setCluster 0"}, 5, 2, 0.5f};
    content.trailer = {"", "terrain.setDetailRepeat 8"};
    EXPECT_EQ(SettingsFileText(content),
              "rem a\r\nheightmap.setCluster 0\r\nheightmap.setSize 5\r\n"
              "heightmap.setScale 2/0.5\r\n\r\nterrain.setDetailRepeat 8\r\n");
    content.surrounding = SettingsFileSection{{}, 3, 7, 0.25f};
    const TerrainConfig config = ParseTerrainConfig(SettingsFileText(content));
    EXPECT_EQ(config.primary.size, 5);
    EXPECT_EQ(config.secondary.size, 3);
    EXPECT_EQ(config.secondary.horizontalScale, 7.0f);
    EXPECT_EQ(NewSettingsText(9, 1, 0.5f),
              "rem Terrain settings written by marvane_import: the primary heightmap only\r\n"
              "heightmap.setSize 9\r\nheightmap.setScale 1/0.5\r\n");
}

// The surrounding maps' lines change the same way, inserted where the
// painter looks for them when missing; the primary lines stay.
TEST(SettingsRewriteTest, ReplacesTheSurroundingLines) {
    const struct {
        const char* name;
        std::string old;
        std::string expected;
    } cases[] = {
        {"both sections",
         "heightmap.setSize 65\r\nheightmap.setScale 32/0.003\r\nrem\r\n"
         "heightmap.setSize 17\r\nheightmap.setScale 128/0.768\r\nheightmap.setSize 9\r\n",
         "heightmap.setSize 65\r\nheightmap.setScale 32/0.003\r\nrem\r\n"
         "heightmap.setSize 257\r\nheightmap.setScale 2/0.5\r\nheightmap.setSize 9\r\n"},
        {"no surrounding section: after the first scale line",
         "heightmap.setSize 65\nheightmap.setScale 32/0.003\nrem\n",
         "heightmap.setSize 65\nheightmap.setScale 32/0.003\nheightmap.setSize 257\n"
         "heightmap.setScale 2/0.5\nrem\n"},
        {"a size line without its scale line, at the end without a line end",
         "heightmap.setScale 1/1\r\nheightmap.setSize 17",
         "heightmap.setScale 1/1\r\nheightmap.setSize 257\r\nheightmap.setScale 2/0.5"},
        {"a scale line without its size line", "heightmap.setScale 1/1\nheightmap.setScale 4/4\n",
         "heightmap.setScale 1/1\nheightmap.setSize 257\nheightmap.setScale 2/0.5\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsEdit edit = RewriteSurroundingSettings(c.old, 257, 2, 0.5f);
        EXPECT_EQ(edit.text, c.expected);
        const TerrainConfig config = ParseTerrainConfig(edit.text);
        EXPECT_EQ(config.secondary.size, 257);
        EXPECT_EQ(config.secondary.verticalScale, 0.5f);
    }
}

}  // namespace
