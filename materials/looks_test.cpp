#include "materials/looks.h"

#include <gtest/gtest.h>

#include "materials/material_files.h"

namespace {

TEST(Looks, PlaceHighGroundByTheLevelsOwnHeights) {
    const struct {
        const char* look;
        double lowest, highest;
        const char* high;
    } cases[] = {
        {"temperate", 250.0, 650.0, "high 470 m .. 550 m"},
        {"alpine", -20.0, 2980.0, "high 1180 m .. 1780 m"},
        // A level of little relief: tenths of a metre.
        {"desert", 0.0, 5.0, "high 3 m .. 4 m"},
        {"arctic", 1.0, 8.3, "high 4.7 m .. 6.1 m"},
    };
    for (const auto& c : cases) {
        const materials::Look* look = materials::FindLook(c.look);
        ASSERT_NE(look, nullptr) << c.look;
        const materials::MaterialRules rules = materials::LookRules(*look, c.lowest, c.highest);
        EXPECT_EQ(FormatRule(*rules.high), c.high) << c.look;
        // What a look writes reads back as the same rules.
        materials::MaterialRules back;
        ASSERT_TRUE(materials::ParseRules(
                        materials::LookRulesText(*look, rules, c.lowest, c.highest), "t", back)
                        .ok());
        EXPECT_EQ(FormatRule(*back.high), c.high);
        EXPECT_EQ(FormatRule(*back.steep), FormatRule(*rules.steep));
    }
    EXPECT_EQ(materials::FindLook("tropical"), nullptr);
}

TEST(Looks, TexturesAreWhatThePainterReads) {
    for (const materials::Look& look : materials::kLooks) {
        for (auto* make : {look.low, look.high, look.steep}) {
            const TgaImage texture = make(materials::kDefaultSeed);
            EXPECT_EQ(texture.format, Bgr24) << look.name;
            EXPECT_EQ(texture.width, materials::kTextureSide) << look.name;
            EXPECT_EQ(texture.height, materials::kTextureSide) << look.name;
        }
    }
}

}  // namespace
