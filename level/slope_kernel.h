#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "level/float_lanes.h"

// The slope of one grid vertex from the triangles it forms with its eight
// neighbours. Every slope in the painter and in the preview comes from here,
// so the order and precision of each step below decide output bytes: the
// vector arithmetic and the lengths that make vectors unit in single
// precision, the final angle in double, stored as float. It lives below the
// painter so that the preview, which may not reach into the painter, shares it.

namespace slope_kernel {

// The neighbour ring, (row step, column step) of P0 to P7. Triangle k is the
// centre with Pk and P(k+1), P8 being P0; in this order every triangle's
// normal points up.
inline constexpr int kRingRow[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
inline constexpr int kRingColumn[8] = {0, -1, -1, -1, 0, 1, 1, 1};

// 2 / pi in single precision: a right angle scales to 1 (to within rounding).
inline constexpr float kRightAngleToOne = 0.63661975f;
static_assert(std::bit_cast<std::uint32_t>(kRightAngleToOne) == 0x3F22F983u);

// The triangles a vertex uses: `count` of them, from `first` on around the
// ring (k, k + 1, ... modulo 8). The sum of the normals is taken in this order.
struct TriangleArc {
    int first = 0;
    int count = 0;
};

inline constexpr TriangleArc kAllTriangles{0, 8};

// The edge policy, in one place: a vertex uses exactly the triangles whose two
// neighbours both lie in the grid. On an edge that is the half fan facing
// inwards (four triangles); at a corner the quarter fan (two triangles), which
// gives corners a slope from the same geometry as their edges rather than an
// invented constant, so a tilted plane keeps its slope into the corners. The
// arc starts after the gap, so the bottom row sums 6, 7, 0, 1 in that order.
// Only a 1 x 1 grid leaves a vertex without triangles.
inline TriangleArc TrianglesInside(std::int64_t row, std::int64_t column, std::int64_t size) {
    bool neighbourInside[8];
    for (int k = 0; k < 8; ++k) {
        const std::int64_t r = row + kRingRow[k], c = column + kRingColumn[k];
        neighbourInside[k] = r >= 0 && r < size && c >= 0 && c < size;
    }
    bool triangleInside[8];
    TriangleArc arc;
    for (int k = 0; k < 8; ++k) {
        triangleInside[k] = neighbourInside[k] && neighbourInside[(k + 1) & 7];
        arc.count += triangleInside[k] ? 1 : 0;
    }
    if (arc.count == 8 || arc.count == 0) return arc;
    for (int k = 0; k < 8; ++k) {
        if (triangleInside[k] && !triangleInside[(k + 7) & 7]) arc.first = k;
    }
    return arc;
}

// The vector steps are written once for any lane type: a float, or Float4
// (four vertices side by side, bit for bit the same per lane).
template <class F>
struct Vec3 {
    F x, y, z;
};

template <class F>
F Length(const Vec3<F>& v) {
    return Sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// A zero vector stays as it is: nothing is ever divided by a zero length.
template <class F>
Vec3<F> Unit(const Vec3<F>& v) {
    const F length = Length(v);
    return {SelectNonZero(length, v.x / length, v.x), SelectNonZero(length, v.y / length, v.y),
            SelectNonZero(length, v.z / length, v.z)};
}

template <class F>
Vec3<F> Cross(const Vec3<F>& u, const Vec3<F>& w) {
    return {u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z, u.x * w.y - u.y * w.x};
}

// The unit normal of the vertex with height `centre`, whose neighbours P0 to
// P7 have the heights `ring`, on a grid with `spacing` between samples: the
// triangle normals of `arc`, summed in arc order with equal weight whatever
// their shape, then made unit length. Only the ring entries of neighbours in
// `arc` are read.
template <class F>
Vec3<F> MeanNormal(F centre, const F ring[8], F spacing, TriangleArc arc) {
    // Unit edge vectors from the centre to P(first) ... P(first + count): each
    // is shared by two neighbouring triangles and computed once.
    Vec3<F> edge[9];
    const int edges = arc.count == 8 ? 8 : arc.count + 1;
    for (int e = 0; e < edges; ++e) {
        const int k = (arc.first + e) & 7;
        const F row = Broadcast<F>(static_cast<float>(kRingRow[k]));
        const F column = Broadcast<F>(static_cast<float>(kRingColumn[k]));
        edge[e] = Unit(Vec3<F>{row * spacing, ring[k] - centre, column * spacing});
    }
    if (arc.count == 8) edge[8] = edge[0];
    Vec3<F> sum = {Broadcast<F>(0.0f), Broadcast<F>(0.0f), Broadcast<F>(0.0f)};
    for (int i = 0; i < arc.count; ++i) {
        const Vec3<F> t = Unit(Cross(edge[i + 1], edge[i]));  // P(k+1) x Pk points up
        sum = {sum.x + t.x, sum.y + t.y, sum.z + t.z};
    }
    return Unit(sum);
}

// The angle between a unit normal and the vertical, a right angle scaled to 1.
// The normal's length, the quotient and the arc cosine are taken in double:
// a single-precision length would round 1/sqrt(2) normals to a 45-degree
// slope of 0.49999994 instead of 0.49999997. The quotient never exceeds 1 (the
// squares of floats are exact in double), and is exactly 1 for level ground.
inline float SlopeOfNormal(float x, float y, float z) {
    const double nx = x, ny = y, nz = z;
    const double cosine = ny / std::sqrt(nx * nx + ny * ny + nz * nz);
    return static_cast<float>(std::acos(cosine) * static_cast<double>(kRightAngleToOne));
}

// The slope of one vertex (see MeanNormal), 0 level to 1 vertical. Needs
// spacing != 0, which makes every length positive, and height differences
// within 1e18 (the heightmap reader's limit), which keeps every square in range.
inline float VertexSlope(float centre, const float ring[8], float spacing, TriangleArc arc) {
    if (arc.count == 0) return 0.0f;  // a lone vertex: nothing tilts it
    const Vec3<float> n = MeanNormal(centre, ring, spacing, arc);
    return SlopeOfNormal(n.x, n.y, n.z);
}

}  // namespace slope_kernel
