#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "common/status/status.h"
#include "importer/height_grid.h"

// A PNG is decoded whole, and its samples are then held as floats: at most
// this many (5000 x 5000), so that an import stays within about 300 MiB.
// Larger heightmaps come as GeoTIFF or raw files, read a window at a time.
constexpr std::size_t kMaxPngSamples = 25000000;

// Whether the bytes begin with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> bytes);

// Decodes an 8- or 16-bit greyscale PNG held in memory into `grid` (values
// 0–255 or 0–65535). Colour, paletted, grey-with-alpha and 1/2/4-bit PNGs are
// refused with a message that says what to export instead, as are files cut
// short or corrupt and images of more than kMaxPngSamples; `name` is the
// file named in every message. On failure `grid` is left empty.
Status DecodePng(std::span<const std::uint8_t> bytes, const std::string& name, HeightGrid& grid);
