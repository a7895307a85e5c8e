#include "common/image/area_average.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

// Shrinking keeps what every sample adds: a plane stays the same plane
// (corners on the corners), and the mean of a picture stays its mean.
TEST(AreaAverage, KeepsPlanesAndMeans) {
    const std::size_t n = 9, m = 3;
    std::vector<float> plane(n * n);
    for (std::size_t y = 0; y < n; ++y) {
        for (std::size_t x = 0; x < n; ++x) plane[y * n + x] = 2.0f * x + 10.0f * y;
    }
    const std::vector<float> small = AverageVertexGrid(plane.data(), n, n, 1, m, m);
    ASSERT_EQ(small.size(), m * m);
    for (std::size_t y = 0; y < m; ++y) {
        for (std::size_t x = 0; x < m; ++x) {
            EXPECT_FLOAT_EQ(small[y * m + x], 2.0f * 4 * x + 10.0f * 4 * y) << x << "," << y;
        }
    }

    // A spike counts for its share, where a point sample could drop it.
    std::vector<float> flat(n * n, 0.0f);
    flat[3 * n + 3] = 81.0f;
    const std::vector<float> kept = AverageVertexGrid(flat.data(), n, n, 1, m, m);
    EXPECT_FLOAT_EQ(kept[1 * m + 1], 81.0f / 16.0f);

    std::vector<std::uint8_t> pixels(8 * 4 * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7);
    const std::vector<std::uint8_t> half = AveragePixels(pixels.data(), 8, 4, 3, 4, 2);
    ASSERT_EQ(half.size(), 4u * 2 * 3);
    for (std::size_t c = 0; c < 3; ++c) {
        double in = 0, out = 0;
        for (std::size_t i = c; i < pixels.size(); i += 3) in += pixels[i];
        for (std::size_t i = c; i < half.size(); i += 3) out += half[i];
        EXPECT_NEAR(in / 32, out / 8, 0.5) << c;
    }
    // A side that does not shrink is copied.
    EXPECT_EQ(AveragePixels(pixels.data(), 8, 4, 3, 8, 4), pixels);
}

}  // namespace
