#include "common/noise/noise.h"

#include <cmath>

namespace noise {

namespace {

std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 31;
    return h;
}

std::int64_t Wrap(std::int64_t i, std::int64_t period) {
    const std::int64_t r = i % period;
    return r < 0 ? r + period : r;
}

// Interpolates the four lattice values around (x, y); `period` 0 means no
// wrapping. floor is exact, so the cell chosen never depends on the platform.
double LatticeNoise(std::uint64_t seed, double x, double y, std::int64_t period) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    std::int64_t x0 = static_cast<std::int64_t>(fx);
    std::int64_t y0 = static_cast<std::int64_t>(fy);
    std::int64_t x1 = x0 + 1;
    std::int64_t y1 = y0 + 1;
    if (period > 0) {
        x0 = Wrap(x0, period);
        x1 = Wrap(x1, period);
        y0 = Wrap(y0, period);
        y1 = Wrap(y1, period);
    }
    const double tx = SmoothUnit(x - fx);
    const double ty = SmoothUnit(y - fy);
    const double top = Lerp(LatticeValue(seed, x0, y0), LatticeValue(seed, x1, y0), tx);
    const double bottom = Lerp(LatticeValue(seed, x0, y1), LatticeValue(seed, x1, y1), tx);
    return Lerp(top, bottom, ty);
}

}  // namespace

std::uint32_t HashLattice(std::uint64_t seed, std::int64_t x, std::int64_t y) {
    std::uint64_t h = Mix(seed ^ 0x9E3779B97F4A7C15ull);
    h = Mix(h ^ (static_cast<std::uint64_t>(x) * 0xD6E8FEB86659FD93ull));
    h = Mix(h ^ (static_cast<std::uint64_t>(y) * 0xA0761D6478BD642Full));
    return static_cast<std::uint32_t>(h >> 32);
}

double LatticeValue(std::uint64_t seed, std::int64_t x, std::int64_t y) {
    return static_cast<double>(HashLattice(seed, x, y)) * (1.0 / 2147483648.0) - 1.0;
}

double SmoothUnit(double t) {
    if (t <= 0.0) return 0.0;
    if (t >= 1.0) return 1.0;
    return t * t * (3.0 - 2.0 * t);
}

double SmoothStep(double edge0, double edge1, double x) {
    return SmoothUnit((x - edge0) / (edge1 - edge0));
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

double ValueNoise(std::uint64_t seed, double x, double y) { return LatticeNoise(seed, x, y, 0); }

double PeriodicValueNoise(std::uint64_t seed, double x, double y, std::int64_t period) {
    return LatticeNoise(seed, x, y, period);
}

double Fractal(std::uint64_t seed, double x, double y, int octaves) {
    double sum = 0.0;
    double weight = 0.0;
    double amplitude = 1.0;
    double frequency = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Each octave has its own lattice values and a shifted origin, so
        // their lattice points do not line up into a visible grid.
        const double shift = 17.0 * octave;
        sum += amplitude * ValueNoise(seed + 1013u * static_cast<std::uint64_t>(octave),
                                      x * frequency + shift, y * frequency - shift);
        weight += amplitude;
        amplitude *= 0.5;
        frequency *= 2.0;
    }
    return sum / weight;
}

double PeriodicFractal(std::uint64_t seed, double x, double y, double size, std::int64_t basePeriod,
                       int octaves) {
    double sum = 0.0;
    double weight = 0.0;
    double amplitude = 1.0;
    std::int64_t period = basePeriod;
    for (int octave = 0; octave < octaves; ++octave) {
        const double cells = static_cast<double>(period) / size;
        sum += amplitude * PeriodicValueNoise(seed + 7919u * static_cast<std::uint64_t>(octave),
                                              x * cells, y * cells, period);
        weight += amplitude;
        amplitude *= 0.5;
        period *= 2;
    }
    return sum / weight;
}

std::uint64_t Random::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    return Mix(state_);
}

double Random::Between(double lo, double hi) {
    const double unit = static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
    return lo + (hi - lo) * unit;
}

}  // namespace noise
