#include "materials/fourier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

using materials::Fourier;

std::vector<double> Noise(size_t count, std::uint32_t seed) {
    std::vector<double> values(count);
    for (double& v : values) {
        seed = seed * 1664525u + 1013904223u;
        v = static_cast<double>(seed >> 8) / 16777216.0 - 0.5;
    }
    return values;
}

// The table is made without the C library's sin and cos; here it is held
// against them.
TEST(Fourier, TwiddleFactorsAreTheCosinesAndSinesToTheLastBits) {
    for (size_t n : {4u, 8u, 512u, 4096u}) {
        SCOPED_TRACE(n);
        const Fourier fourier(n);
        for (size_t k = 0; k < n; ++k) {
            const double angle =
                2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n);
            ASSERT_NEAR(fourier.Cos(k), std::cos(angle), 1e-15) << k;
            ASSERT_NEAR(fourier.Sin(k), std::sin(angle), 1e-15) << k;
        }
        EXPECT_EQ(fourier.Cos(0), 1.0);
        EXPECT_EQ(fourier.Cos(n / 4), 0.0);
        EXPECT_EQ(fourier.Sin(n / 4), 1.0);
        EXPECT_EQ(fourier.Cos(n / 2), -1.0);
    }
}

TEST(Fourier, MatchesTheDefiningSumAndComesBack) {
    for (size_t n : {4u, 16u, 512u}) {
        SCOPED_TRACE(n);
        const Fourier fourier(n);
        const std::vector<double> re0 = Noise(n, 1), im0 = Noise(n, 2);
        std::vector<double> re = re0, im = im0;
        fourier.Forward(re.data(), im.data());
        for (size_t k = 0; k < n; k += (n > 16 ? 37 : 1)) {
            long double sumRe = 0, sumIm = 0;
            for (size_t j = 0; j < n; ++j) {
                const long double angle = -2.0L * std::numbers::pi_v<long double> *
                                          static_cast<long double>(j * k % n) / n;
                sumRe += re0[j] * std::cos(angle) - im0[j] * std::sin(angle);
                sumIm += re0[j] * std::sin(angle) + im0[j] * std::cos(angle);
            }
            EXPECT_NEAR(re[k], static_cast<double>(sumRe), 1e-12) << k;
            EXPECT_NEAR(im[k], static_cast<double>(sumIm), 1e-12) << k;
        }
        fourier.Inverse(re.data(), im.data());
        for (size_t j = 0; j < n; ++j) {
            ASSERT_NEAR(re[j], re0[j], 1e-14);
            ASSERT_NEAR(im[j], im0[j], 1e-14);
        }
    }
}

}  // namespace
