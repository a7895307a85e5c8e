#include "materials/texture_steps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using materials::InsideStep;
using materials::WrapEdgeStep;

// An image of the format from its pixel bytes, stored rows in order.
TgaImage Image(std::int32_t format, std::int32_t width, std::int32_t height,
               const std::vector<std::uint8_t>& bytes) {
    TgaImage image = TgaImage::Make(format, width, height);
    for (size_t i = 0; i < bytes.size(); ++i) image.pixels[i] = bytes[i];
    return image;
}

TEST(TextureSteps, AverageTheColourStepOverTheRightPairs) {
    const struct {
        const char* name;
        TgaImage image;
        double wrap, inside;
    } cases[] = {
        {"one colour", Image(Bgr24, 2, 2, std::vector<std::uint8_t>(12, 90)), 0.0, 0.0},
        // Columns 0, 30, 0, 30 in every channel, two rows alike: six steps
        // of 30 across inside, four of 0 down; across the wrap edges two of
        // 30 (last column to first) and four of 0 (last row to first).
        {"stripes", Image(Bgr24, 4, 2, {0, 0, 0, 30, 30, 30, 0, 0, 0, 30, 30, 30,
                                        0, 0, 0, 30, 30, 30, 0, 0, 0, 30, 30, 30}),
         60.0 / 6, 180.0 / 10},
        // Only blue differs, by 3, between the rows: a step of 1, met once
        // among the three wrap pairs (a row wraps onto itself).
        {"one channel", Image(Bgr24, 1, 2, {10, 20, 30, 13, 20, 30}), 1.0 / 3, 1.0},
        {"grey", Image(Grey8, 3, 1, {0, 10, 40}), (40.0 + 0 + 0 + 0) / 4, (10.0 + 30.0) / 2},
        {"empty", TgaImage(), 0.0, 0.0},
        {"one texel", Image(Bgr24, 1, 1, {1, 2, 3}), 0.0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(WrapEdgeStep(c.image), c.wrap);
        EXPECT_DOUBLE_EQ(InsideStep(c.image), c.inside);
    }
}

}  // namespace
