#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "common/status/status.h"
#include "importer/height_grid.h"

// Whether the bytes begin with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> bytes);

// Decodes an 8- or 16-bit greyscale PNG held in memory into `grid` (values
// 0–255 or 0–65535). Colour, paletted, grey-with-alpha and 1/2/4-bit PNGs are
// refused with a message that says what to export instead, as are files cut
// short or corrupt; `name` is the file named in every message. On failure
// `grid` is left empty.
Status DecodePng(std::span<const std::uint8_t> bytes, const std::string& name, HeightGrid& grid);
