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

}  // namespace
