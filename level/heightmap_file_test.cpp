#include "level/heightmap_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

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

// The message ReadHeightmap fails with, or "" when it reads.
std::string ReadFailure(const std::string& path, const HeightmapSettings& settings,
                        bool sixteenBit) {
    level::Heightmap map;
    return level::ReadHeightmap(path, settings, sixteenBit, map).message();
}

TEST(HeightmapFileTest, ConvertsLittleEndianAndByteSamplesToWorldHeights) {
    // 0x34 0x12 is 4660; the full range and zero; one step.
    level::Heightmap wide;
    ASSERT_TRUE(level::HeightmapFromBytes(Bytes(std::string("\x34\x12\xff\xff\x00\x00\x01\x00", 8)),
                                          "wide.raw", Settings(2, 2.0f, 0.25f), true, wide)
                    .ok());
    EXPECT_EQ(wide.heights, (std::vector<float>{1165.0f, 16383.75f, 0.0f, 0.25f}));
    EXPECT_EQ(wide.size, 2);
    EXPECT_EQ(wide.horizontalScale, 2.0f);
    EXPECT_EQ(wide.verticalScale, 0.25f);
    EXPECT_EQ(wide.heightRange, 16384.0f);

    // Bytes after the first size * size samples are ignored, in a file too.
    TempWorkingFolder folder;
    WriteFileBytes("narrow.raw", std::string("\xff\x00\x01\x80\x07", 5));
    level::Heightmap narrow;
    ASSERT_TRUE(level::ReadHeightmap("narrow.raw", Settings(2, 1.0f, 0.5f), false, narrow).ok());
    EXPECT_EQ(narrow.heights, (std::vector<float>{127.5f, 0.0f, 0.5f, 64.0f}));
}

TEST(HeightmapFileTest, RefusesWhatItCannotRead) {
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
        EXPECT_EQ(ReadFailure(c.path, c.settings, c.sixteenBit), c.message);
    }
}

TEST(HeightmapFileTest, EveryShorterBlockIsRefused) {
    std::string whole;
    for (int i = 0; i < 9; ++i) whole += std::string{static_cast<char>(i * 3), '\x01'};
    auto failure = [](const std::string& bytes) {
        level::Heightmap map;
        map.size = 7;  // left alone by a refusal
        const Status read = level::HeightmapFromBytes(Bytes(bytes), "map.raw", Settings(3), true, map);
        EXPECT_EQ(map.size, read.ok() ? 3 : 7);
        return read.message();
    };
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_EQ(failure(whole.substr(0, length)),
                  "ERROR: map.raw holds " + std::to_string(length) +
                      " bytes, fewer than the 18 of 3 x 3 16-bit samples");
    }
    EXPECT_EQ(failure(whole), "");
}

}  // namespace
