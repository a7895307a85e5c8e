#include "materials/looks.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include "common/platform/files_together.h"
#include "materials/gradients.h"
#include "materials/material_files.h"

namespace materials {

TgaImage MakeHeathTexture(std::uint64_t seed) {
    return MakeGroundTexture(seed, {{112.0, 108.0, 58.0}, {150.0, 128.0, 82.0}, {78.0, 70.0, 52.0}});
}

TgaImage MakeSandTexture(std::uint64_t seed) {
    return MakeGroundTexture(seed,
                             {{206.0, 176.0, 128.0}, {226.0, 200.0, 150.0}, {176.0, 142.0, 98.0}});
}

TgaImage MakeDesertRockTexture(std::uint64_t seed) {
    return MakeCoveredRockTexture(seed, {{104.0, 80.0, 64.0}, {196.0, 164.0, 118.0}, 0.15});
}

TgaImage MakeSandstoneTexture(std::uint64_t seed) {
    return MakeStrataTexture(seed, {{176.0, 118.0, 78.0}, {90.0, 56.0, 38.0}});
}

TgaImage MakeSnowTexture(std::uint64_t seed) {
    return MakeGroundTexture(seed,
                             {{232.0, 238.0, 246.0}, {246.0, 248.0, 252.0}, {196.0, 210.0, 228.0}});
}

TgaImage MakeWindsweptTexture(std::uint64_t seed) {
    return MakeCoveredRockTexture(seed, {{96.0, 98.0, 104.0}, {226.0, 234.0, 244.0}, -0.25});
}

TgaImage MakeDarkRockTexture(std::uint64_t seed) {
    return MakeStrataTexture(seed, {{78.0, 78.0, 82.0}, {30.0, 30.0, 34.0}});
}

const Look* FindLook(std::string_view name) {
    for (const Look& look : kLooks) {
        if (name == look.name) return &look;
    }
    return nullptr;
}

namespace {

// Whole metres, or tenths for a level of little relief, so that the rules
// read as an author would write them.
double Rounded(double metres, double range) {
    const double perMetre = range < 20.0 ? 10.0 : 1.0;
    return std::floor(metres * perMetre + 0.5) / perMetre;
}

}  // namespace

MaterialRules LookRules(const Look& look, double lowest, double highest) {
    const double range = highest - lowest;
    MaterialRules rules;
    Rule high;
    high.kind = RuleKind::High;
    high.points = {{Rounded(lowest + look.highFrom * range, range), 0.0},
                   {Rounded(lowest + look.highTo * range, range), 1.0}};
    rules.high = high;
    Rule steep;
    steep.kind = RuleKind::Steep;
    steep.points = {{look.steepFrom, 0.0}, {look.steepTo, 1.0}};
    rules.steep = steep;
    return rules;
}

std::string LookRulesText(const Look& look, const MaterialRules& rules, double lowest,
                          double highest) {
    const double range = highest - lowest;
    auto metres = [&](double value) {
        char number[64];
        const auto result = std::to_chars(number, number + sizeof number, Rounded(value, range),
                                          std::chars_format::fixed);
        return std::string(number, result.ptr) + " m";
    };
    std::string text = "# The look \"" + std::string(look.name) + "\": " + look.description +
                       ".\n# Written by marvane_materials for a level whose heights run from " +
                       metres(lowest) + " to " + metres(highest) +
                       ".\n# Edit the rules and apply them with: marvane_materials --rules\n";
    if (rules.high) text += FormatRule(*rules.high) + "\n";
    if (rules.steep) text += FormatRule(*rules.steep) + "\n";
    return text;
}

Status WriteLookSet(const std::string& data, const Look& look, double lowest, double highest,
                    double base, double fullScale, bool keepExisting, int& written) {
    namespace fs = std::filesystem;
    written = 0;
    const MaterialRules rules = LookRules(look, lowest, highest);
    const std::string text = LookRulesText(look, rules, lowest, highest);
    const HeightAxis axis{base, fullScale};
    const struct {
        const char* name;
        std::function<std::vector<std::uint8_t>()> bytes;
    } files[] = {
        {kLowTextureFile, [&] { return EncodeTga(look.low(kDefaultSeed)); }},
        {kHighTextureFile, [&] { return EncodeTga(look.high(kDefaultSeed)); }},
        {kSteepTextureFile, [&] { return EncodeTga(look.steep(kDefaultSeed)); }},
        {kHeightGradientFile, [&] { return EncodeTga(HeightGradientImage(*rules.high, axis)); }},
        {kAngleGradientFile, [&] { return EncodeTga(AngleGradientImage(*rules.steep)); }},
        {kRulesFile, [&] { return std::vector<std::uint8_t>(text.begin(), text.end()); }},
    };
    std::vector<platform::FileToWrite> toWrite;
    for (const auto& file : files) {
        const fs::path path = fs::path(data) / file.name;
        std::error_code error;
        if (keepExisting && fs::exists(path, error)) continue;
        toWrite.push_back({path.string(), file.bytes()});
    }
    if (Status s = platform::WriteFilesTogether(toWrite); !s.ok()) return s;
    written = static_cast<int>(toWrite.size());
    return Status();
}

}  // namespace materials
