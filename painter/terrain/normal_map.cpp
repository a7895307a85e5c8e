#include <cstddef>
#include <cstdint>

#include "common/parallel/parallel_rows.h"
#include "common/status/status.h"
#include "painter/terrain/height_field.h"
#include "level/slope_kernel.h"

namespace {

using slope_kernel::TriangleArc;

// A vertex on the border: neighbours outside the grid are given the centre's
// height, which the kernel never reads because the edge policy leaves their
// triangles out.
float BorderSlope(const float* heights, std::int64_t size, std::int64_t row, std::int64_t column,
                  float spacing) {
    const float centre = heights[row * size + column];
    float ring[8];
    for (int k = 0; k < 8; ++k) {
        const std::int64_t r = row + slope_kernel::kRingRow[k];
        const std::int64_t c = column + slope_kernel::kRingColumn[k];
        const bool inside = r >= 0 && r < size && c >= 0 && c < size;
        ring[k] = inside ? heights[r * size + c] : centre;
    }
    const TriangleArc arc = slope_kernel::TrianglesInside(row, column, size);
    return slope_kernel::VertexSlope(centre, ring, spacing, arc);
}

void FillSlopeRow(const float* heights, float* slopes, std::int64_t size, std::int64_t row,
                  float spacing) {
    if (row == 0 || row == size - 1) {
        for (std::int64_t c = 0; c < size; ++c) {
            slopes[row * size + c] = BorderSlope(heights, size, row, c, spacing);
        }
        return;
    }
    slopes[row * size] = BorderSlope(heights, size, row, 0, spacing);
    // Inside the grid every neighbour exists: no bounds tests, the whole fan,
    // four vertices at a time while four remain.
    const float* above = heights + (row - 1) * size;
    const float* here = heights + row * size;
    const float* below = heights + (row + 1) * size;
    float* out = slopes + row * size;
    const Float4 spacing4 = Float4::Splat(spacing);
    std::int64_t c = 1;
    for (; c + 4 <= size - 1; c += 4) {
        const Float4 ring[8] = {Float4::Load(above + c),    Float4::Load(above + c - 1),
                                Float4::Load(here + c - 1), Float4::Load(below + c - 1),
                                Float4::Load(below + c),    Float4::Load(below + c + 1),
                                Float4::Load(here + c + 1), Float4::Load(above + c + 1)};
        const slope_kernel::Vec3<Float4> n = slope_kernel::MeanNormal(
            Float4::Load(here + c), ring, spacing4, slope_kernel::kAllTriangles);
        float nx[4], ny[4], nz[4];
        n.x.Store(nx);
        n.y.Store(ny);
        n.z.Store(nz);
        for (int lane = 0; lane < 4; ++lane) {
            out[c + lane] = slope_kernel::SlopeOfNormal(nx[lane], ny[lane], nz[lane]);
        }
    }
    for (; c < size - 1; ++c) {
        const float ring[8] = {above[c], above[c - 1], here[c - 1], below[c - 1],
                               below[c], below[c + 1], here[c + 1], above[c + 1]};
        out[c] = slope_kernel::VertexSlope(here[c], ring, spacing, slope_kernel::kAllTriangles);
    }
    slopes[row * size + size - 1] = BorderSlope(heights, size, row, size - 1, spacing);
}

}  // namespace

void HeightField::BuildNormalMap() {
    if (!normalMap.empty()) Fail("ERROR: normal map already exists!");
    const std::int64_t side = size;
    if (side < 1 ||
        heights.size() != static_cast<std::uint64_t>(side) * static_cast<std::uint64_t>(side)) {
        Fail("ERROR: normal map of a %d x %d grid needs as many heights, not %zu", size, size,
             heights.size());
    }
    normalMap.assign(heights.size(), 0.0f);
    // Every vertex depends only on its own neighbourhood, so bands of rows run
    // on separate threads and the map is the same for any number of them.
    const float* source = heights.data();
    float* slopes = normalMap.data();
    const float spacing = horizontalScale;
    ParallelForRows(static_cast<std::size_t>(side), [=](std::size_t first, std::size_t last) {
        for (std::size_t row = first; row < last; ++row) {
            FillSlopeRow(source, slopes, side, static_cast<std::int64_t>(row), spacing);
        }
    });
}
