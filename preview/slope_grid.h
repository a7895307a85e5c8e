#pragma once

#include <cstddef>
#include <vector>

// The painter's slopes (0 level, 1 vertical) at the vertices of a heightmap
// shrunk from n to m vertices a side (m <= n), computed for those vertices
// alone: where a shrunk vertex falls on a vertex of the heightmap, that
// vertex's slope, bit for bit the painter's; between, the bilinear mix of the
// four around it, as the painter samples slopes. Row after row, on every core.
std::vector<float> ShrunkSlopes(const float* heights, std::size_t n, float spacing, std::size_t m);
