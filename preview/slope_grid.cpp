#include "preview/slope_grid.h"

#include <cmath>
#include <cstdint>

#include "common/parallel/parallel_rows.h"
#include "level/slope_kernel.h"

namespace {

float VertexSlope(const float* heights, std::size_t n, float spacing, std::size_t row,
                  std::size_t column) {
    const auto size = static_cast<std::int64_t>(n);
    const auto r = static_cast<std::int64_t>(row);
    const auto c = static_cast<std::int64_t>(column);
    const slope_kernel::TriangleArc arc = slope_kernel::TrianglesInside(r, c, size);
    float ring[8] = {};
    for (int k = 0; k < 8; ++k) {
        const std::int64_t rr = r + slope_kernel::kRingRow[k];
        const std::int64_t cc = c + slope_kernel::kRingColumn[k];
        if (rr >= 0 && rr < size && cc >= 0 && cc < size) {
            ring[k] = heights[static_cast<std::size_t>(rr * size + cc)];
        }
    }
    return slope_kernel::VertexSlope(heights[row * n + column], ring, spacing, arc);
}

// Where shrunk vertex i lies on the heightmap: its first vertex and how far
// towards the next.
struct Place {
    std::size_t first = 0;
    float fraction = 0.0f;
};

Place PlaceOf(std::size_t i, std::size_t n, std::size_t m) {
    if (m < 2) return {};
    const std::size_t scaled = i * (n - 1);  // exact: a vertex of the heightmap when m - 1 divides it
    Place place{scaled / (m - 1), 0.0f};
    const std::size_t rest = scaled % (m - 1);
    if (rest != 0) place.fraction = static_cast<float>(static_cast<double>(rest) / static_cast<double>(m - 1));
    return place;
}

}  // namespace

std::vector<float> ShrunkSlopes(const float* heights, std::size_t n, float spacing, std::size_t m) {
    std::vector<float> slopes(m * m);
    ParallelForRows(m, [&](std::size_t firstRow, std::size_t lastRow) {
        for (std::size_t i = firstRow; i < lastRow; ++i) {
            const Place y = PlaceOf(i, n, m);
            for (std::size_t j = 0; j < m; ++j) {
                const Place x = PlaceOf(j, n, m);
                const auto at = [&](std::size_t dy, std::size_t dx) {
                    return VertexSlope(heights, n, spacing, y.first + dy, x.first + dx);
                };
                float slope = at(0, 0);
                if (x.fraction != 0.0f) slope += (at(0, 1) - slope) * x.fraction;
                if (y.fraction != 0.0f) {
                    float lower = at(1, 0);
                    if (x.fraction != 0.0f) lower += (at(1, 1) - lower) * x.fraction;
                    slope += (lower - slope) * y.fraction;
                }
                slopes[i * m + j] = slope;
            }
        }
    });
    return slopes;
}
