#pragma once

// The material set of a level, as the painter reads it from the folder data/
// below its working folder: three colour textures (low, high and steep
// ground) and two gradient images (the share of high ground by height, of
// steep ground by slope), and the rules in metres and degrees that the
// gradients are written from.
namespace materials {

// Every texture is this many texels a side, 24-bit, uncompressed; the
// painter steps through a texture's rows by this constant.
inline constexpr int kTextureSide = 512;
// Entries of a gradient table: the first this many pixel bytes of its image.
inline constexpr int kGradientLength = 512;

// The folder below the working folder that holds the set.
inline constexpr char kDataFolder[] = "data";

// File names inside that folder.
inline constexpr char kLowTextureFile[] = "low.tga";
inline constexpr char kHighTextureFile[] = "high.tga";
inline constexpr char kSteepTextureFile[] = "steep.tga";
inline constexpr char kHeightGradientFile[] = "grad_height.tga";
inline constexpr char kAngleGradientFile[] = "grad_angle.tga";
inline constexpr char kRulesFile[] = "materials.txt";

// The same, as the painter opens them from its working folder.
inline constexpr char kLowTexturePath[] = "data/low.tga";
inline constexpr char kHighTexturePath[] = "data/high.tga";
inline constexpr char kSteepTexturePath[] = "data/steep.tga";
inline constexpr char kHeightGradientPath[] = "data/grad_height.tga";
inline constexpr char kAngleGradientPath[] = "data/grad_angle.tga";
inline constexpr char kRulesPath[] = "data/materials.txt";

}  // namespace materials
