#include "materials/default_set.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint64_t Fnv1a(const std::uint8_t* bytes, size_t count) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < count; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// Levels already made keep their look when they are made again: the default
// set's bytes are the same on every platform and in every release.
TEST(DefaultSet, GivesTheSameBytesOnEveryPlatform) {
    const TgaImage grass = materials::MakeGrassTexture(1);
    const TgaImage snowRock = materials::MakeSnowRockTexture(1);
    const TgaImage cliff = materials::MakeCliffTexture(1);
    EXPECT_EQ(Fnv1a(grass.pixels.get(), grass.ByteCount()), 0x0B7CD48E1CF7C11Full);
    EXPECT_EQ(Fnv1a(snowRock.pixels.get(), snowRock.ByteCount()), 0xC5692AD299614710ull);
    EXPECT_EQ(Fnv1a(cliff.pixels.get(), cliff.ByteCount()), 0x112CED40A6CD7FE2ull);
}

}  // namespace
