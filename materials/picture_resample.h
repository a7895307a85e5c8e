#pragma once

#include <cstddef>

#include "materials/colour_planes.h"
#include "materials/picture.h"

namespace materials {

// A square of the picture, in its pixels: columns left to left + side - 1,
// rows (from the top) top to top + side - 1.
struct PictureSquare {
    size_t left = 0;
    size_t top = 0;
    size_t side = 0;
};

// The square resampled to outSide × outSide samples. Shrinking averages
// every pixel under a sample, by the share of it that the sample covers, so
// fine detail turns into its mean colour instead of into noise; enlarging
// interpolates with a Catmull-Rom cubic, which passes through the pixels and
// keeps edges sharper than a linear blend, reading the picture's pixels
// around the square where they exist. The square must lie inside the
// picture. The same bytes for any number of cores.
ColourPlanes ResampleSquare(const Picture& picture, const PictureSquare& square, size_t outSide);

}  // namespace materials
