#include "preview/material_view.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "common/image/tga_image.h"
#include "common/platform/read_file.h"
#include "level/level_names.h"
#include "materials/check.h"
#include "materials/gradients.h"
#include "materials/material_files.h"
#include "materials/rules.h"
#include "preview/gradient_curve.h"

namespace {

constexpr std::size_t kSide = materials::kTextureSide;
constexpr std::size_t kEntries = materials::kGradientLength;
// More than any rules file holds; a bigger file is read no further.
constexpr std::uint64_t kMostRulesBytes = 1 << 20;

// The texels the painter reads: 512 rows of 512 blue, green, red from the
// start of the pixel block, whatever the header says beyond what the check
// lets through.
bool ReadTexture(const char* path, std::vector<std::uint8_t>& rgb) {
    TgaImage image;
    if (!image.Load(path).ok() || image.format != Bgr24 || image.ByteCount() < kSide * kSide * 3) {
        return false;
    }
    rgb.resize(kSide * kSide * 3);
    const std::uint8_t* in = image.pixels.get();
    for (std::size_t i = 0; i < kSide * kSide; ++i) {
        rgb[i * 3] = in[i * 3 + 2];
        rgb[i * 3 + 1] = in[i * 3 + 1];
        rgb[i * 3 + 2] = in[i * 3];
    }
    return true;
}

// The first 512 bytes of the pixel block, as the painter takes them.
bool ReadGradient(const char* path, std::vector<std::uint8_t>& bytes) {
    TgaImage image;
    if (!image.Load(path).ok() || image.ByteCount() < kEntries) return false;
    bytes.assign(image.pixels.get(), image.pixels.get() + kEntries);
    return true;
}

std::string RulesFromTables(const MaterialView& view) {
    const materials::HeightAxis axis{view.base.value_or(0.0), view.fullScale};
    const materials::Rule high =
        RuleFromGradient(view.heightGradient.data(), materials::RuleKind::High,
                         [&](int k) { return axis.HeightAt(k); });
    const materials::Rule steep = RuleFromGradient(
        view.angleGradient.data(), materials::RuleKind::Steep, [](int k) { return materials::SlopeAt(k); });
    return "# read back from data/grad_height.tga and data/grad_angle.tga\n" +
           materials::FormatRule(high) + "\n" + materials::FormatRule(steep) + "\n";
}

// Whether the painter mirrored the textures, from the big maps of its last
// job: along one row of the second repetition (columns 512 to 1023, mirrored
// when the flag was set), the colour map is compared with the textures mixed
// by the detail map's weights, placed either way; the nearer wins.
std::optional<bool> MirrorFromMaps(const MaterialView& view) {
    TgaMappedFile colour;
    TgaMappedFile detail;
    if (!colour.Open(level::kColourBigMap).ok() || !detail.Open(level::kDetailBigMap).ok()) {
        return std::nullopt;
    }
    const TgaPixels& c = colour.Pixels();
    const TgaPixels& d = detail.Pixels();
    if (c.format != Bgr24 || d.format != Bgr24 || c.width != c.height || c.width < 2 * static_cast<std::int32_t>(kSide) ||
        d.width != c.width || d.height != c.height) {
        return std::nullopt;
    }
    const std::size_t side = static_cast<std::size_t>(c.width);
    // The first stored row: weight row side - 1 in a bottom-first file.
    const std::size_t y = (colour.Descriptor() & 0x20) != 0 ? 0 : side - 1;
    const std::size_t plainRow = y % kSide;
    const std::size_t mirroredRow = (y / kSide) % 2 == 1 ? kSide - 1 - plainRow : plainRow;
    double plainError = 0.0;
    double mirroredError = 0.0;
    for (std::size_t x = kSide; x < 2 * kSide; ++x) {
        const std::uint8_t* weights = d.pixels + x * 3;  // blue steep, green high, red low
        const std::uint8_t* painted = c.pixels + x * 3;  // blue, green, red
        for (const bool mirrored : {false, true}) {
            const std::size_t tx = mirrored ? kSide - 1 - x % kSide : x % kSide;
            const std::size_t o = ((mirrored ? mirroredRow : plainRow) * kSide + tx) * 3;
            double error = 0.0;
            for (std::size_t k = 0; k < 3; ++k) {  // red, green, blue of the textures
                const double mixed = (weights[2] * view.low[o + k] + weights[1] * view.high[o + k] +
                                      weights[0] * view.steep[o + k]) / 255.0;
                error += std::abs(mixed - painted[2 - k]);
            }
            (mirrored ? mirroredError : plainError) += error;
        }
    }
    if (plainError == mirroredError) return std::nullopt;
    return mirroredError < plainError;
}

}  // namespace

MaterialView ReadMaterialView(double fullScale, std::optional<double> base,
                              std::vector<std::string>& notes) {
    MaterialView view;
    view.fullScale = fullScale;
    view.base = base;
    const char* const textures[] = {materials::kLowTexturePath, materials::kHighTexturePath,
                                    materials::kSteepTexturePath};
    std::vector<std::uint8_t>* const into[] = {&view.low, &view.high, &view.steep};
    for (int i = 0; i < 3; ++i) {
        const materials::FileCheck check = materials::CheckTexture(textures[i]);
        if (check.Worst() >= materials::Severity::Wrong || !ReadTexture(textures[i], *into[i])) {
            notes.push_back(std::string("live materials off: ") + textures[i] + " is " +
                            (check.findings.empty() ? std::string("unreadable")
                                                    : check.Facts(check.Worst())) +
                            "; the painted colours are shown");
            return view;
        }
    }
    const char* const gradients[] = {materials::kHeightGradientPath, materials::kAngleGradientPath};
    std::vector<std::uint8_t>* const tables[] = {&view.heightGradient, &view.angleGradient};
    for (int i = 0; i < 2; ++i) {
        const materials::FileCheck check = materials::CheckGradient(gradients[i]);
        if (check.Worst() == materials::Severity::Refused || !ReadGradient(gradients[i], *tables[i])) {
            notes.push_back(std::string("live materials off: ") + gradients[i] + " is " +
                            (check.findings.empty() ? std::string("unreadable")
                                                    : check.Facts(check.Worst())) +
                            "; the painted colours are shown");
            return view;
        }
    }
    view.live = true;
    view.mirror = MirrorFromMaps(view);

    std::vector<std::uint8_t> text;
    std::error_code error;
    const std::string rulesPath = std::string(materials::kDataFolder) + "/" + materials::kRulesFile;
    if (std::filesystem::is_regular_file(rulesPath, error) &&
        platform::ReadFileStart(rulesPath.c_str(), text, kMostRulesBytes).ok()) {
        const std::string rules(text.begin(), text.end());
        materials::MaterialRules parsed;
        const Status read = materials::ParseRules(rules, rulesPath, parsed);
        if (read.ok()) {
            view.rules = rules;
            view.rulesFrom = rulesPath;
            return view;
        }
        notes.push_back(read.message().substr(7) + " (the rules are read back from the gradients)");
    }
    view.rules = RulesFromTables(view);
    view.rulesFrom = "the gradient images";
    return view;
}
