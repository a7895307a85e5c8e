#include "importer/import_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "level/terrain_settings.h"

namespace {

// Samples 9.7 m apart: the primary's spacing rounds to 10 m, and the
// surrounding maps must still span its 640 m, not 16 x 39; a level without
// settings gets both sections.
TEST(ImportSettingsTest, TheSurroundingMapsSpanThePrimary) {
    HeightInfo grid;
    grid.width = grid.height = 193;
    ImportOptions options;
    options.input = "around.tif";
    options.surround = true;
    options.surroundSize = 17;
    options.spacing = 9.7;
    ImportPlan plan;
    ImportNotes notes;
    ASSERT_TRUE(PlanImport(options, grid, {}, "s", plan, notes).ok());
    ImportHeights heights;
    heights.primary.verticalScale = 0.01f;
    heights.surroundingVertical = 2.56f;
    ImportSettings settings;
    ASSERT_TRUE(
        MakeSettings(plan, heights, options, {}, "around97/Heightdata.con", settings, notes).ok());
    EXPECT_EQ(settings.spacing, 10);
    EXPECT_EQ(settings.surroundingSpacing, 40);
    const TerrainConfig config = ParseTerrainConfig(settings.text);
    EXPECT_EQ(config.primary.scaleLine, "heightmap.setScale 10/0.01");
    EXPECT_EQ(config.secondary.scaleLine, "heightmap.setScale 40/2.56");
    EXPECT_EQ(notes.notes.back(),
              "around97/Heightdata.con was missing: written with both sections");
}

// Spacings the settings cannot hold as they are: noted when rounded,
// refused beyond 32 bits.
TEST(ImportSettingsTest, SpacingsTheSettingsCannotHold) {
    const struct {
        const char* name;
        double spacing;
        const char* outcome;  // the message, or a note
    } cases[] = {
        {"rounded", 2.0,
         "spacing of 1.99805 m between output samples written as 2 (the settings hold whole "
         "metres, at least 1)"},
        {"beyond 32 bits", 3e9,
         "ERROR: r.raw: 2.99707e+09 m between output samples is more than the settings hold"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HeightInfo grid;
        grid.width = grid.height = 1024;
        ImportOptions options;
        options.input = "r.raw";
        options.spacing = c.spacing;
        ImportPlan plan;
        ImportNotes notes;
        ASSERT_TRUE(PlanImport(options, grid, {}, "s", plan, notes).ok());
        ImportSettings settings;
        const Status status =
            MakeSettings(plan, ImportHeights(), options, std::string("heightmap.setSize 65\n"), "s",
                         settings, notes);
        if (status.ok()) {
            EXPECT_NE(std::find(notes.notes.begin(), notes.notes.end(), c.outcome),
                      notes.notes.end());
        } else {
            EXPECT_EQ(status.message(), c.outcome);
        }
    }
}

}  // namespace
