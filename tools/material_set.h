#pragma once

#include <cstdint>

#include "common/image/tga_image.h"

// The material set of the sample level, made procedurally: three 512 × 512
// Bgr24 textures and two 512 × 1 Grey8 gradient images, as the painter reads
// them from its data/ folder. The textures tile without a seam, since the
// painter repeats them across the primary map.
namespace sample_level {

inline constexpr int kMaterialSide = 512;
inline constexpr int kGradientLength = 512;

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

}  // namespace sample_level
