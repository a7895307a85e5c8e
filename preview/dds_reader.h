#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/status/status.h"

// The first picture of a DDS file as 8-bit red, green, blue, alpha, top row
// first: the uncompressed 24- and 32-bit files our converter writes, and,
// since a user may put a converter of their own in its place, DXT1, DXT3
// and DXT5 files. Mipmaps after the first picture are not read.
struct RgbaPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 4
    // The file's own sides, which a shrunk picture no longer has.
    std::int32_t sourceWidth = 0;
    std::int32_t sourceHeight = 0;
};

// Sides beyond this are refused: far beyond any tile, and a hostile header
// must not ask for gigabytes.
inline constexpr std::int32_t kLargestDdsSide = 16384;

// Decodes `bytes`, the whole file. Fails with "ERROR: reading <name>
// (<reason>)" for anything else: not a DDS file, a format other than those
// above, a side of 0 or beyond the limit, or fewer bytes than the picture
// needs. Never reads past `bytes`, whatever the header claims.
Status DecodeDds(std::span<const std::uint8_t> bytes, const std::string& name,
                 RgbaPicture& picture);

// Decodes like DecodeDds, shrinking a picture wider or taller than
// `largestSide` by area averages to that many pixels on its longer side as it
// goes: only a picture of at most twice that side is held beside the file's
// bytes, never the whole one (a 16384 x 16384 texture would take 1 GiB).
// Sides within the limit are decoded as DecodeDds does.
Status DecodeDdsShrunk(std::span<const std::uint8_t> bytes, const std::string& name,
                       std::size_t largestSide, RgbaPicture& picture);
