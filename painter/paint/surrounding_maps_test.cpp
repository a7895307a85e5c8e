#include "painter/paint/surrounding_maps.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/paint_test_files.h"

using paint_test::MakeField;
using paint_test::Picture;
using paint_test::SetTable;

namespace {

constexpr std::size_t kTexels = 512 * 512;

MaterialSet Materials() {
    return {Picture(Bgr24, 512, 512, 7, 1),
            Picture(Bgr24, 512, 512, 11, 2),
            Picture(Bgr24, 512, 512, 13, 3),
            {},
            {}};
}

TEST(SurroundingMaps, LowDetailHasNoGreenAndBlueAndRedFillTheByte) {
    // Weights that vary over the map: ramps in both tables, heights and
    // slopes that differ at every vertex.
    MaterialSet materials = Materials();
    for (int k = 0; k < kGradientSize; ++k) {
        materials.heightGradient.entries[k] = GradientEntry(static_cast<std::uint8_t>(k / 2));
        materials.angleGradient.entries[k] = GradientEntry(static_cast<std::uint8_t>(k / 3 + 50));
    }
    HeightField field = MakeField(33, 256.0f, 0.0f, 0.0f);
    for (std::size_t i = 0; i < field.heights.size(); ++i) {
        field.heights[i] = static_cast<float>((i * 37) % 256);
        field.normalMap[i] = static_cast<float>((i * 53) % 100) / 100.0f;
    }
    const SurroundingMaps maps = PaintSurroundingMaps(materials, field);
    ASSERT_EQ(maps.lowDetail.format, Bgr24);
    ASSERT_EQ(maps.lowDetail.ByteCount(), kTexels * 3);
    for (std::size_t t = 0; t < kTexels; ++t) {
        const std::uint8_t* texel = maps.lowDetail.pixels.get() + t * 3;
        ASSERT_EQ(texel[1], 0) << "texel " << t;
        ASSERT_TRUE(texel[0] + texel[2] == 254 || texel[0] + texel[2] == 255) << "texel " << t;
    }
}

TEST(SurroundingMaps, UsesEachTextureTexelOnceWhereverItLies) {
    // Pure steep ground: the colour map is the steep texture, rows stored
    // from the last one, whatever the map's heights.
    MaterialSet materials = Materials();
    SetTable(materials.angleGradient, 1.0f);
    const SurroundingMaps maps = PaintSurroundingMaps(materials, MakeField(17, 64.0f, 9.0f, 0.3f));
    const std::uint8_t* steep = materials.steepTexture.pixels.get();
    for (std::size_t y = 0; y < 512; ++y) {
        ASSERT_EQ(std::memcmp(maps.colour.pixels.get() + (511 - y) * 512 * 3, steep + y * 512 * 3,
                              512 * 3),
                  0)
            << "weight row " << y;
    }
    const std::uint8_t* first = maps.lowDetail.pixels.get();
    EXPECT_EQ(first[0], 255);
    EXPECT_EQ(first[1], 0);
    EXPECT_EQ(first[2], 0);
}

}  // namespace
