#include "materials/tileable_texture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "materials/colour_planes.h"
#include "materials/material_files.h"
#include "materials/periodic_component.h"
#include "materials/picture_resample.h"

namespace materials {

namespace {

constexpr size_t kSide = kTextureSide;

bool Usable(double value) { return std::isfinite(value) && value > 0.0; }

// A scale's crop, the whole square when it is not a share.
double CropOf(const TextureScale& scale) {
    return Usable(scale.cropFraction) && scale.cropFraction <= 1.0 ? scale.cropFraction : 1.0;
}

// The working copy repeated `repeats` times across and down within the same
// side: texel x averages the copy's texels x × repeats to x × repeats +
// repeats - 1, counted around the wrap edges, so that what leaves one edge
// comes back at the other and the texture still tiles. Across, then down.
ColourPlanes Repeat(const ColourPlanes& planes, size_t repeats) {
    const size_t n = planes.side;
    const double count = static_cast<double>(repeats);
    ColourPlanes out = ColourPlanes::Make(n);
    std::vector<double> across(n * n);
    for (size_t c = 0; c < planes.channel.size(); ++c) {
        const std::vector<double>& in = planes.channel[c];
        for (size_t y = 0; y < n; ++y) {
            for (size_t x = 0; x < n; ++x) {
                double sum = 0.0;
                for (size_t k = 0; k < repeats; ++k) sum += in[y * n + (x * repeats + k) % n];
                across[y * n + x] = sum / count;
            }
        }
        for (size_t y = 0; y < n; ++y) {
            for (size_t x = 0; x < n; ++x) {
                double sum = 0.0;
                for (size_t k = 0; k < repeats; ++k) sum += across[((y * repeats + k) % n) * n + x];
                out.channel[c][y * n + x] = sum / count;
            }
        }
    }
    return out;
}

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0));
}

// The planes' top row is the texture's last stored row.
TgaImage ToTexture(const ColourPlanes& planes) {
    const size_t n = planes.side;
    TgaImage image =
        TgaImage::Make(Bgr24, static_cast<std::int32_t>(n), static_cast<std::int32_t>(n));
    for (size_t stored = 0; stored < n; ++stored) {
        const size_t y = n - 1 - stored;
        std::uint8_t* out = image.pixels.get() + stored * n * 3;
        for (size_t x = 0; x < n; ++x) {
            out[x * 3 + 0] = ToByte(planes.channel[2][y * n + x]);
            out[x * 3 + 1] = ToByte(planes.channel[1][y * n + x]);
            out[x * 3 + 2] = ToByte(planes.channel[0][y * n + x]);
        }
    }
    return image;
}

}  // namespace

TextureScale ScaleForGround(double pictureMetres, double repetitionMetres) {
    TextureScale scale;
    if (!Usable(pictureMetres) || !Usable(repetitionMetres)) return scale;
    const double ratio = repetitionMetres / pictureMetres;
    if (!Usable(ratio)) return scale;
    // As many whole copies as it takes, each cropped to keep the ground at
    // its true size: rounding the copies instead would stretch or squeeze the
    // ground by up to a third. A hair above a whole number still counts as it.
    const double copies = std::ceil(ratio - 1e-9);
    scale.repeats = copies >= kMaxRepeats ? kMaxRepeats : std::max(1, static_cast<int>(copies));
    scale.cropFraction = std::min(1.0, ratio / scale.repeats);
    return scale;
}

double GroundPerPicture(const TextureScale& scale, double repetitionMetres) {
    const double repeats = static_cast<double>(std::clamp(scale.repeats, 1, kMaxRepeats));
    return repetitionMetres / repeats / CropOf(scale);
}

TileableTexture MakeTileableTexture(const Picture& picture, const TextureScale& scale) {
    TileableTexture texture;
    texture.scale.repeats = std::clamp(scale.repeats, 1, kMaxRepeats);
    const double crop = CropOf(scale);
    texture.scale.cropFraction = crop;
    if (picture.ByteCount() == 0) return texture;

    const size_t width = size_t(picture.width), height = size_t(picture.height);
    const size_t whole = std::min(width, height);
    const size_t side = std::clamp(
        static_cast<size_t>(std::floor(static_cast<double>(whole) * crop + 0.5)), size_t{1}, whole);
    texture.scale.cropFraction = static_cast<double>(side) / static_cast<double>(whole);
    const PictureSquare square{(width - side) / 2, (height - side) / 2, side};

    ColourPlanes planes = ResampleSquare(picture, square, kSide);
    KeepPeriodicComponent(planes);
    if (texture.scale.repeats > 1) planes = Repeat(planes, size_t(texture.scale.repeats));
    texture.image = ToTexture(planes);
    return texture;
}

}  // namespace materials
