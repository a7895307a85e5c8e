#pragma once

#include <cstdint>
#include <string>

#include "common/status/status.h"
#include "level/level_names.h"

// Writes a complete sample level for the painter:
//
//   <out>/ the settings file             terrain settings (CRLF line ends)
//   <out>/ the primary heightmap         primary × primary 16-bit samples
//   <out>/ the eight surrounding ones    secondary × secondary 8-bit samples
//   <out>/paint/data/low.tga, high.tga, steep.tga           512 × 512 Bgr24
//   <out>/paint/data/grad_height.tga, grad_angle.tga        512 × 1 Grey8
//
// The painter runs in <out>/paint. Every byte follows from the options alone.
namespace sample_level {

struct LevelOptions {
    std::string out;  // the level folder; created with its parents if missing
    int primarySide = 1025;
    int secondarySide = 257;
    std::uint64_t seed = 1;
};

// Sides outside this range are refused: below 3 there is no interior to
// shade, and above it the painter's primary map (4 × (side − 1) texels
// across) would not fit a TGA header.
inline constexpr int kMinSide = 3;
inline constexpr int kMaxSide = level::kLargestPrimarySize;

// The whole-number distance between samples that keeps a tile of `side`
// samples about 2048 world units wide, so that slopes, and with them the
// cliffs, look alike at every resolution.
int HorizontalScale(int side);

// The text of the level's settings file for these options.
std::string SettingsText(const LevelOptions& options);

// Writes every file of the level. Fails, with a message that begins
// "ERROR: ", when a folder cannot be made or a file cannot be written in
// full; a file that failed leaves the one of its name as it was.
Status WriteLevel(const LevelOptions& options);

}  // namespace sample_level
