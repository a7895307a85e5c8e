#pragma once

#include <cstddef>

// Gives every NaN (no data) in a grid the value of the nearest sample that
// holds one, distances measured by steps along rows, columns and diagonals
// (3 for a straight step, 4 for a diagonal one): the ground along a
// reprojected model's edge continues as it was instead of dropping to the
// lowest height. Ties go to the sample met first, so the result is the same
// on every machine. Returns how many samples were filled; a grid without a
// valid sample is left as it is.
std::size_t FillFromNearest(float* values, std::size_t width, std::size_t height);
std::size_t FillFromNearest(double* values, std::size_t width, std::size_t height);
