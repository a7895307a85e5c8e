#include "importer/import_plan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

HeightInfo Info(std::size_t width, std::size_t height, std::optional<double> spacing = {}) {
    HeightInfo info;
    info.width = width;
    info.height = height;
    info.spacingX = info.spacingY = spacing;
    return info;
}

TEST(ImportPlanTest, RefusesWhatTheLevelCannotTake) {
    const struct {
        const char* name;
        HeightInfo grid;
        std::optional<double> surroundCell;  // with --surround when given, or when settings are
        std::optional<std::string> settings;
        const char* input;
        const char* message;
    } cases[] = {
        {"not square",
         Info(8, 4),
         {},
         {},
         "wide.raw",
         "ERROR: wide.raw: 8 x 4 samples is not square; give --crop for its centred square or "
         "--stretch to fit each side"},
        {"surround cells too wide",
         Info(129, 129, 10.0),
         500.0,
         {},
         "dem.tif",
         "ERROR: dem.tif: 129 x 129 samples (1280 m by 1280 m of ground) cannot hold 3 x 3 cells "
         "of 500 m: that needs 1500 m by 1500 m (151 x 151 samples); give a smaller "
         "--surround-cell"},
        {"the level's surrounding maps too large",
         Info(193, 193),
         {},
         "heightmap.setSize 65\r\nheightmap.setScale 4/0.01\r\nheightmap.setSize 2049\r\n"
         "heightmap.setScale 16/2.56\r\n",
         "in.png",
         "ERROR: lvl/Heightdata.con: the surrounding maps' size 2049 is not from 3 to 1025; give "
         "--surround-size M"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImportOptions options;
        options.input = c.input;
        options.surround = c.surroundCell.has_value() || c.settings.has_value();
        options.surroundCell = c.surroundCell;
        ImportPlan plan;
        ImportNotes notes;
        const Status status =
            PlanImport(options, c.grid, c.settings, "lvl/Heightdata.con", plan, notes);
        EXPECT_EQ(status.message(), c.message);
    }
}

// The surrounding maps take the level's own side; the primary comes from
// the centre cell and is always the last map.
TEST(ImportPlanTest, LaysOutTheSurroundingMaps) {
    ImportOptions options;
    options.surround = true;
    ImportPlan plan;
    ImportNotes notes;
    const std::string settings =
        "heightmap.setSize 65\nheightmap.setScale 4/0.01\n"
        "heightmap.setSize 17\nheightmap.setScale 16/2.56\n";
    ASSERT_TRUE(PlanImport(options, Info(193, 193), settings, "s", plan, notes).ok());
    EXPECT_EQ(plan.surroundingSide, 17u);
    EXPECT_EQ(plan.primary.side, 65u);
    ASSERT_EQ(plan.maps.size(), 9u);
    const MapPlan& primary = plan.maps.back();
    EXPECT_EQ(primary.side, 65u);
    EXPECT_EQ(primary.region.left, 64u);
    EXPECT_EQ(primary.region.top, 64u);
    EXPECT_EQ(primary.region.width, 65u);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(plan.maps[i].side, 17u) << i;
    EXPECT_EQ(notes.notes, std::vector<std::string>{
                               "input samples taken to lie 1 m apart (give --spacing METRES)"});
}

}  // namespace
