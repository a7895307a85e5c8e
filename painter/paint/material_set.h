#pragma once

#include "common/image/tga_image.h"
#include "materials/material_files.h"
#include "painter/paint/gradient_table.h"

// Side of every material texture; the map composers step through a
// texture's rows by this constant, so no other size is taken.
constexpr int MaterialSize = materials::kTextureSide;

// Where the five images of a material set are read from, in the order they
// are read.
struct MaterialPaths {
    const char* heightGradient;
    const char* angleGradient;
    const char* steepTexture;
    const char* highTexture;
    const char* lowTexture;
};

// What every map is painted with: three textures for low, high and steep
// ground and the two gradient tables that blend them by height and by slope.
// Never changes once loaded.
struct MaterialSet {
    // Bgr24, MaterialSize x MaterialSize, rows as stored in the file.
    TgaImage steepTexture;
    TgaImage highTexture;
    TgaImage lowTexture;

    // Share of high ground (against low) by normalised height, and share of
    // steep ground by slope, each at position k / 511.
    GradientTable heightGradient;
    GradientTable angleGradient;

    // Loads the five images in the order of MaterialPaths. The first that
    // cannot be used fails with its message ("ERROR: opening \"<path>\"" for
    // a gradient, "ERROR: reading \"<path>\"" for a texture); no later file
    // is opened.
    static MaterialSet Load(const MaterialPaths& paths);
};

// Whether an image can serve as a material texture: Bgr24, MaterialSize on
// each side. The composers read any other past its end.
bool IsMaterialTexture(const TgaImage& texture);
