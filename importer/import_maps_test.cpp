#include "importer/import_maps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// One cell (L1D1, the south-west) wholly without data, as over the sea: it
// takes its neighbours' ground instead of the import being refused.
TEST(ImportMapsTest, ACellWithoutDataContinuesItsNeighbours) {
    const std::size_t side = 193;
    HeightGrid grid;
    grid.width = grid.height = side;
    for (std::size_t y = 0; y < side; ++y) {
        for (std::size_t x = 0; x < side; ++x) {
            const double h = 600 + 250 * std::sin(x / 40.0) * std::cos(y / 50.0) + 0.75 * y;
            grid.values.push_back(x <= 64 && y >= 128 ? std::numeric_limits<float>::quiet_NaN()
                                                      : static_cast<float>(h));
        }
    }
    const std::unique_ptr<HeightSource> source = MakeGridSource(std::move(grid));
    ImportOptions options;
    options.input = "holed.tif";
    options.surround = true;
    ImportPlan plan;
    ImportNotes notes;
    ASSERT_TRUE(PlanImport(options, source->info(), {}, "s", plan, notes).ok());
    std::vector<ResampledMap> maps;
    ASSERT_TRUE(ResampleMaps(*source, plan, options, maps).ok());
    EXPECT_TRUE(maps[0].empty);
    HeightRange range;
    const Status status = FillMaps(maps, true, options.input, range, notes);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_FALSE(std::isnan(maps[0].values[0]));
    EXPECT_NE(std::find(notes.notes.begin(), notes.notes.end(),
                        "the surrounding cell L1D1 holds no data: it continues the ground at its "
                        "neighbours' edges"),
              notes.notes.end());
}

}  // namespace
