#pragma once

#include <cstdint>

// Small deterministic noise for the sample level and its material textures. Everything here uses integer
// hashing and double arithmetic restricted to + - * / and floor, which IEEE
// rounds the same way on every compiler and C library, so one seed gives the
// same bytes on Linux and on Windows. No library random generators (their
// distributions are implementation-defined) and no sin/cos/exp/pow.
namespace noise {

// A well-mixed 32-bit hash of a seed and two lattice coordinates.
std::uint32_t HashLattice(std::uint64_t seed, std::int64_t x, std::int64_t y);

// The hash as a value in [-1, 1].
double LatticeValue(std::uint64_t seed, std::int64_t x, std::int64_t y);

// 3t² − 2t³ of t clamped to [0, 1].
double SmoothUnit(double t);

// 0 at or below edge0, 1 at or above edge1 (edge1 may be below edge0 for a
// falling step), smooth in between.
double SmoothStep(double edge0, double edge1, double x);

double Lerp(double a, double b, double t);

// Value noise in [-1, 1] with a smooth (C1) interpolation between lattice
// points at whole coordinates.
double ValueNoise(std::uint64_t seed, double x, double y);

// The same, but repeating every `period` lattice cells in both directions, so
// a texture built from it tiles without a seam.
double PeriodicValueNoise(std::uint64_t seed, double x, double y, std::int64_t period);

// Sum of `octaves` layers of value noise, each at twice the frequency and
// half the amplitude of the one before, normalised back to about [-1, 1].
double Fractal(std::uint64_t seed, double x, double y, int octaves);

// Periodic fractal noise over a square of `size` texels: the first octave has
// `basePeriod` lattice cells across the square, later ones double it.
double PeriodicFractal(std::uint64_t seed, double x, double y, double size, std::int64_t basePeriod,
                       int octaves);

// A small sequential generator (SplitMix64) for the few random choices of a
// level, such as where its plateau stands.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in [lo, hi).
    double Between(double lo, double hi);

private:
    std::uint64_t state_;
};

}  // namespace noise
