#include "importer/resample.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ResampleTest, ChoosesTheSideAndTheRegion) {
    const struct {
        const char* name;
        std::size_t width, height;
        std::optional<std::size_t> size;
        Fit fit;
        bool ok;
        ResamplePlan expected;  // side, left, top, region width and height, capped
    } cases[] = {
        {"a 2^k + 1 square keeps its side",
         257,
         257,
         {},
         Fit::Refuse,
         true,
         {257, 0, 0, 257, 257, false}},
        {"a 1024 square grows to 1025",
         1024,
         1024,
         {},
         Fit::Refuse,
         true,
         {1025, 0, 0, 1024, 1024, false}},
        {"the smallest input", 2, 2, {}, Fit::Refuse, true, {3, 0, 0, 2, 2, false}},
        {"--size wins", 257, 257, 65, Fit::Refuse, true, {65, 0, 0, 257, 257, false}},
        {"a longer side than 4097 stops there",
         5000,
         5000,
         {},
         Fit::Refuse,
         true,
         {4097, 0, 0, 5000, 5000, true}},
        {"--size may pass 4097",
         5000,
         5000,
         8192,
         Fit::Refuse,
         true,
         {8192, 0, 0, 5000, 5000, false}},
        {"stretch: the longer side decides",
         1000,
         600,
         {},
         Fit::Stretch,
         true,
         {1025, 0, 0, 1000, 600, false}},
        {"crop: the centred square",
         1001,
         600,
         {},
         Fit::Crop,
         true,
         {1025, 200, 0, 600, 600, false}},
        {"crop, tall", 300, 513, {}, Fit::Crop, true, {513, 0, 106, 300, 300, false}},
        {"not square, neither asked", 1000, 600, {}, Fit::Refuse, false, {}},
        {"a side of one sample", 1, 5, {}, Fit::Stretch, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResamplePlan plan;
        const Status status = PlanResample(c.width, c.height, c.size, c.fit, "in.png", plan);
        ASSERT_EQ(status.ok(), c.ok) << status.message();
        if (!c.ok) {
            EXPECT_EQ(status.message().rfind("ERROR: in.png: ", 0), 0u) << status.message();
            continue;
        }
        EXPECT_EQ(plan.side, c.expected.side);
        EXPECT_EQ(plan.left, c.expected.left);
        EXPECT_EQ(plan.top, c.expected.top);
        EXPECT_EQ(plan.regionWidth, c.expected.regionWidth);
        EXPECT_EQ(plan.regionHeight, c.expected.regionHeight);
        EXPECT_EQ(plan.capped, c.expected.capped);
    }
}

HeightGrid Plane(std::size_t width, std::size_t height) {
    HeightGrid grid;
    grid.width = width;
    grid.height = height;
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) grid.values.push_back(float(7 * x + 1000 * y + 3));
    }
    return grid;
}

// Bilinear resampling reproduces a plane; corners land on corners exactly,
// whether the region is stretched, cropped, grown or shrunk.
TEST(ResampleTest, CornersLandOnCornersAndPlanesStayPlanes) {
    const struct {
        const char* name;
        std::size_t width, height, side;
        Fit fit;
    } cases[] = {
        {"grown, stretched", 4, 3, 5, Fit::Stretch},
        {"shrunk", 9, 9, 3, Fit::Refuse},
        {"cropped", 10, 6, 9, Fit::Crop},
        {"the same side", 5, 5, 5, Fit::Refuse},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HeightGrid grid = Plane(c.width, c.height);
        ResamplePlan plan;
        ASSERT_TRUE(PlanResample(c.width, c.height, c.side, c.fit, "in", plan).ok());
        const Resampler resampler(grid, plan);
        const std::size_t last = c.side - 1;
        const std::size_t right = plan.left + plan.regionWidth - 1;
        const std::size_t bottom = plan.top + plan.regionHeight - 1;
        EXPECT_EQ(resampler.At(0, 0), grid.at(plan.top, plan.left));
        EXPECT_EQ(resampler.At(0, last), grid.at(plan.top, right));
        EXPECT_EQ(resampler.At(last, 0), grid.at(bottom, plan.left));
        EXPECT_EQ(resampler.At(last, last), grid.at(bottom, right));
        for (std::size_t row = 0; row < c.side; ++row) {
            for (std::size_t column = 0; column < c.side; ++column) {
                const double x = plan.left + double(column) * (plan.regionWidth - 1) / last;
                const double y = plan.top + double(row) * (plan.regionHeight - 1) / last;
                EXPECT_NEAR(resampler.At(row, column), 7 * x + 1000 * y + 3, 1e-9);
            }
        }
    }
}

}  // namespace
