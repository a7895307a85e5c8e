#include "importer/import_heights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <regex>

#include "importer/import_settings.h"
#include "level/terrain_settings.h"

namespace {

// Plans, resamples, fills and quantises a grid as an import of `options`
// would, without files.
void Quantise(HeightGrid grid, const ImportOptions& options, ImportPlan& plan,
              ImportHeights& heights, ImportNotes& notes) {
    const std::unique_ptr<HeightSource> source = MakeGridSource(std::move(grid));
    ASSERT_TRUE(PlanImport(options, source->info(), {}, "s", plan, notes).ok());
    std::vector<ResampledMap> maps;
    ASSERT_TRUE(ResampleMaps(*source, plan, options, maps).ok());
    HeightRange range;
    ASSERT_TRUE(FillMaps(maps, options.surround, options.input, range, notes).ok());
    const Status status = QuantizeMaps(maps, plan, options, range, heights, notes);
    ASSERT_TRUE(status.ok()) << status.message();
}

HeightGrid Grid(std::size_t side, double (*height)(std::size_t x, std::size_t y)) {
    HeightGrid grid;
    grid.width = grid.height = side;
    for (std::size_t y = 0; y < side; ++y) {
        for (std::size_t x = 0; x < side; ++x)
            grid.values.push_back(static_cast<float>(height(x, y)));
    }
    return grid;
}

std::uint16_t Sample(const std::vector<std::uint8_t>& bytes, std::size_t index) {
    return static_cast<std::uint16_t>(bytes[2 * index] | bytes[2 * index + 1] << 8);
}

// A 1024 × 1024 raw file with --keep-values becomes 1025 × 1025, its
// corners on the corners, and its settings say so.
TEST(ImportHeightsTest, AGrownInputKeepsItsCornersAndValues) {
    const HeightGrid grid = Grid(1024, [](std::size_t x, std::size_t y) {
        return std::trunc(20000 + 10000 * std::sin(x / 100.0) * std::cos(y / 130.0));
    });
    ImportOptions options;
    options.input = "r.raw";
    options.keepValues = true;
    options.spacing = 2;
    options.verticalScale = 0.003;
    ImportPlan plan;
    ImportHeights heights;
    ImportNotes notes;
    Quantise(grid, options, plan, heights, notes);
    const std::vector<std::uint8_t>& out = heights.primary.bytes;
    ASSERT_EQ(out.size(), std::size_t{1025} * 1025 * 2);
    const auto in = [&](std::size_t i) { return static_cast<std::uint16_t>(grid.values[i]); };
    EXPECT_EQ(Sample(out, 0), in(0));
    EXPECT_EQ(Sample(out, 1024), in(1023));
    EXPECT_EQ(Sample(out, 1024 * 1025), in(1023 * 1024));
    EXPECT_EQ(Sample(out, 1025 * 1025 - 1), in(1024 * 1024 - 1));

    ImportSettings settings;
    const std::string old =
        "heightmap.setSize 65\r\nheightmap.setScale 32/0.003\r\n"
        "heightmap.setSize 17\r\nheightmap.setScale 128/0.768\r\n";
    ASSERT_TRUE(
        MakeSettings(plan, heights, options, old, "raw/Heightdata.con", settings, notes).ok());
    const TerrainConfig config = ParseTerrainConfig(settings.text);
    EXPECT_EQ(config.primary.sizeLine, "heightmap.setSize 1025");
    EXPECT_EQ(config.primary.scaleLine, "heightmap.setScale 2/0.003");
}

// A 16-bit PNG read with the default 1 m spacing and unit gives cliffs
// everywhere, and a warning that names the options to give.
TEST(ImportHeightsTest, WarnsOfGroundTooSteepToBeMeant) {
    ImportOptions options;
    options.input = "h16.png";
    options.size = 257;
    ImportPlan plan;
    ImportHeights heights;
    ImportNotes notes;
    Quantise(Grid(257,
                  [](std::size_t x, std::size_t y) {
                      return std::trunc(30000 + 20000 * std::sin(x / 31.0) * std::cos(y / 47.0)) +
                             static_cast<double>((x * y) % 7);
                  }),
             options, plan, heights, notes);
    ASSERT_EQ(notes.warnings.size(), 1u);
    EXPECT_TRUE(std::regex_search(
        notes.warnings[0],
        std::regex("^half the ground is steeper than .* check --spacing \\(1 m between input "
                   "samples\\) and --vertical-scale \\(1 m per unit of the input\\)$")))
        << notes.warnings[0];
}

}  // namespace
