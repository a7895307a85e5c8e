#include "painter/terrain/height_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// The heights read are taken over whole, the slope map left for its own step.
TEST(HeightFieldTest, TakesOverAReadHeightmap) {
    level::Heightmap map;
    map.heights = {1165.0f, 16383.75f, 0.0f, 0.25f};
    map.size = 2;
    map.horizontalScale = 2.0f;
    map.verticalScale = 0.25f;
    map.heightRange = 16384.0f;
    const HeightField field = HeightField::FromHeightmap(map);
    EXPECT_EQ(field.heights, map.heights);
    EXPECT_EQ(field.size, 2);
    EXPECT_EQ(field.horizontalScale, 2.0f);
    EXPECT_EQ(field.verticalScale, 0.25f);
    EXPECT_EQ(field.heightRange, 16384.0f);
    EXPECT_TRUE(field.normalMap.empty());  // built by its own step
}

// A 3 x 4 pattern in a 4 x 4 field that no flip or transposition preserves.
HeightField Pattern() {
    HeightField field;
    field.size = 4;
    field.heights = {0,  1,  3,  7,   //
                     10, 12, 15, 20,  //
                     30, 34, 39, 45,  //
                     60, 66, 73, 81};
    field.normalMap = field.heights;
    for (float& value : field.normalMap) value /= 100.0f;
    return field;
}

TEST(HeightFieldTest, SamplesBilinearlyWithClampedCoordinates) {
    const HeightField field = Pattern();
    struct Case {
        float x, y;
        double expected;
    };
    const Case cases[] = {
        {0, 0, 0},           {2, 1, 15},
        {1, 2, 34},          {0.5f, 0.5f, 5.75},
        {2.5f, 1.5f, 29.75}, {0.25f, 0, 0.25},
        {0, 0.25f, 2.5},     {-1, -1, 0},
        {-5, 2, 30},         {-0.5f, 1.5f, 20},
        {1, -7, 1},          {1.5f, -0.1f, 2},
        {-0.0f, -0.0f, 0},   {std::nanf(""), 1, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(field.SampleHeight(c.x, c.y), c.expected);
        // The slope sampler is the same interpolation over the other array.
        EXPECT_NEAR(field.SampleSlope(c.x, c.y), c.expected / 100.0, 1e-6);
    }
}

TEST(HeightFieldTest, TheLastCellWeightFollowsSinglePrecisionAtEverySide) {
    struct Case {
        int size;
        double farWeight;
    };
    const Case cases[] = {
        {257, 0.99989319f},        // 256 - 0.0001 rounded to single precision
        {2049, 1.0 - 1.0 / 8192},  // the last side where the margin survives rounding
        {2050, 1.0 - 1.0 / 4096},  // 2049 - 0.0001 rounds back to 2049: one step below it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        HeightField field;
        field.size = c.size;
        const std::size_t side = static_cast<std::size_t>(c.size);
        field.heights.assign(side * side, 0.0f);
        field.heights.back() = 1.0f;  // only the far corner is raised
        field.normalMap = field.heights;
        // Exactly sized arrays: the sanitizer build sees any read past the corner.
        const float last = static_cast<float>(c.size - 1);
        EXPECT_EQ(field.SampleHeight(last, last), c.farWeight * c.farWeight);
        EXPECT_EQ(field.SampleSlope(last + 5, last), c.farWeight * c.farWeight);
    }
}

TEST(HeightFieldTest, RowSamplesAreThePointSamplesBitForBit) {
    // Values of every magnitude and sign, so that any difference in the order
    // or precision of a step shows in the last bit.
    for (const int size : {2, 3, 37, 2050}) {
        SCOPED_TRACE(size);
        HeightField field;
        field.size = size;
        const std::size_t side = static_cast<std::size_t>(size);
        field.heights.resize(side * side);
        field.normalMap.resize(side * side);
        std::uint32_t noise = 7;
        for (std::size_t i = 0; i < side * side; ++i) {
            noise = noise * 1664525u + 1013904223u;
            field.heights[i] = static_cast<float>(static_cast<std::int32_t>(noise)) * 1.0e-5f;
            field.normalMap[i] = static_cast<float>(noise >> 8) / 16777216.0f;
        }
        const float last = static_cast<float>(size - 1);
        std::vector<float> coordinates = {-3.0f,       -0.0f, 0.0f,        0.3f,         1.0f,
                                          last - 0.5f, last,  last + 2.0f, std::nanf("")};
        const int steps = size > 100 ? 7 : 4 * size;
        for (int k = 0; k <= steps; ++k) {
            coordinates.push_back(static_cast<float>(k) * (last / static_cast<float>(steps)));
        }
        std::vector<CellSpan> heightCells(side - 1), slopeCells(side - 1);
        for (const float y : coordinates) {
            field.HeightCells(field.Locate(y), heightCells.data());
            field.SlopeCells(field.Locate(y), slopeCells.data());
            for (const float x : coordinates) {
                const GridPosition column = field.Locate(x);
                ASSERT_LT(column.cell, side - 1) << x;
                ASSERT_EQ(HeightField::SampleAcross(heightCells.data(), column),
                          field.SampleHeight(x, y))
                    << "(" << x << ", " << y << ")";
                ASSERT_EQ(HeightField::SampleAcross(slopeCells.data(), column),
                          field.SampleSlope(x, y))
                    << "(" << x << ", " << y << ")";
            }
        }
    }
}

}  // namespace
