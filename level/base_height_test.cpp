#include "level/base_height.h"

#include <gtest/gtest.h>

#include "level/terrain_settings.h"

namespace {

using level::SettingsSection;

TEST(BaseHeight, IsWrittenWhereItBelongsAndReadBack) {
    const struct {
        const char* before;
        SettingsSection section;
        double metres;
        const char* after;
    } cases[] = {
        // Before the section's scale line, ending like the file's lines.
        {"heightmap.setSize 65\r\nheightmap.setScale 32/0.003\r\n", SettingsSection::Primary, 251.5,
         "heightmap.setSize 65\r\nrem marvane.baseHeight primary 251.5\r\n"
         "heightmap.setScale 32/0.003\r\n"},
        {"heightmap.setScale 32/0.003\nheightmap.setSize 17\nheightmap.setScale 32/0.768\n",
         SettingsSection::Secondary, -12.25,
         "heightmap.setScale 32/0.003\nheightmap.setSize 17\n"
         "rem marvane.baseHeight surrounding -12.25\nheightmap.setScale 32/0.768\n"},
        // A record already there is replaced in place, its line end kept.
        {"rem marvane.baseHeight primary 3\nheightmap.setScale 1/1", SettingsSection::Primary, 0.1,
         "rem marvane.baseHeight primary 0.1\nheightmap.setScale 1/1"},
        // No scale line: at the end, after a line end of its own.
        {"rem nothing", SettingsSection::Secondary, 1e6,
         "rem nothing\r\nrem marvane.baseHeight surrounding 1000000\r\n"},
    };
    for (const auto& c : cases) {
        const std::string after = level::SetBaseHeight(c.before, c.section, c.metres);
        EXPECT_EQ(after, c.after) << c.before;
        const level::BaseHeights read = level::ReadBaseHeights(after);
        const std::optional<double>& value =
            c.section == SettingsSection::Primary ? read.primary : read.surrounding;
        EXPECT_EQ(value, c.metres) << c.before;
    }
}

TEST(BaseHeight, LeavesThePaintersReadingAlone) {
    const std::string before = "heightmap.setSize 65\nheightmap.setScale 32/0.003\n";
    const std::string after = level::SetBaseHeight(before, SettingsSection::Primary, 100.0);
    const TerrainConfig a = ParseTerrainConfig(before);
    const TerrainConfig b = ParseTerrainConfig(after);
    EXPECT_EQ(a.primary.size, b.primary.size);
    EXPECT_EQ(a.primary.verticalScale, b.primary.verticalScale);
    EXPECT_EQ(a.primary.horizontalScale, b.primary.horizontalScale);
}

TEST(BaseHeight, IgnoresWhatIsNotARecord) {
    for (const char* text : {"rem marvane.baseHeight primary", "rem marvane.baseHeight primary 1,5",
                             "rem marvane.baseHeight top 12", "rem marvane.baseHeight primary nan",
                             "rem marvane.baseHeightprimary 12"}) {
        const level::BaseHeights read = level::ReadBaseHeights(text);
        EXPECT_FALSE(read.primary) << text;
        EXPECT_FALSE(read.surrounding) << text;
    }
}

}  // namespace
