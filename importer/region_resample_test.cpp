#include "importer/region_resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "common/image/area_average.h"
#include "importer/nodata_fill.h"

namespace {

constexpr float kNoData = std::numeric_limits<float>::quiet_NaN();

std::unique_ptr<HeightSource> Source(std::size_t width, std::size_t height,
                                     const std::vector<float>& values) {
    HeightGrid grid;
    grid.width = width;
    grid.height = height;
    grid.values = values;
    return MakeGridSource(std::move(grid));
}

ResampledMap Resampled(const std::unique_ptr<HeightSource>& source, std::size_t side) {
    ResampledMap map;
    const Region whole{0, 0, source->info().width, source->info().height};
    EXPECT_TRUE(ResampleRegion(*source, whole, side, false, "in", map).ok());
    return map;
}

// A shrink keeps no single sample: columns alternating 0 and 100 average to
// 50 inside (a point sample would keep 0 everywhere), and any grid comes out
// as the shared vertex-grid average does.
TEST(RegionResampleTest, ShrinkingAveragesEveryInputSample) {
    std::vector<float> stripes(97 * 97), noise(97 * 97);
    for (std::size_t i = 0; i < stripes.size(); ++i) {
        stripes[i] = float(i % 97 % 2 * 100);
        noise[i] = float((i * 7919) % 1000) / 3.0f;
    }
    const ResampledMap striped = Resampled(Source(97, 97, stripes), 25);
    EXPECT_TRUE(striped.averaged);
    for (std::size_t row = 0; row < 25; ++row) {
        for (std::size_t column = 1; column + 1 < 25; ++column) {
            ASSERT_NEAR(striped.values[row * 25 + column], 50.0, 1e-9) << row << "," << column;
        }
    }
    const ResampledMap noisy = Resampled(Source(97, 97, noise), 25);
    const std::vector<float> reference = AverageVertexGrid(noise.data(), 97, 97, 1, 25, 25);
    for (std::size_t i = 0; i < reference.size(); ++i) {
        ASSERT_NEAR(noisy.values[i], reference[i], 1e-3) << i;
    }
}

// Samples without data are left out of an average and the cells with none
// take the nearest valid output sample; growing fills the input first.
TEST(RegionResampleTest, NoDataIsLeftOutAndFilledFromTheNearest) {
    std::vector<float> values(9 * 9);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = i % 9 < 3 ? kNoData : float(10 * (i % 9));
    }
    const ResampledMap shrunk = Resampled(Source(9, 9, values), 3);
    EXPECT_EQ(shrunk.filled, 3u);
    for (std::size_t row = 0; row < 3; ++row) {
        // Column 1 covers columns 2 to 6, the outer two by half: 2 holds no data.
        EXPECT_NEAR(shrunk.values[row * 3 + 1], (30 + 40 + 50 + 0.5 * 60) / 3.5, 1e-9);
        EXPECT_EQ(shrunk.values[row * 3 + 0], shrunk.values[row * 3 + 1]);
        EXPECT_EQ(shrunk.values[row * 3 + 2], 80.0);
    }

    const ResampledMap grown = Resampled(Source(3, 3, {1, 2, 3, 4, kNoData, 6, 7, 8, 9}), 5);
    EXPECT_FALSE(grown.averaged);
    EXPECT_EQ(grown.filled, 1u);
    EXPECT_EQ(grown.values[2 * 5 + 2], 4.0);  // its left neighbour, met first

    ResampledMap none;
    auto empty = Source(2, 2, {kNoData, kNoData, kNoData, kNoData});
    const Status refused = ResampleRegion(*empty, {0, 0, 2, 2}, 3, false, "in", none);
    EXPECT_EQ(refused.message(), "ERROR: in: every sample is no data");
}

TEST(RegionResampleTest, FillTakesTheNearestValidSample) {
    std::vector<double> row = {1, NAN, NAN, NAN, NAN, 9};
    EXPECT_EQ(FillFromNearest(row.data(), 6, 1), 4u);
    EXPECT_EQ(row, (std::vector<double>{1, 1, 1, 9, 9, 9}));
    std::vector<float> column = {NAN, NAN, 5, NAN};
    EXPECT_EQ(FillFromNearest(column.data(), 1, 4), 3u);
    EXPECT_EQ(column, (std::vector<float>{5, 5, 5, 5}));

    // Far beyond 16-bit distances: two rows of 30000, one value at the top
    // left and one at the bottom right. Along the bottom row the distance
    // from the top left (3 × x + 1) passes 65535 at x = 21845; it must not
    // wrap round and win over the near value on the right.
    const std::size_t width = 30000;
    std::vector<float> wide(2 * width, NAN);
    wide.front() = 1;
    wide.back() = 2;
    EXPECT_EQ(FillFromNearest(wide.data(), width, 2), 2 * width - 2);
    EXPECT_EQ(wide[width + 25000], 2.0f);
    EXPECT_EQ(wide[width + 5000], 1.0f);
}

}  // namespace
