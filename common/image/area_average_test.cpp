#include "common/image/area_average.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "tests/support/thread_count.h"

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

// Big enough to be shared among the cores: whole-factor shrinks are the exact
// rounded box means, and no shrink depends on how many cores made it.
TEST(AreaAverage, ExactBoxesAndTheSameOnAnyCoreCount) {
    const std::size_t w = 1024, h = 512, channels = 3;
    std::vector<std::uint8_t> pixels(w * h * channels);
    std::uint32_t state = 12345;
    for (std::uint8_t& p : pixels) p = static_cast<std::uint8_t>((state = state * 1664525u + 1013904223u) >> 24);

    const std::vector<std::uint8_t> box = AveragePixels(pixels.data(), w, h, channels, 256, 64);
    for (std::size_t y = 0; y < 64; y += 9) {
        for (std::size_t x = 0; x < 256; x += 7) {
            for (std::size_t c = 0; c < channels; ++c) {
                unsigned sum = 0;
                for (std::size_t v = 0; v < 8; ++v) {
                    for (std::size_t u = 0; u < 4; ++u) sum += pixels[((y * 8 + v) * w + x * 4 + u) * channels + c];
                }
                ASSERT_EQ(box[(y * 256 + x) * channels + c], (sum + 16) / 32) << x << "," << y;
            }
        }
    }
    for (const auto& [outWidth, outHeight] : {std::pair<std::size_t, std::size_t>{256, 64}, {300, 100}}) {
        std::vector<std::uint8_t> one, three;
        {
            testing_support::ScopedThreadCount threads("1");
            one = AveragePixels(pixels.data(), w, h, channels, outWidth, outHeight);
        }
        {
            testing_support::ScopedThreadCount threads("3");
            three = AveragePixels(pixels.data(), w, h, channels, outWidth, outHeight);
        }
        EXPECT_EQ(one, three) << outWidth;
    }
}

}  // namespace
