#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/image/tga_image.h"
#include "materials/material_files.h"

// Entries of a gradient table: one per possible position along the height
// range or the slope, from 0 to 511.
constexpr int kGradientSize = materials::kGradientLength;

// Turns a normalised height or a slope into a blend factor in [0, 1]. Made
// from the first 512 pixel bytes of a TGA image, one entry per byte, whatever
// the image's format or size; the image is not kept.
struct GradientTable {
    std::array<float, kGradientSize> entries{};

    // The table of an image; false when it holds fewer than 512 pixel bytes.
    static bool FromImage(const TgaImage& image, GradientTable& table);
    // Loads the image at `path`; fails with "ERROR: opening \"<path>\"" when
    // it cannot be loaded or holds fewer than 512 pixel bytes.
    static GradientTable Load(const char* path);

    float operator[](int k) const { return entries[static_cast<std::size_t>(k)]; }
};

// A byte of a gradient image as a table entry: 255 gives exactly 1.0.
float GradientEntry(std::uint8_t byte);
