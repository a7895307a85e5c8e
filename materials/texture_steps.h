#pragma once

#include "common/image/tga_image.h"

// How well a texture repeats, in numbers a test or a person can compare.
//
// The colour step between two texels is the mean over their channels of the
// absolute difference of their bytes: for Bgr24 (|Δblue| + |Δgreen| +
// |Δred|) / 3, from 0 (the same colour) to 255.
namespace materials {

// The mean colour step across the wrap edges, where the texture meets its
// next copy: from the last column to the first in every row, and from the
// last stored row to the first in every column. 0 for an empty image.
double WrapEdgeStep(const TgaImage& image);

// The mean colour step between every two texels that are next to each other
// inside the texture, across and down. 0 for an image without neighbours.
// A texture repeats without a visible seam when its WrapEdgeStep is not
// much above its InsideStep (for a photo, within 1.5 times).
double InsideStep(const TgaImage& image);

}  // namespace materials
