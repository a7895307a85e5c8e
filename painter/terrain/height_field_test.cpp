#include "painter/terrain/height_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "tests/support/temp_folder.h"

using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

HeightmapSettings Settings(int size, float horizontal = 2.0f, float vertical = 0.5f) {
    return {size, horizontal, vertical, vertical * 65536.0f, 0, {}, 0, {}, {}, {}};
}

std::span<const std::uint8_t> Bytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// The message LoadRaw fails with, or "" when it loads.
std::string LoadFailure(const std::string& path, const HeightmapSettings& settings,
                        bool sixteenBit) {
    try {
        HeightField::LoadRaw(path, settings, sixteenBit);
    } catch (const FatalError& error) {
        return error.text;
    }
    return "";
}

TEST(HeightFieldTest, ConvertsLittleEndianAndByteSamplesToWorldHeights) {
    // 0x34 0x12 is 4660; the full range and zero; one step.
    const HeightField wide =
        HeightField::FromRaw(Bytes(std::string("\x34\x12\xff\xff\x00\x00\x01\x00", 8)), "wide.raw",
                             Settings(2, 2.0f, 0.25f), true);
    EXPECT_EQ(wide.heights, (std::vector<float>{1165.0f, 16383.75f, 0.0f, 0.25f}));
    EXPECT_EQ(wide.size, 2);
    EXPECT_EQ(wide.horizontalScale, 2.0f);
    EXPECT_EQ(wide.verticalScale, 0.25f);
    EXPECT_EQ(wide.heightRange, 16384.0f);
    EXPECT_TRUE(wide.normalMap.empty());  // built by its own step

    // Bytes after the first size * size samples are ignored, in a file too.
    TempWorkingFolder folder;
    WriteFileBytes("narrow.raw", std::string("\xff\x00\x01\x80\x07", 5));
    const HeightField narrow = HeightField::LoadRaw("narrow.raw", Settings(2, 1.0f, 0.5f), false);
    EXPECT_EQ(narrow.heights, (std::vector<float>{127.5f, 0.0f, 0.5f, 64.0f}));
}

TEST(HeightFieldTest, RefusesWhatItCannotLoad) {
    TempWorkingFolder folder;
    WriteFileBytes("map.raw", std::string(8, '\0'));  // 2 x 2 16-bit samples
    const float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        const char* path;
        HeightmapSettings settings;
        bool sixteenBit;
        const char* message;
    };
    const Case cases[] = {
        {"missing.raw", Settings(2), true, "ERROR: opening missing.raw"},
        {".", Settings(2), true, "ERROR: opening ."},
        {"map.raw", Settings(1), true,
         "ERROR: map.raw: size 1 leaves no cell to sample (at least 2 samples per side)"},
        {"map.raw", Settings(-3), true,
         "ERROR: map.raw: size -3 leaves no cell to sample (at least 2 samples per side)"},
        {"map.raw", Settings(2, 0.0f), true,
         "ERROR: map.raw: horizontal scale 0 leaves every slope undefined"},
        {"map.raw", Settings(2, 2.0f, infinity), true,
         "ERROR: map.raw: vertical scale inf puts heights beyond 1e+18"},
        {"map.raw", Settings(2, 2.0f, 4e15f), false,
         "ERROR: map.raw: vertical scale 4e+15 puts heights beyond 1e+18"},
        {"map.raw", Settings(3), false,
         "ERROR: map.raw holds 8 bytes, fewer than the 9 of 3 x 3 8-bit samples"},
        // A side no file backs: refused from the file's length, before any allocation.
        {"map.raw", Settings(100000), true,
         "ERROR: map.raw holds 8 bytes, fewer than the 20000000000 of 100000 x 100000 16-bit "
         "samples"},
        {"map.raw", Settings(2147483647), true,
         "ERROR: map.raw holds 8 bytes, fewer than the 9223372028264841218 of 2147483647 x "
         "2147483647 16-bit samples"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(LoadFailure(c.path, c.settings, c.sixteenBit), c.message);
    }
}

TEST(HeightFieldTest, EveryShorterBlockIsRefused) {
    std::string whole;
    for (int i = 0; i < 9; ++i) whole += std::string{static_cast<char>(i * 3), '\x01'};
    auto failure = [](const std::string& bytes) {
        try {
            HeightField::FromRaw(Bytes(bytes), "map.raw", Settings(3), true);
        } catch (const FatalError& error) {
            return error.text;
        }
        return std::string();
    };
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_EQ(failure(whole.substr(0, length)),
                  "ERROR: map.raw holds " + std::to_string(length) +
                      " bytes, fewer than the 18 of 3 x 3 16-bit samples");
    }
    EXPECT_EQ(failure(whole), "");
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
