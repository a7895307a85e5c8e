#include "importer/nodata_fill.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// Distances in 16 bits keep the fill's memory at 2 bytes a sample: the
// longest a sweep meets, 4 × (side − 1) along a diagonal plus one step,
// stays below the mark for "not yet reached" on grids up to 16383 a side
// (outputs stop at the painter's limit). Larger grids count in 32 bits, so that no
// distance can wrap round and pass for a short one.
constexpr std::size_t kLargestNarrowSide = 16383;

// Two sweeps of a chamfer distance transform that carry each distance's
// value along with it: down and right from the top-left corner, then up and
// left from the bottom-right one.
template <class Distance, class T>
std::size_t Fill(T* values, std::size_t width, std::size_t height) {
    constexpr Distance kFar = std::numeric_limits<Distance>::max();
    const std::size_t count = width * height;
    std::vector<Distance> distance(count, 0);
    std::size_t missing = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (std::isnan(values[i])) {
            distance[i] = kFar;
            ++missing;
        }
    }
    if (missing == 0 || missing == count) return 0;

    auto take = [&](std::size_t to, std::size_t from, unsigned step) {
        if (distance[from] == kFar) return;
        const Distance through = static_cast<Distance>(distance[from] + step);
        if (through < distance[to]) {
            distance[to] = through;
            values[to] = values[from];
        }
    };
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t i = y * width + x;
            if (distance[i] == 0) continue;
            if (x > 0) take(i, i - 1, 3);
            if (y > 0) {
                if (x > 0) take(i, i - width - 1, 4);
                take(i, i - width, 3);
                if (x + 1 < width) take(i, i - width + 1, 4);
            }
        }
    }
    for (std::size_t y = height; y-- > 0;) {
        for (std::size_t x = width; x-- > 0;) {
            const std::size_t i = y * width + x;
            if (distance[i] == 0) continue;
            if (x + 1 < width) take(i, i + 1, 3);
            if (y + 1 < height) {
                if (x + 1 < width) take(i, i + width + 1, 4);
                take(i, i + width, 3);
                if (x > 0) take(i, i + width - 1, 4);
            }
        }
    }
    return missing;
}

template <class T>
std::size_t FillAnySize(T* values, std::size_t width, std::size_t height) {
    if (width <= kLargestNarrowSide && height <= kLargestNarrowSide) {
        return Fill<std::uint16_t>(values, width, height);
    }
    return Fill<std::uint32_t>(values, width, height);
}

}  // namespace

std::size_t FillFromNearest(float* values, std::size_t width, std::size_t height) {
    return FillAnySize(values, width, height);
}

std::size_t FillFromNearest(double* values, std::size_t width, std::size_t height) {
    return FillAnySize(values, width, height);
}
