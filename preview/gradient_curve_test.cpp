#include "preview/gradient_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "materials/gradients.h"

namespace {

// Gradients as marvane_materials writes them, and rougher ones, read back.
TEST(GradientCurve, ReadsBackWithinOneStepInFewPoints) {
    const materials::HeightAxis axis{250.0, 0.003 * 65536};
    const auto metres = [&](int k) { return axis.HeightAt(k); };
    const auto degrees = [](int k) { return materials::SlopeAt(k); };
    struct Case {
        const char* what;
        const char* rule;
        bool steep;
        std::size_t points;
    };
    const Case cases[] = {
        {"a band", "high 300 m .. 320 m", false, 3},
        {"a beach", "high 0 at 260 m, 1 at 270 m, 1 at 350 m, 0 at 400 m", false, 6},
        {"no steep ground", "steep 0", true, 1},
        {"a steep band", "steep 30 deg .. 40 deg", true, 3},
    };
    for (const Case& c : cases) {
        materials::MaterialRules rules;
        ASSERT_TRUE(materials::ParseRules(c.rule, "test", rules).ok()) << c.what;
        const TgaImage image = c.steep ? materials::AngleGradientImage(*rules.steep)
                                       : materials::HeightGradientImage(*rules.high, axis);
        const auto& place = c.steep ? std::function<double(int)>(degrees) : metres;
        const materials::Rule back =
            RuleFromGradient(image.pixels.get(), rules.steep ? materials::RuleKind::Steep
                                                             : materials::RuleKind::High, place);
        EXPECT_LE(GradientDistance(image.pixels.get(), back, place), 1) << c.what;
        EXPECT_LE(back.points.size(), c.points) << c.what << ": " << materials::FormatRule(back);
    }
}

TEST(GradientCurve, ARoughTableGetsSixteenPointsAtMost) {
    std::vector<std::uint8_t> noisy(512);
    for (int k = 0; k < 512; ++k) noisy[k] = static_cast<std::uint8_t>((k * 37) % 256);
    const auto degrees = [](int k) { return materials::SlopeAt(k); };
    const materials::Rule rule = RuleFromGradient(noisy.data(), materials::RuleKind::Steep, degrees);
    EXPECT_LE(rule.points.size(), kMostCurvePoints);
    for (std::size_t i = 1; i < rule.points.size(); ++i) {
        EXPECT_LE(rule.points[i - 1].at, rule.points[i].at);
    }
    // Whatever it is, it reads back as a rule of the grammar.
    materials::MaterialRules parsed;
    EXPECT_TRUE(materials::ParseRules(materials::FormatRule(rule), "test", parsed).ok())
        << materials::FormatRule(rule);
}

}  // namespace
