#pragma once

#include <cstddef>
#include <vector>

// The median slope of a heightmap, in degrees from level: side × side
// values (times metresPerUnit, in metres) lying spacingX by spacingY metres
// apart. Measured between neighbours along every row and column of a
// sample of at most about 257 of each, so that it costs little whatever the
// side. Real ground rarely has a median above 40°; one far above says that
// the spacing or the vertical scale is not what the input means.
double MedianSlopeDegrees(const std::vector<double>& values, std::size_t side, double metresPerUnit,
                          double spacingX, double spacingY);
