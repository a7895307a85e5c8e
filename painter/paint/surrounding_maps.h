#pragma once

#include "common/image/tga_image.h"
#include "painter/paint/material_set.h"
#include "painter/terrain/height_field.h"

// The two maps of one surrounding terrain, each MaterialSize x MaterialSize
// Bgr24, rows stored bottom (weight row 511) first like every map.
struct SurroundingMaps {
    TgaImage colour;     // the textures mixed by the weights
    TgaImage lowDetail;  // blue steep, green nothing, red all the rest
};

// Paints a surrounding terrain over its height field: one texture texel per
// map texel, never repeated or mirrored, since a surrounding map is exactly
// one texture wide. On every core; the same bytes for any number of threads.
SurroundingMaps PaintSurroundingMaps(const MaterialSet& materials, const HeightField& field);
