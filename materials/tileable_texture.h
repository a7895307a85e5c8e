#pragma once

#include "common/image/tga_image.h"
#include "materials/picture.h"

// A material texture made from a level author's picture: the picture's
// centre square, resampled to 512 × 512 texels and made to repeat without a
// seam, at the scale on the ground the author gave.
namespace materials {

// How a picture is laid on its texture.
struct TextureScale {
    // Copies of the picture across (and as many down) the texture: 1 to
    // kMaxRepeats.
    int repeats = 1;
    // The side of the part of the picture's centre square that is used, as
    // a share of the square's side: above 0, up to 1.
    double cropFraction = 1.0;
};

// More copies would leave fewer than 8 texels to a picture.
inline constexpr int kMaxRepeats = 64;

// The scale that keeps the ground in the picture near its true size, when
// the picture's centre square (its shorter side) shows `pictureMetres` of
// ground and one repetition of a texture covers `repetitionMetres` (128 ×
// the level's spacing between height samples): the picture is repeated
// ceil(repetitionMetres / pictureMetres) times across (at most kMaxRepeats),
// each copy the centre of the square that keeps the ground at its true
// size; when a repetition covers less than the picture shows, the centre
// repetitionMetres / pictureMetres of the square is used once. Only a
// picture so small that it would need more than kMaxRepeats copies shows
// larger than it is. Values that are not positive and finite give the
// default: the whole square, once.
TextureScale ScaleForGround(double pictureMetres, double repetitionMetres);

// The ground that the picture's whole centre square covers when laid at
// `scale` on a texture repeated every `repetitionMetres`: for the author,
// "one picture covers 37.5 m".
double GroundPerPicture(const TextureScale& scale, double repetitionMetres);

struct TileableTexture {
    // 512 × 512 Bgr24, rows stored bottom row first as in every TGA file the
    // system writes, so that the picture shows upright in a viewer.
    TgaImage image;
    // The scale as used: repeats within 1 to kMaxRepeats, and the crop as
    // the whole number of pixels it came to (at least one).
    TextureScale scale;
};

// The texture of a picture at `scale`: the centre square of the picture
// (the centre `cropFraction` of it), resampled to 512 / repeats texels a
// side (area averages when shrinking, a cubic when enlarging) by way of a
// 512 × 512 working copy whose seams are taken out with its periodic
// component (see periodic_component.h), then repeated `repeats` times across
// and down by averaging that copy around its wrap edges, so the texture
// still tiles. The bytes are the same on every machine and for any number
// of cores. An empty picture gives an empty image. Holds no more than a few
// 512 × 512 planes beside the picture.
TileableTexture MakeTileableTexture(const Picture& picture, const TextureScale& scale = {});

}  // namespace materials
