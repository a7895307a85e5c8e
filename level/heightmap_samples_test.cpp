#include "level/heightmap_samples.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace {

TEST(HeightmapSamplesTest, ExactSideFindsOnlySquares) {
    const struct {
        std::uint64_t length;
        bool sixteenBit;
        std::optional<std::uint64_t> side;
    } cases[] = {
        {513u * 513u * 2u, true, 513},    {512u * 512u * 2u, true, 512},
        {513u * 513u, false, 513},        {513u * 513u * 2u + 1u, true, std::nullopt},
        {513u * 513u, true, std::nullopt},  // odd: not 16-bit samples
        {2, true, 1},                     {0, false, std::nullopt},
        {8192ull * 8192ull * 2ull, true, 8192},
        {4294967295ull * 4294967295ull, false, 4294967295ull},
        {std::numeric_limits<std::uint64_t>::max(), false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(level::ExactSide(c.length, c.sixteenBit), c.side) << c.length;
    }
}

TEST(HeightmapSamplesTest, PrimarySamplesAreLeastSignificantByteFirst) {
    std::uint8_t bytes[4] = {};
    level::PutPrimarySample(level::PutPrimarySample(bytes, 0x1234), 0xFFFE);
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(level::Sample(bytes, 1, true), 0xFFFEu);
    EXPECT_EQ(level::Sample(bytes, 3, false), 0xFFu);
}

}  // namespace
