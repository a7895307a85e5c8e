#include "painter/paint/blend_weights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "tests/support/paint_test_files.h"

using paint_test::MakeField;
using paint_test::SetTable;

namespace {

// The two tables and the whole planes of a map, row after row.
struct TerrainPainter {
    GradientTable heightGradient, angleGradient;
    std::vector<float> lowWeight, highWeight, steepWeight;
    std::int32_t outputSize = 0;

    void ComputeBlendWeights(const HeightField& field, std::int32_t side) {
        const BlendWeights weights(field, heightGradient, angleGradient, side);
        outputSize = side;
        const std::size_t width = weights.Side();
        lowWeight.assign(width * width, -1.0f);
        highWeight.assign(width * width, -1.0f);
        steepWeight.assign(width * width, -1.0f);
        WeightRowBuffer row = weights.MakeRowBuffer();
        for (std::size_t y = 0; y < width; ++y) {
            weights.ComputeRow(y, row);
            std::copy(row.low.begin(), row.low.end(), lowWeight.begin() + y * width);
            std::copy(row.high.begin(), row.high.end(), highWeight.begin() + y * width);
            std::copy(row.steep.begin(), row.steep.end(), steepWeight.begin() + y * width);
        }
    }
};

// Gradient tables with a different value in every entry, so that a lookup at
// the wrong entry cannot pass.
void SetRamps(TerrainPainter& painter) {
    for (int k = 0; k < kGradientSize; ++k) {
        painter.heightGradient.entries[k] =
            GradientEntry(static_cast<std::uint8_t>((k * 3) / 6 + 1));
        painter.angleGradient.entries[k] = GradientEntry(static_cast<std::uint8_t>(255 - k / 2));
    }
}

float Interpolate(const GradientTable& table, float position) {
    const int k = static_cast<int>(position);
    return table[k] + (table[k + 1] - table[k]) * (position - static_cast<float>(k));
}

void ExpectEverywhere(const TerrainPainter& painter, float low, float high, float steep) {
    const std::size_t count = static_cast<std::size_t>(painter.outputSize) * painter.outputSize;
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_EQ(painter.lowWeight[i], low) << "texel " << i;
        ASSERT_EQ(painter.highWeight[i], high) << "texel " << i;
        ASSERT_EQ(painter.steepWeight[i], steep) << "texel " << i;
    }
}

TEST(BlendWeights, FlatGroundAtZeroUsesTheFirstEntries) {
    TerrainPainter painter;
    SetRamps(painter);
    painter.ComputeBlendWeights(MakeField(9, 196.608f, 0.0f, 0.0f), 32);
    ASSERT_EQ(painter.outputSize, 32);
    const float L = painter.heightGradient[0], A = painter.angleGradient[0];
    ExpectEverywhere(painter, (1.0f - L) * (1.0f - A), (1.0f - A) * L, A);
}

TEST(BlendWeights, TheHighestSampleStaysBetweenTheLastTwoEntries) {
    TerrainPainter painter;
    SetRamps(painter);
    // Raw 65535 of a 16-bit map: position 65535 / 65536 * 511, about 510.992.
    painter.ComputeBlendWeights(MakeField(5, 65536.0f, 65535.0f, 0.0f), 8);
    const float p = static_cast<float>(65535.0 / 65536.0 * 511.0);
    ASSERT_EQ(static_cast<int>(p), 510);
    const float L = Interpolate(painter.heightGradient, p), A = painter.angleGradient[0];
    ExpectEverywhere(painter, (1.0f - L) * (1.0f - A), (1.0f - A) * L, A);
}

TEST(BlendWeights, AVerticalFaceIsClampedJustBelowTheLastEntry) {
    TerrainPainter painter;
    SetRamps(painter);
    painter.ComputeBlendWeights(MakeField(5, 100.0f, 0.0f, 1.0f), 8);
    const float q = 510.9999f;
    std::uint32_t bits;
    std::memcpy(&bits, &q, sizeof bits);
    ASSERT_EQ(bits, 0x43FF7FFDu);
    const float A = painter.angleGradient[510] +
                    (painter.angleGradient[511] - painter.angleGradient[510]) * 0.99990845f;
    EXPECT_EQ(painter.steepWeight[0], A);
    EXPECT_EQ(painter.steepWeight[63], A);
}

TEST(BlendWeights, PureGradientsGivePureWeights) {
    struct Case {
        float height, angle;
        float low, high, steep;
    };
    const Case cases[] = {
        {0.3f, 1.0f, 0.0f, 0.0f, 1.0f},  // all steep, whatever the height
        {0.0f, 0.0f, 1.0f, 0.0f, 0.0f},  // all low
        {1.0f, 0.0f, 0.0f, 1.0f, 0.0f},  // all high
    };
    TerrainPainter painter;
    HeightField field = MakeField(17, 1000.0f, 0.0f, 0.0f);
    for (std::size_t i = 0; i < field.heights.size(); ++i) {
        field.heights[i] = static_cast<float>(i % 97) * 10.0f;
        field.normalMap[i] = static_cast<float>(i % 13) / 13.0f;
    }
    for (const Case& c : cases) {
        SetTable(painter.heightGradient, c.height);
        SetTable(painter.angleGradient, c.angle);
        painter.ComputeBlendWeights(field, 64);
        ExpectEverywhere(painter, c.low, c.high, c.steep);
    }
}

