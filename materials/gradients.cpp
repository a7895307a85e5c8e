#include "materials/gradients.h"

#include <cstddef>

#include "materials/material_files.h"

namespace materials {

namespace {

constexpr double kLastEntry = kGradientLength - 1;

template <typename ShareOfEntry>
TgaImage Gradient(ShareOfEntry shareOf) {
    TgaImage image = TgaImage::Make(Grey8, kGradientLength, 1);
    for (int k = 0; k < kGradientLength; ++k) {
        image.pixels[static_cast<std::size_t>(k)] = ShareByte(shareOf(k));
    }
    return image;
}

}  // namespace

double HeightAxis::HeightAt(int entry) const {
    return base + static_cast<double>(entry) / kLastEntry * fullScale;
}

double SlopeAt(int entry) { return static_cast<double>(entry) / kLastEntry * 90.0; }

std::uint8_t ShareByte(double share) {
    if (!(share > 0.0)) return 0;
    if (share >= 1.0) return 255;
    return static_cast<std::uint8_t>(share * 255.0 + 0.5);
}

double ShareOfByte(std::uint8_t byte) { return byte / 255.0; }

TgaImage HeightGradientImage(const Rule& high, const HeightAxis& axis) {
    return Gradient([&](int k) { return high.ShareAt(axis.HeightAt(k)); });
}

TgaImage AngleGradientImage(const Rule& steep) {
    return Gradient([&](int k) { return steep.ShareAt(SlopeAt(k)); });
}

}  // namespace materials
