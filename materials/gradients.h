#pragma once

#include <cstdint>

#include "common/image/tga_image.h"
#include "materials/rules.h"

// The painter's two gradient images written from rules: 512 × 1 Grey8, one
// byte a table entry, the share rounded to the nearest of 0 to 255.
namespace materials {

// What the entries of the height table stand for: entry k is the height
// base + k / 511 × fullScale in metres, fullScale being the primary map's
// V × 65536 (the painter divides a height by it, so entry 511 lies at the
// top of the 16-bit range) and base the height of sample 0.
struct HeightAxis {
    double base = 0.0;
    double fullScale = 0.0;

    double HeightAt(int entry) const;
};

// The slope of entry k of the slope table, in degrees: k / 511 × 90.
double SlopeAt(int entry);

// The byte of a share: 0 for none, 255 for all, the nearest between.
std::uint8_t ShareByte(double share);

TgaImage HeightGradientImage(const Rule& high, const HeightAxis& axis);
TgaImage AngleGradientImage(const Rule& steep);

// The share a gradient's byte k stands for, to read a table back.
double ShareOfByte(std::uint8_t byte);

}  // namespace materials
