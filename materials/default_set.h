#pragma once

#include <cstdint>

#include <string>

#include "common/image/tga_image.h"
#include "common/status/status.h"

// The default material set, of the sample level and of a level that
// marvane_import makes from nothing, made procedurally: three 512 × 512
// Bgr24 textures and two 512 × 1 Grey8 gradient images, as the painter reads
// them from its data/ folder. The textures tile without a seam, since the
// painter repeats them across the primary map.
namespace materials {

// The seed of the default set's textures.
inline constexpr std::uint64_t kDefaultSeed = 1;

struct Colour {
    double red;
    double green;
    double blue;
};

// Ground of one kind with drier and darker patches and a fine speckle.
struct GroundPalette {
    Colour base;
    Colour dry;
    Colour dark;
};
TgaImage MakeGroundTexture(std::uint64_t seed, const GroundPalette& palette);

// Rock partly covered (by snow, by sand): more cover as coverFrom falls
// (-0.05 covers about half).
struct CoverPalette {
    Colour rock;
    Colour cover;
    double coverFrom;
};
TgaImage MakeCoveredRockTexture(std::uint64_t seed, const CoverPalette& palette);

// Rock in warped horizontal strata, with cracks.
struct StrataPalette {
    Colour stone;
    Colour crack;
};
TgaImage MakeStrataTexture(std::uint64_t seed, const StrataPalette& palette);

// Low ground: grass, with drier and darker patches and a fine speckle.
TgaImage MakeGrassTexture(std::uint64_t seed);
// High ground: grey rock about half covered by snow.
TgaImage MakeSnowRockTexture(std::uint64_t seed);
// Steep ground: brown-grey cliff rock in warped horizontal strata, with cracks.
TgaImage MakeCliffTexture(std::uint64_t seed);

// Entry k is the share of high ground at k / 511 of the full height range:
// none below 40 %, all above 60 %, a smooth ramp between.
TgaImage MakeHeightGradient();
// Entry k is the share of steep ground at a slope of k / 511 of a right angle:
// none up to 30°, all from 40°, so ground steeper than about 35° reads as cliff.
TgaImage MakeAngleGradient();

// Writes the default set (low.tga, high.tga, steep.tga, grad_height.tga,
// grad_angle.tga) into the folder `data`, which must exist; with
// `keepExisting` a file already there is left as it is. Gives how many
// files it wrote.
Status WriteDefaultSet(const std::string& data, std::uint64_t seed, bool keepExisting,
                       int& written);

}  // namespace materials
