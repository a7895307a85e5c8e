#include "materials/default_set.h"

#include <cstddef>
#include <filesystem>
#include <system_error>

#include "common/noise/noise.h"
#include "materials/material_files.h"

namespace materials {

using namespace noise;

namespace {

Colour Mix(const Colour& a, const Colour& b, double t) {
    return {Lerp(a.red, b.red, t), Lerp(a.green, b.green, t), Lerp(a.blue, b.blue, t)};
}

Colour Scale(const Colour& c, double factor) {
    return {c.red * factor, c.green * factor, c.blue * factor};
}

std::uint8_t ToByte(double value) {
    if (!(value > 0.0)) return 0;
    if (value >= 255.0) return 255;
    return static_cast<std::uint8_t>(value + 0.5);
}

// Fills a 512 × 512 Bgr24 image texel by texel from a colour function of the
// texel's column and stored row.
template <typename ColourAt>
TgaImage MakeTexture(ColourAt colourAt) {
    TgaImage image = TgaImage::Make(Bgr24, kTextureSide, kTextureSide);
    std::uint8_t* out = image.pixels.get();
    for (int y = 0; y < kTextureSide; ++y) {
        for (int x = 0; x < kTextureSide; ++x) {
            const Colour c = colourAt(static_cast<double>(x), static_cast<double>(y));
            out[0] = ToByte(c.blue);
            out[1] = ToByte(c.green);
            out[2] = ToByte(c.red);
            out += 3;
        }
    }
    return image;
}

template <typename ValueAt>
TgaImage MakeGradient(ValueAt valueAt) {
    TgaImage image = TgaImage::Make(Grey8, kGradientLength, 1);
    for (int k = 0; k < kGradientLength; ++k) {
        const double t = static_cast<double>(k) / (kGradientLength - 1);
        image.pixels[static_cast<size_t>(k)] = ToByte(255.0 * valueAt(t));
    }
    return image;
}

std::uint64_t TextureSeed(std::uint64_t seed, std::uint64_t stream) {
    return seed * 0xC2B2AE3D27D4EB4Full + stream * 0x165667B19E3779F9ull;
}

// Per-texel noise: LatticeValue at whole coordinates inside the texture,
// which repeats with it.
double Speckle(std::uint64_t seed, double x, double y) {
    return LatticeValue(seed, static_cast<std::int64_t>(x), static_cast<std::int64_t>(y));
}

}  // namespace

TgaImage MakeGroundTexture(std::uint64_t seed, const GroundPalette& palette) {
    const double size = kTextureSide;
    return MakeTexture([&](double x, double y) {
        const double patch = PeriodicFractal(TextureSeed(seed, 11), x, y, size, 8, 4);
        const double clump = PeriodicFractal(TextureSeed(seed, 12), x, y, size, 32, 3);
        const double speckle = Speckle(TextureSeed(seed, 13), x, y);
        Colour c = palette.base;
        c = Mix(c, palette.dry, 0.45 * SmoothStep(0.1, 0.6, patch));
        c = Mix(c, palette.dark, 0.45 * SmoothStep(-0.1, -0.6, patch));
        return Scale(c, 1.0 + 0.14 * clump + 0.10 * speckle);
    });
}

TgaImage MakeCoveredRockTexture(std::uint64_t seed, const CoverPalette& palette) {
    const double size = kTextureSide;
    return MakeTexture([&](double x, double y) {
        const double grain = PeriodicFractal(TextureSeed(seed, 21), x, y, size, 8, 6);
        const double cover = PeriodicFractal(TextureSeed(seed, 22), x, y, size, 8, 5);
        const double speckle = Speckle(TextureSeed(seed, 23), x, y);
        const Colour stone = Scale(palette.rock, 1.0 + 0.22 * grain + 0.08 * speckle);
        const Colour drift = Scale(palette.cover, 1.0 - 0.05 * grain + 0.02 * speckle);
        return Mix(stone, drift, SmoothStep(palette.coverFrom, palette.coverFrom + 0.15, cover));
    });
}

TgaImage MakeStrataTexture(std::uint64_t seed, const StrataPalette& palette) {
    const double size = kTextureSide;
    return MakeTexture([&](double x, double y) {
        // Strata: a band value that changes along the rows, its rows bent by
        // a slow warp so the layers undulate; 64 bands of 8 texels repeat
        // exactly over the texture.
        const double warp = 14.0 * PeriodicFractal(TextureSeed(seed, 31), x, y, size, 4, 3);
        const double band =
            PeriodicValueNoise(TextureSeed(seed, 32), 0.5, (y + warp) * (64.0 / size), 64);
        const double rough = PeriodicFractal(TextureSeed(seed, 33), x, y, size, 16, 4);
        const double fissure = PeriodicFractal(TextureSeed(seed, 34), x, y, size, 8, 4);
        const double cracked = PeriodicFractal(TextureSeed(seed, 36), x, y, size, 4, 2);
        const double speckle = Speckle(TextureSeed(seed, 35), x, y);
        // Cracks follow the zero line of one noise, only where another allows.
        const double distance = fissure < 0.0 ? -fissure : fissure;
        const double crackShare = SmoothStep(0.022, 0.0, distance) * SmoothStep(0.0, 0.3, cracked);
        const Colour face = Scale(palette.stone, 1.0 + 0.28 * band + 0.18 * rough + 0.08 * speckle);
        return Mix(face, palette.crack, 0.75 * crackShare);
    });
}

TgaImage MakeGrassTexture(std::uint64_t seed) {
    return MakeGroundTexture(seed, {{72.0, 108.0, 40.0}, {128.0, 126.0, 70.0}, {40.0, 72.0, 30.0}});
}

TgaImage MakeSnowRockTexture(std::uint64_t seed) {
    return MakeCoveredRockTexture(seed, {{118.0, 114.0, 108.0}, {236.0, 240.0, 248.0}, -0.05});
}

TgaImage MakeCliffTexture(std::uint64_t seed) {
    return MakeStrataTexture(seed, {{112.0, 98.0, 84.0}, {44.0, 38.0, 34.0}});
}

TgaImage MakeHeightGradient() {
    return MakeGradient([](double t) { return SmoothStep(0.40, 0.60, t); });
}

TgaImage MakeAngleGradient() {
    // t is the slope as a fraction of a right angle.
    return MakeGradient([](double t) { return SmoothStep(30.0 / 90.0, 40.0 / 90.0, t); });
}

Status WriteDefaultSet(const std::string& data, std::uint64_t seed, bool keepExisting,
                       int& written) {
    namespace fs = std::filesystem;
    written = 0;
    const struct {
        TgaImage (*make)(std::uint64_t seed);
        const char* name;
    } files[] = {
        {MakeGrassTexture, kLowTextureFile},
        {MakeSnowRockTexture, kHighTextureFile},
        {MakeCliffTexture, kSteepTextureFile},
        {[](std::uint64_t) { return MakeHeightGradient(); }, kHeightGradientFile},
        {[](std::uint64_t) { return MakeAngleGradient(); }, kAngleGradientFile},
    };
    for (const auto& file : files) {
        const fs::path path = fs::path(data) / file.name;
        std::error_code error;
        if (keepExisting && fs::exists(path, error)) continue;
        if (Status s = file.make(seed).Save(path.string().c_str()); !s.ok()) return s;
        ++written;
    }
    return Status();
}

}  // namespace materials
