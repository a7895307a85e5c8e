#include "importer/import_report.h"

#include <gtest/gtest.h>

namespace {

// The output line says what was made of the input to reach the side.
TEST(ImportReportTest, TheOutputLineSaysHowTheInputWasResampled) {
    const struct {
        std::size_t width, height;
        void (*change)(ImportOptions&);
        const char* line;
    } cases[] = {
        {257, 257, nullptr, "Output: 257 x 257 samples (no resampling)"},
        {1024, 1024, nullptr, "Output: 1025 x 1025 samples (resampled)"},
        {1024, 1024, [](ImportOptions& o) { o.keepValues = true; },
         "Output: 1025 x 1025 samples (resampled, values rounded to whole samples)"},
        {8, 4, [](ImportOptions& o) { o.fit = Fit::Stretch; },
         "Output: 9 x 9 samples, each side stretched from 8 x 4 (resampled)"},
        {8, 4, [](ImportOptions& o) { o.fit = Fit::Crop; },
         "Output: 5 x 5 samples from the centred 4 x 4 square (resampled)"},
        {5000, 5000, nullptr,
         "Output: 4097 x 4097 samples (down-sampled from 5000: without --size the side stops at "
         "4097; --size takes up to 8192)"},
        {193, 193, [](ImportOptions& o) { o.surround = true; },
         "Output: 65 x 65 samples from the centre cell, and 8 surrounding maps of 257 x 257 from "
         "the cells around it; cells of 65 x 65 input samples (64 m by 64 m)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        HeightInfo grid;
        grid.width = c.width;
        grid.height = c.height;
        ImportOptions options;
        if (c.change) c.change(options);
        ImportPlan plan;
        ImportNotes notes;
        ASSERT_TRUE(PlanImport(options, grid, {}, "s", plan, notes).ok());
        std::vector<std::string> report;
        ReportImport(options, grid, plan, ImportHeights(), ImportSettings(), LevelFiles("lvl"),
                     notes, report);
        ASSERT_GE(report.size(), 2u);
        EXPECT_EQ(report[1], c.line);
    }
}

// What was written names the scale line as the settings hold it, and the
// notes and warnings follow the report's own lines in the order made.
TEST(ImportReportTest, NamesTheWrittenLinesThenTheNotes) {
    HeightInfo grid;
    grid.width = grid.height = 257;
    grid.format = "16-bit greyscale PNG";
    ImportOptions options;
    options.input = "h16.png";
    options.keepValues = true;
    ImportPlan plan;
    ImportNotes notes;
    ASSERT_TRUE(PlanImport(options, grid, {}, "s", plan, notes).ok());
    ImportHeights heights;
    heights.primary.verticalScale = 0.01f;
    heights.primary.highest = 655.35;
    ImportSettings settings;
    settings.spacing = 4;
    notes.warnings.push_back("steep");
    std::vector<std::string> report;
    ReportImport(options, grid, plan, heights, settings, LevelFiles("png"), notes, report);
    const std::vector<std::string> expected = {
        "Input: h16.png, 16-bit greyscale PNG, 257 x 257 samples",
        "Output: 257 x 257 samples (no resampling)",
        "Heights: 0 m to 655.35 m, one step 0.01 m",
        "Written: png/HeightmapPrimary.raw, and in png/Heightdata.con: heightmap.setSize 257, "
        "heightmap.setScale 4/0.01",
        "Base: sample 0 is 0 m, recorded in png/Heightdata.con for the material rules",
        "Note: input samples taken to lie 1 m apart (give --spacing METRES)",
        "Warning: steep",
    };
    EXPECT_EQ(report, expected);
}

}  // namespace
