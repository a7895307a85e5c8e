#include "tools/terrain_shape.h"

#include <algorithm>
#include <cmath>

#include "common/noise/noise.h"
#include "level/heightmap_samples.h"

namespace sample_level {

using namespace noise;

namespace {

// Separate noise streams for the separate features, all from one seed.
enum Stream : std::uint64_t {
    kHills = 1,
    kRidges = 2,
    kValleyCourse = 3,
    kValleyFloor = 4,
    kPlateauEdge = 5,
    kPlateauTop = 6,
    kLayout = 7,
};

std::uint64_t StreamSeed(std::uint64_t seed, Stream stream) {
    return seed * 0x100000001B3ull + static_cast<std::uint64_t>(stream) * 0x9E3779B97F4A7C15ull;
}

}  // namespace

TerrainShape::TerrainShape(std::uint64_t seed) : seed_(seed) {
    Random random(StreamSeed(seed, kLayout));
    valleyU_ = random.Between(0.26, 0.34);
    plateauU_ = random.Between(0.68, 0.74);
    plateauV_ = random.Between(0.50, 0.60);
    plateauRadius_ = random.Between(0.17, 0.20);
    plateauTop_ = random.Between(0.70, 0.76);
}

double TerrainShape::Height(double u, double v) const {
    // Rolling hills, mostly well below mid-height: the low ground.
    double z = 0.25 + 0.50 * Fractal(StreamSeed(seed_, kHills), u * 2.5, v * 2.5, 7);

    // Mountains north of the primary tile: a rising base with sharp ridges
    // (1 − |noise| peaks where the noise crosses zero).
    const double north = SmoothStep(0.5, -0.5, v);
    if (north > 0.0) {
        const double ridge =
            1.0 - std::fabs(Fractal(StreamSeed(seed_, kRidges), u * 4.0, v * 4.0, 6));
        z += north * (0.30 + 0.32 * ridge * ridge);
    }

    // The river valley: a flat floor falling gently to the south, a wide west
    // bank and a narrow, steeper east bank. It only ever lowers the ground.
    const double course =
        valleyU_ + 0.25 * Fractal(StreamSeed(seed_, kValleyCourse), 0.5, v * 1.2, 3);
    const double across = u - course;
    const double halfWidth = across < 0.0 ? 0.11 : 0.06;
    const double carve = SmoothStep(halfWidth, 0.25 * halfWidth, std::fabs(across));
    if (carve > 0.0) {
        const double floor =
            0.10 - 0.03 * v + 0.015 * Fractal(StreamSeed(seed_, kValleyFloor), u * 8.0, v * 8.0, 3);
        z = Lerp(z, std::min(z, floor), carve);
    }

    // The plateau: a rolling table-land on a ragged outline, ringed by cliffs
    // a few dozen samples wide. It only ever raises the ground.
    const double du = u - plateauU_;
    const double dv = v - plateauV_;
    const double distance = std::sqrt(du * du + dv * dv);
    const double radius = plateauRadius_ * (1.0 + 0.6 * Fractal(StreamSeed(seed_, kPlateauEdge),
                                                                u * 5.0, v * 5.0, 4));
    const double mask = SmoothStep(radius + 0.02, radius - 0.02, distance);
    if (mask > 0.0) {
        const double top =
            plateauTop_ + 0.04 * Fractal(StreamSeed(seed_, kPlateauTop), u * 6.0, v * 6.0, 4);
        z = Lerp(z, std::max(z, top), mask);
    }

    return std::clamp(z, 0.0, 1.0);
}

std::uint32_t QuantiseHeight(double fraction, int bits) {
    const double steps = level::FullSampleRange(bits == 16);
    const double top = steps - 1.0;
    const double value = fraction * steps + 0.5;
    if (!(value > 0.0)) return 0;
    if (value >= top) return static_cast<std::uint32_t>(top);
    return static_cast<std::uint32_t>(value);
}

std::vector<std::uint16_t> SamplePrimary(const TerrainShape& shape, int side) {
    const size_t n = static_cast<size_t>(side);
    std::vector<std::uint16_t> samples(n * n);
    const double last = static_cast<double>(side - 1);
    for (size_t r = 0; r < n; ++r) {
        const double v = static_cast<double>(r) / last;
        for (size_t c = 0; c < n; ++c) {
            const double u = static_cast<double>(c) / last;
            samples[r * n + c] = static_cast<std::uint16_t>(QuantiseHeight(shape.Height(u, v), 16));
        }
    }
    return samples;
}

std::vector<std::uint8_t> SampleSurrounding(const TerrainShape& shape, int side,
                                            const SurroundingTile& tile) {
    const size_t n = static_cast<size_t>(side);
    std::vector<std::uint8_t> samples(n * n);
    const double last = static_cast<double>(side - 1);
    for (size_t r = 0; r < n; ++r) {
        const double v = tile.row + static_cast<double>(r) / last;
        for (size_t c = 0; c < n; ++c) {
            const double u = tile.column + static_cast<double>(c) / last;
            samples[r * n + c] = static_cast<std::uint8_t>(QuantiseHeight(shape.Height(u, v), 8));
        }
    }
    return samples;
}

}  // namespace sample_level
