#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "painter/terrain/height_field.h"
#include "level/slope_kernel.h"
#include "tests/support/thread_count.h"

namespace {

using slope_kernel::TriangleArc;

// 45 degrees as the kernel gives it (2/pi in single precision is a little
// small), and arctan(sqrt 2) * 2/pi = 0.608173448 rounded to single precision.
constexpr float kSlope45 = 0.49999997f;
constexpr float kSlopeDiagonal = 0.60817343f;

HeightField Field(int size, float spacing, const std::function<float(int r, int c)>& height) {
    HeightField field;
    field.size = size;
    field.horizontalScale = spacing;
    for (int r = 0; r < size; ++r) {
        for (int c = 0; c < size; ++c) field.heights.push_back(height(r, c));
    }
    return field;
}

std::vector<float> Slopes(HeightField field) {
    field.BuildNormalMap();
    return field.normalMap;
}

// Rough, asymmetric ground: cliffs, flats and noise, the same on every run.
float Rough(int r, int c) {
    std::uint32_t x = static_cast<std::uint32_t>(r * 7919 + c * 104729 + 17);
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    const float noise = static_cast<float>(x % 1000);
    return (c > 20 ? 400.0f : 0.0f) + (r < 5 ? 0.0f : noise * 0.25f) +
           static_cast<float>(r * c % 7);
}

TEST(SlopeKernelTest, AVertexUsesTheTrianglesWhoseNeighboursAreInTheGrid) {
    struct Case {
        const char* where;
        int row, column, size;
        TriangleArc arc;
    };
    const Case cases[] = {
        {"interior", 1, 1, 3, {0, 8}},    {"interior", 5, 2, 9, {0, 8}},
        {"top edge", 0, 1, 3, {2, 4}},    {"bottom edge", 8, 4, 9, {6, 4}},
        {"left edge", 3, 0, 9, {4, 4}},   {"right edge", 3, 8, 9, {0, 4}},
        {"top left", 0, 0, 9, {4, 2}},    {"top right", 0, 8, 9, {2, 2}},
        {"bottom left", 8, 0, 9, {6, 2}}, {"bottom right", 8, 8, 9, {0, 2}},
        {"2 x 2 grid", 1, 0, 2, {6, 2}},  {"1 x 1 grid", 0, 0, 1, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const TriangleArc arc = slope_kernel::TrianglesInside(c.row, c.column, c.size);
        EXPECT_EQ(arc.first, c.arc.first);
        EXPECT_EQ(arc.count, c.arc.count);
    }
}

TEST(NormalMapTest, LevelGroundIsExactlyZeroEverywhere) {
    for (int size : {2, 3, 9}) {
        for (float level : {0.0f, 17.25f, -3.0f}) {
            for (float slope : Slopes(Field(size, 2.0f, [&](int, int) { return level; }))) {
                EXPECT_EQ(slope, 0.0f) << size << " at " << level;
            }
        }
    }
}

TEST(NormalMapTest, APlaneHasOneSlopeAtEveryVertexCornersIncluded) {
    const float s = 3.0f;
    struct Case {
        const char* plane;
        std::function<float(int, int)> height;
        float slope;
    };
    const Case cases[] = {
        {"rising along the rows", [&](int r, int) { return r * s; }, kSlope45},
        {"falling along the rows", [&](int r, int) { return (10 - r) * s; }, kSlope45},
        {"rising along the columns", [&](int, int c) { return c * s; }, kSlope45},
        {"falling along the columns", [&](int, int c) { return -c * s; }, kSlope45},
        {"rising both ways", [&](int r, int c) { return (r + c) * s; }, kSlopeDiagonal},
        {"rising one way, falling the other", [&](int r, int c) { return (r - c) * s; },
         kSlopeDiagonal},
    };
    for (const Case& c : cases) {
        for (int size : {2, 3, 11}) {
            SCOPED_TRACE(testing::Message() << c.plane << ", size " << size);
            const std::vector<float> slopes = Slopes(Field(size, s, c.height));
            for (std::size_t i = 0; i < slopes.size(); ++i) EXPECT_EQ(slopes[i], c.slope) << i;
        }
    }
}

// Shifted, scaled with the spacing, mirrored, flipped or transposed ground
// has the same slopes, moved with it, up to rounding.
TEST(NormalMapTest, SlopesFollowTheGroundThroughShiftsScalesAndMirrors) {
    const int n = 23;
    const std::vector<float> base = Slopes(Field(n, 2.0f, Rough));
    const struct {
        const char* change;
        HeightField field;
        int (*index)(int r, int c);
        float tolerance;
    } cases[] = {
        {"raised", Field(n, 2.0f, [](int r, int c) { return Rough(r, c) + 1000.0f; }),
         [](int r, int c) { return r * n + c; }, 2e-5f},
        {"scaled by 4", Field(n, 8.0f, [](int r, int c) { return Rough(r, c) * 4.0f; }),
         [](int r, int c) { return r * n + c; }, 0.0f},
        {"scaled by 0.3", Field(n, 0.6f, [](int r, int c) { return Rough(r, c) * 0.3f; }),
         [](int r, int c) { return r * n + c; }, 1e-5f},
        {"mirrored", Field(n, 2.0f, [](int r, int c) { return Rough(r, n - 1 - c); }),
         [](int r, int c) { return r * n + (n - 1 - c); }, 1e-6f},
        {"flipped", Field(n, 2.0f, [](int r, int c) { return Rough(n - 1 - r, c); }),
         [](int r, int c) { return (n - 1 - r) * n + c; }, 1e-6f},
        {"transposed", Field(n, 2.0f, [](int r, int c) { return Rough(c, r); }),
         [](int r, int c) { return c * n + r; }, 1e-6f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        const std::vector<float> changed = Slopes(c.field);
        for (int r = 0; r < n; ++r) {
            for (int col = 0; col < n; ++col) {
                EXPECT_NEAR(changed[c.index(r, col)], base[r * n + col], c.tolerance)
                    << "row " << r << ", column " << col;
            }
        }
    }
}

TEST(NormalMapTest, EdgesAndCornersLookOnlyInwards) {
    // Rows 0 and 1 level, row 2 raised by one spacing: the top edge sees only
    // level ground, the bottom edge only the 45-degree rise.
    const std::vector<float> slopes =
        Slopes(Field(3, 2.0f, [](int r, int) { return r == 2 ? 2.0f : 0.0f; }));
    for (int i : {0, 1, 2}) EXPECT_EQ(slopes[i], 0.0f) << i;
    for (int i : {6, 7, 8}) EXPECT_EQ(slopes[i], kSlope45) << i;
    // The centre sees both; the side midpoints see half of each, mirrored.
    for (int i : {3, 4}) {
        EXPECT_GT(slopes[i], 0.0f);
        EXPECT_LT(slopes[i], kSlope45);
    }
    EXPECT_EQ(slopes[3], slopes[5]);
}

TEST(NormalMapTest, EverySlopeIsAFiniteNumberFromZeroToOne) {
    const std::function<float(int, int)> grounds[] = {
        Rough,
        // Cliffs and a lone spike and pit as tall as a height field may hold,
        // with their normals almost horizontal.
        [](int r, int c) { return (r + c) % 2 ? 1e18f : 0.0f; },
        [](int r, int c) { return r == 4 && c == 4 ? 1e18f : 0.0f; },
        [](int r, int c) { return r == 4 && c == 4 ? 0.0f : 1e18f; },
    };
    for (const auto& ground : grounds) {
        for (float spacing : {1.0f, -2.0f, 4096.0f}) {
            for (float slope : Slopes(Field(9, spacing, ground))) {
                EXPECT_GE(slope, 0.0f);
                EXPECT_LE(slope, 1.0f);
            }
        }
    }
}

// The row loop computes four interior vertices at a time and the edges on
// their own; both must give exactly what the kernel gives vertex by vertex
// under the edge policy, at every size the lane remainders can take.
TEST(NormalMapTest, TheRowLoopMatchesTheKernelVertexByVertex) {
    for (int n : {2, 3, 4, 5, 6, 7, 8, 13}) {
        SCOPED_TRACE(n);
        const HeightField field = Field(n, 2.0f, Rough);
        const std::vector<float> slopes = Slopes(field);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                const float centre = field.heights[r * n + c];
                float ring[8];
                for (int k = 0; k < 8; ++k) {
                    const int rr = r + slope_kernel::kRingRow[k],
                              cc = c + slope_kernel::kRingColumn[k];
                    ring[k] =
                        rr >= 0 && rr < n && cc >= 0 && cc < n ? field.heights[rr * n + cc] : NAN;
                }
                const float expected = slope_kernel::VertexSlope(
                    centre, ring, 2.0f, slope_kernel::TrianglesInside(r, c, n));
                EXPECT_EQ(slopes[r * n + c], expected) << "row " << r << ", column " << c;
            }
        }
    }
}

TEST(NormalMapTest, AnyNumberOfThreadsGivesTheSameMap) {
    const HeightField field = Field(67, 2.0f, Rough);
    std::vector<float> one;
    {
        testing_support::ScopedThreadCount setting("1");
        one = Slopes(field);
    }
    for (const char* count : {"2", "3", "8"}) {
        testing_support::ScopedThreadCount setting(count);
        const std::vector<float> several = Slopes(field);
        EXPECT_EQ(0, std::memcmp(one.data(), several.data(), one.size() * sizeof(float))) << count;
    }
}

// Pins the exact arithmetic (summation order, single precision steps) on
// rough ground, which the analytic planes above cannot see: any change of
// order or precision changes some of these bits, and every output byte with them.
TEST(NormalMapTest, RoughGroundGivesTheKnownBits) {
    const std::vector<float> slopes = Slopes(Field(33, 2.0f, Rough));
    std::uint64_t hash = 1469598103934665603u;
    for (float slope : slopes) {
        std::uint32_t bits;
        std::memcpy(&bits, &slope, sizeof bits);
        hash = (hash ^ bits) * 1099511628211u;
    }
    EXPECT_EQ(hash, 3364578537949791844u);
}

TEST(NormalMapTest, ASecondBuildIsRefusedAndLeavesTheMapAlone) {
    HeightField field = Field(5, 2.0f, Rough);
    field.BuildNormalMap();
    const std::vector<float> first = field.normalMap;
    try {
        field.BuildNormalMap();
        FAIL() << "no error";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.text, "ERROR: normal map already exists!");
    }
    EXPECT_EQ(field.normalMap, first);
}

}  // namespace
