#include "preview/slope_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "painter/terrain/height_field.h"

namespace {

// Rough ground: the painter's own normal map for it.
HeightField Rough(std::size_t n, float spacing) {
    HeightField field;
    field.size = static_cast<std::int32_t>(n);
    field.horizontalScale = spacing;
    field.heights.resize(n * n);
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = 0; c < n; ++c) {
            field.heights[r * n + c] = static_cast<float>(std::sin(0.7 * r) * 9.0 + std::cos(1.3 * c) * 5.0 +
                                                          static_cast<double>((r * 31 + c * 17) % 7));
        }
    }
    field.BuildNormalMap();
    return field;
}

// On the heightmap's own vertices (the whole grid, or every fourth vertex of
// 4097 shrunk to 1025, here 17 to 5) the preview's slopes are the painter's,
// bit for bit; between them a mix of the four around.
TEST(ShrunkSlopes, ThePaintersSlopesAtItsVertices) {
    for (const std::size_t m : {17u, 5u, 9u}) {
        const HeightField field = Rough(17, 2.5f);
        const std::vector<float> slopes = ShrunkSlopes(field.heights.data(), 17, 2.5f, m);
        const std::size_t step = 16 / (m - 1);
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = 0; j < m; ++j) {
                EXPECT_EQ(slopes[i * m + j], field.normalMap[i * step * 17 + j * step]) << m << " " << i << "," << j;
            }
        }
    }
    const HeightField field = Rough(17, 2.5f);
    // Shrunk to 7, vertex 1 lies 2 2/3 vertices along the first row.
    const std::vector<float> between = ShrunkSlopes(field.heights.data(), 17, 2.5f, 7);
    const float expected = field.normalMap[2] + (field.normalMap[3] - field.normalMap[2]) * (2.0f / 3.0f);
    EXPECT_NEAR(between[1], expected, 1e-6);
}

}  // namespace
