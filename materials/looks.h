#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/image/tga_image.h"
#include "common/status/status.h"
#include "materials/default_set.h"
#include "materials/rules.h"

// Whole procedural material sets for kinds of place, each with its rules:
// what `marvane_materials --look NAME` and `marvane_import --look NAME`
// write. A look places high ground by a share of the level's own height
// range, so that it suits any level, and writes that as metres.
namespace materials {

struct Look {
    const char* name;
    const char* description;
    TgaImage (*low)(std::uint64_t seed);
    TgaImage (*high)(std::uint64_t seed);
    TgaImage (*steep)(std::uint64_t seed);
    // High ground rises from none to all across this share of the height
    // range, from the lowest point (0) to the highest (1).
    double highFrom;
    double highTo;
    // Steep ground rises from none to all between these slopes, in degrees.
    double steepFrom;
    double steepTo;
};

TgaImage MakeHeathTexture(std::uint64_t seed);
TgaImage MakeSandTexture(std::uint64_t seed);
TgaImage MakeDesertRockTexture(std::uint64_t seed);
TgaImage MakeSandstoneTexture(std::uint64_t seed);
TgaImage MakeSnowTexture(std::uint64_t seed);
TgaImage MakeWindsweptTexture(std::uint64_t seed);
TgaImage MakeDarkRockTexture(std::uint64_t seed);

// The looks, by name. "alpine" is the default set's textures.
inline constexpr Look kLooks[] = {
    {"temperate", "grass low, heath above, grey-brown rock on slopes", MakeGrassTexture,
     MakeHeathTexture, MakeCliffTexture, 0.55, 0.75, 30.0, 40.0},
    {"alpine", "grass low, snow and rock above, cliffs on slopes", MakeGrassTexture,
     MakeSnowRockTexture, MakeCliffTexture, 0.40, 0.60, 30.0, 40.0},
    {"desert", "sand low, dark rock above, sandstone on slopes", MakeSandTexture,
     MakeDesertRockTexture, MakeSandstoneTexture, 0.60, 0.80, 25.0, 35.0},
    {"arctic", "snow low, wind-swept snow and rock above, dark rock on slopes", MakeSnowTexture,
     MakeWindsweptTexture, MakeDarkRockTexture, 0.50, 0.70, 35.0, 45.0},
};

const Look* FindLook(std::string_view name);

// The rules of a look for a level whose heights run from `lowest` to
// `highest` metres: the band in whole metres (tenths for a range under
// 20 m).
MaterialRules LookRules(const Look& look, double lowest, double highest);

// The text of data/materials.txt for a look, with a comment saying where
// it came from.
std::string LookRulesText(const Look& look, const MaterialRules& rules, double lowest,
                          double highest);

// Writes a look's whole set into the folder `data`, which must exist: its
// three textures, its rules for a level whose heights run from `lowest` to
// `highest` metres as materials.txt, and the two gradients from them, entry
// k of the height table at base + k / 511 × fullScale. With `keepExisting`
// a file already there is left as it is. The files written land together.
// Gives how many files it wrote.
Status WriteLookSet(const std::string& data, const Look& look, double lowest, double highest,
                    double base, double fullScale, bool keepExisting, int& written);

}  // namespace materials
