#include "materials/rules.h"

#include <gtest/gtest.h>

#include "materials/gradients.h"

namespace {

using materials::MaterialRules;
using materials::ParseRules;

TEST(Rules, ReadBandsPointsAndConstants) {
    const struct {
        const char* text;
        const char* high;   // the rule written back, or "" for none
        const char* steep;
    } cases[] = {
        {"high 650 m .. 750 m\nsteep 30 deg .. 40 deg\n", "high 650 m .. 750 m",
         "steep 30 deg .. 40 deg"},
        {"# a beach\nhigh 0 at -5 m, 1 at 2 m, 1 at 40 m, 0 at 60 m  # then grass\r\n",
         "high 0 at -5 m, 1 at 2 m, 1 at 40 m, 0 at 60 m", ""},
        {"steep 0", "", "steep 0"},
        {"  steep 30° .. 40.5°\n\n\thigh 1", "high 1", "steep 30 deg .. 40.5 deg"},
        {"high 650m..750m", "high 650 m .. 750 m", ""},
        {"high +1 at .5 m, 0 at 0.75 m", "high 1 at 0.5 m, 0 at 0.75 m", ""},
        {"high 100 m .. 100 m", "high 100 m .. 100 m", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        MaterialRules rules;
        const Status read = ParseRules(c.text, "data/materials.txt", rules);
        ASSERT_TRUE(read.ok()) << c.text << ": " << read.message();
        EXPECT_EQ(rules.high ? FormatRule(*rules.high) : "", c.high) << c.text;
        EXPECT_EQ(rules.steep ? FormatRule(*rules.steep) : "", c.steep) << c.text;
    }
}

TEST(Rules, SayWhatWasExpectedOnWhichLine) {
    const struct {
        const char* text;
        const char* message;  // the start of it
    } cases[] = {
        {"\n\nsnow 650 m .. 750 m",
         "ERROR: data/materials.txt line 3: expected \"high\" or \"steep\" at the start"},
        {"high 650 .. 750 m", "ERROR: data/materials.txt line 1: expected the unit \"m\" after the "
                              "height, found \"..\""},
        {"steep 30 m .. 40 m", "ERROR: data/materials.txt line 1: expected the unit \"deg\""},
        {"high 750 m .. 650 m",
         "ERROR: data/materials.txt line 1: expected a band from the lower height to the higher"},
        {"high 0 at 10 m, 1 at 5 m", "ERROR: data/materials.txt line 1: expected points in rising "
                                     "order of height (5 m comes after 10 m)"},
        {"high 2 at 10 m", "ERROR: data/materials.txt line 1: expected a share from 0 (none) to 1"},
        {"high 0,5", "ERROR: data/materials.txt line 1: expected a decimal point, found a comma"},
        {"high 0 at 10 m,", "ERROR: data/materials.txt line 1: expected a share from 0 to 1 after"},
        {"high 650 m .. 750 m\nhigh 1", "ERROR: data/materials.txt line 2: expected one high rule, "
                                        "found a second (the first is on line 1)"},
        {"high 1e3 m .. 2e3 m", "ERROR: data/materials.txt line 1: expected the unit \"m\""},
        {"high 650 m .. 750 m;", "ERROR: data/materials.txt line 1: cannot read a character \";\""},
        {"high", "ERROR: data/materials.txt line 1: expected a share from 0 to 1 or a height, "
                 "found the end of the line"},
    };
    for (const auto& c : cases) {
        MaterialRules rules;
        const Status read = ParseRules(c.text, "data/materials.txt", rules);
        ASSERT_FALSE(read.ok()) << c.text;
        EXPECT_EQ(read.code(), 2);
        EXPECT_EQ(read.message().rfind(c.message, 0), 0u) << read.message();
    }
}

TEST(Rules, ShareFollowsThePointsAndStepsWhereTwoMeet) {
    MaterialRules rules;
    ASSERT_TRUE(ParseRules("high 0 at 0 m, 1 at 10 m, 1 at 20 m, 0 at 20 m", "r", rules).ok());
    const struct {
        double at, share;
    } cases[] = {{-100, 0}, {0, 0}, {2.5, 0.25}, {10, 1}, {19.999, 1}, {20, 0}, {1e9, 0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rules.high->ShareAt(c.at), c.share) << c.at;
}

TEST(Gradients, PlaceEachEntryAtItsHeightAndSlope) {
    MaterialRules rules;
    ASSERT_TRUE(ParseRules("high 650 m .. 750 m\nsteep 30 deg .. 40 deg", "r", rules).ok());
    // Entry k at 250 + k / 511 × 1022 m: 650 m is entry 200, 750 m entry 250.
    const materials::HeightAxis axis{250.0, 1022.0};
    const TgaImage height = materials::HeightGradientImage(*rules.high, axis);
    ASSERT_EQ(height.width, 512);
    EXPECT_EQ(height.format, Grey8);
    EXPECT_EQ(height.pixels[200], 0);
    EXPECT_EQ(height.pixels[225], 128);  // 700 m: half, 127.5 rounded up
    EXPECT_EQ(height.pixels[250], 255);
    EXPECT_EQ(height.pixels[511], 255);
    // Entry k at k / 511 × 90°: 30° lies between entries 170 and 171.
    const TgaImage angle = materials::AngleGradientImage(*rules.steep);
    EXPECT_EQ(angle.pixels[170], 0);
    EXPECT_GT(angle.pixels[171], 0);
    EXPECT_EQ(angle.pixels[228], 255);  // 40.14°
    EXPECT_LT(angle.pixels[226], 255);  // 39.81°
}

}  // namespace
