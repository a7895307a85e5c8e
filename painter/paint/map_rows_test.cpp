#include "painter/paint/map_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr std::size_t kTextureSide = 512;

struct Noise {
    std::uint32_t state;
    std::uint32_t Next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    float Unit() { return static_cast<float>(Next()) / 16777216.0f; }  // [0, 1)
};

// Three weight planes of one row: mostly weights that add up to 1, as the
// blend weights give them, with exact 0s and 1s, values just below 1 and
// tiny ones, whose products land on and next to whole numbers.
struct Weights {
    std::vector<float> low, high, steep;

    Weights(std::size_t width, Noise& noise) : low(width), high(width), steep(width) {
        const float special[] = {0.0f, 1.0f, 0.5f, 0.99999994f, 1e-30f, 0.25f, 0.1f};
        for (std::size_t x = 0; x < width; ++x) {
            float s = noise.Unit(), h = (1.0f - s) * noise.Unit();
            if (noise.Next() % 4 == 0) s = special[noise.Next() % 7];
            if (noise.Next() % 4 == 0) h = special[noise.Next() % 7];
            steep[x] = s;
            high[x] = h;
            low[x] = noise.Next() % 8 == 0 ? special[noise.Next() % 7] : (1.0f - s) - h;
        }
    }
    WeightRow Row() const { return {low.data(), high.data(), steep.data()}; }
};

std::vector<std::uint8_t> Texture(Noise& noise) {
    std::vector<std::uint8_t> texture(kTextureSide * kTextureSide * 3);
    for (std::uint8_t& byte : texture) {
        const std::uint32_t n = noise.Next();
        byte = n % 5 == 0 ? 255 : static_cast<std::uint8_t>(n >> 4);
    }
    return texture;
}

TEST(MapRows, EveryRowTexelIsTheOneTexelArithmetic) {
    Noise noise{2024};
    const std::vector<std::uint8_t> low = Texture(noise), high = Texture(noise),
                                    steep = Texture(noise);
    const MaterialTexels materials{low.data(), high.data(), steep.data()};
    // Texture columns for up to two repetitions, the second mirrored.
    std::vector<std::size_t> mirrored(2 * kTextureSide), repeated(2 * kTextureSide);
    for (std::size_t x = 0; x < 2 * kTextureSide; ++x) {
        repeated[x] = x % kTextureSide;
        mirrored[x] = x < kTextureSide ? x : 2 * kTextureSide - 1 - x;
    }
    const std::size_t widths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 511, 512, 513, 1023, 1024, 1030, 2100};
    for (const std::size_t width : widths) {
        for (const bool mirror : {false, true}) {
            SCOPED_TRACE(testing::Message() << "width " << width << (mirror ? " mirrored" : ""));
            const std::size_t textureRow = noise.Next() % kTextureSide;
            const std::size_t period = std::min(width, mirror ? 2 * kTextureSide : kTextureSide);
            const std::vector<std::size_t>& columns = mirror ? mirrored : repeated;
            MaterialRow row;
            row.Load(materials, textureRow * kTextureSide * 3, columns.data(), period);
            const Weights weights(width, noise);
            const WeightRow w = weights.Row();

            // One byte more than the row, which must stay as it is.
            std::vector<std::uint8_t> colour(width * 3 + 1, 0xA5), detail(width * 3 + 1, 0xA5),
                lowDetail(width * 3 + 1, 0xA5);
            ComposeColourRow(row, w, width, colour.data());
            ComposeDetailRow(w, width, detail.data());
            ComposeLowDetailRow(w, width, lowDetail.data());
            ASSERT_EQ(colour.back(), 0xA5);
            ASSERT_EQ(detail.back(), 0xA5);
            ASSERT_EQ(lowDetail.back(), 0xA5);

            for (std::size_t x = 0; x < width; ++x) {
                const std::size_t texel = (textureRow * kTextureSide + columns[x % period]) * 3;
                std::uint8_t expected[3];
                WriteColourTexel(materials, texel, w, x, expected);
                for (int c = 0; c < 3; ++c) ASSERT_EQ(colour[x * 3 + c], expected[c]) << x << "/" << c;
                WriteDetailTexel(w, x, expected);
                for (int c = 0; c < 3; ++c) ASSERT_EQ(detail[x * 3 + c], expected[c]) << x << "/" << c;
                WriteLowDetailTexel(w, x, expected);
                for (int c = 0; c < 3; ++c) ASSERT_EQ(lowDetail[x * 3 + c], expected[c]) << x << "/" << c;
            }
        }
    }
}

TEST(MapRows, WeightsOutsideTheirRangeKeepTheLowByteAsOneTexelDoes) {
    // Not what the blend weights give, but the row code must not differ from
    // the texel code even there: 256 and more wrap, negatives too.
    const std::vector<std::uint8_t> texture(kTextureSide * kTextureSide * 3, 200);
    const MaterialTexels materials{texture.data(), texture.data(), texture.data()};
    std::vector<std::size_t> columns(kTextureSide);
    for (std::size_t x = 0; x < kTextureSide; ++x) columns[x] = x;
    MaterialRow row;
    row.Load(materials, 0, columns.data(), kTextureSide);
    const std::vector<float> low = {1.5f, -0.25f, 2.0f, 1.0f, 3.0f, -1.0f, 0.75f, 1.25f, 7.0f, -1.0f};
    const std::vector<float> high = {0.0f, 0.0f, 1.0f, 0.5f, -2.0f, 0.5f, 0.75f, 0.0f, 0.0f, 0.0f};
    const std::vector<float> steep = {0.0f, 1.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f, 0.0f, 1.0f, -0.5f};
    const WeightRow w{low.data(), high.data(), steep.data()};
    const std::size_t width = low.size();
    std::vector<std::uint8_t> colour(width * 3), detail(width * 3), lowDetail(width * 3);
    ComposeColourRow(row, w, width, colour.data());
    ComposeDetailRow(w, width, detail.data());
    ComposeLowDetailRow(w, width, lowDetail.data());
    for (std::size_t x = 0; x < width; ++x) {
        std::uint8_t expected[3];
        WriteColourTexel(materials, x * 3, w, x, expected);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(colour[x * 3 + c], expected[c]) << x;
        WriteDetailTexel(w, x, expected);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(detail[x * 3 + c], expected[c]) << x;
        WriteLowDetailTexel(w, x, expected);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(lowDetail[x * 3 + c], expected[c]) << x;
    }
}

}  // namespace