TEST(BlendWeights, FollowsTheGridAndAddsUpToOne) {
    // Heights rise along the columns, slopes along the rows; texel 0 sits on
    // grid coordinate 0 and the last texel on the last sample.
    TerrainPainter painter;
    SetRamps(painter);
    const std::int32_t n = 257, side = 512;
    HeightField field = MakeField(n, 256.0f, 0.0f, 0.0f);
    for (std::int32_t r = 0; r < n; ++r) {
        for (std::int32_t c = 0; c < n; ++c) {
            field.heights[r * n + c] = static_cast<float>(c) * 0.75f;
            field.normalMap[r * n + c] = static_cast<float>(r) / 300.0f;
        }
    }
    painter.ComputeBlendWeights(field, side);
    const float f = static_cast<float>(256.0 / 511.0);
    EXPECT_EQ(f, 0.50097847f);
    for (std::int32_t i : {0, 1, 255, 300, 510, 511}) {
        for (std::int32_t j : {0, 1, 2, 256, 509, 511}) {
            const float x = static_cast<float>(j) * f, y = static_cast<float>(i) * f;
            const float p = static_cast<float>(field.SampleHeight(x, y) / 256.0 * 511.0);
            const float q = static_cast<float>(field.SampleSlope(x, y) * 511.0);
            const float L = Interpolate(painter.heightGradient, p);
            const float A = Interpolate(painter.angleGradient, q);
            const std::size_t at = static_cast<std::size_t>(i) * side + j;
            EXPECT_EQ(painter.lowWeight[at], (1.0f - L) * (1.0f - A)) << i << "," << j;
            EXPECT_EQ(painter.highWeight[at], (1.0f - A) * L) << i << "," << j;
            EXPECT_EQ(painter.steepWeight[at], A) << i << "," << j;
        }
    }
    EXPECT_EQ(static_cast<float>(511) * f, 256.0f);
    for (std::size_t at = 0; at < static_cast<std::size_t>(side) * side; ++at) {
        const float sum = painter.lowWeight[at] + painter.highWeight[at] + painter.steepWeight[at];
        ASSERT_NEAR(sum, 1.0f, 1e-6f) << "texel " << at;
    }
}

TEST(BlendWeights, AZeroHeightRangePaintsEverythingAsLowestGround) {
    // A vertical scale of 0 makes every height 0 and the range 0: 0 / 0.
    TerrainPainter painter;
    SetRamps(painter);
    painter.ComputeBlendWeights(MakeField(5, 0.0f, 0.0f, 0.0f), 16);
    const float L = painter.heightGradient[0], A = painter.angleGradient[0];
    ExpectEverywhere(painter, (1.0f - L) * (1.0f - A), (1.0f - A) * L, A);
}

TEST(BlendWeights, RefusesASideWithoutTwoTexels) {
    TerrainPainter painter;
    EXPECT_EQ(
        paint_test::FailureOf([&] { painter.ComputeBlendWeights(MakeField(5, 1.0f, 0, 0), 1); }),
        "ERROR: output side 1 is too small to paint");
}

// The weights of one texel by their definition, from the point samplers.
void ExpectTheDefinitionAtEveryTexel(const TerrainPainter& painter, const HeightField& field) {
    const std::int32_t side = painter.outputSize;
    const float step =
        static_cast<float>(static_cast<double>(field.size - 1) / static_cast<double>(side - 1));
    auto position = [](double scaled) {
        if (!(scaled >= 0.0)) return 0.0f;
        const float p = static_cast<float>(scaled);
        return p >= 511.0f ? 510.9999f : p;
    };
    for (std::int32_t i = 0; i < side; ++i) {
        for (std::int32_t j = 0; j < side; ++j) {
            const float x = static_cast<float>(j) * step, y = static_cast<float>(i) * step;
            const float L =
                Interpolate(painter.heightGradient,
                            position(field.SampleHeight(x, y) / field.heightRange * 511.0));
            const float A =
                Interpolate(painter.angleGradient, position(field.SampleSlope(x, y) * 511.0));
            const std::size_t at = static_cast<std::size_t>(i) * side + j;
            ASSERT_EQ(painter.lowWeight[at], (1.0f - L) * (1.0f - A)) << i << "," << j;
            ASSERT_EQ(painter.highWeight[at], (1.0f - A) * L) << i << "," << j;
            ASSERT_EQ(painter.steepWeight[at], A) << i << "," << j;
        }
    }
}

TEST(BlendWeights, EveryTexelFollowsTheSamplersAndTheTables) {
    // Heights below 0 and above the range, slopes below 0 and above 1, and
    // tables with a different value at every entry: every clamp and every
    // lookup is exercised, and sides that are not a multiple of four texels
    // leave a tail to every row.
    TerrainPainter painter;
    std::uint32_t noise = 11;
    auto next = [&noise] {
        noise = noise * 1664525u + 1013904223u;
        return static_cast<float>(noise >> 8) / 16777216.0f;  // [0, 1)
    };
    for (int k = 0; k < kGradientSize; ++k) {
        painter.heightGradient.entries[k] = next();
        painter.angleGradient.entries[k] = next();
    }
    painter.heightGradient.entries[511] = 1.0f;
    const float range = 3000.0f;
    HeightField field = MakeField(37, range, 0.0f, 0.0f);
    for (std::size_t i = 0; i < field.heights.size(); ++i) {
        field.heights[i] = (next() * 1.4f - 0.2f) * range;
        field.normalMap[i] = next() * 1.2f - 0.1f;
    }
    for (const std::int32_t side : {144, 37, 6, 2, 513}) {
        SCOPED_TRACE(side);
        painter.ComputeBlendWeights(field, side);
        ExpectTheDefinitionAtEveryTexel(painter, field);
    }
    // A range of 0 turns heights into infinities of both signs and 0 / 0.
    field.heightRange = 0.0f;
    field.heights[5] = 0.0f;
    painter.ComputeBlendWeights(field, 40);
    ExpectTheDefinitionAtEveryTexel(painter, field);
}

}  // namespace
