#include "level/heightmap_samples.h"

#include <cmath>

namespace level {

std::uint64_t HeightmapBytes(std::int64_t side, bool sixteenBit) {
    const std::uint64_t n = side > 0 ? static_cast<std::uint64_t>(side) : 0;
    return n * n * SampleBytes(sixteenBit);
}

std::optional<std::uint64_t> ExactSide(std::uint64_t length, bool sixteenBit) {
    const std::uint64_t bytes = SampleBytes(sixteenBit);
    if (length == 0 || length % bytes != 0) return std::nullopt;
    const std::uint64_t samples = length / bytes;
    // The root in double precision is within one of the true one; the
    // comparisons divide rather than square, so that nothing overflows.
    std::uint64_t side = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(samples)));
    if (side > 0 && side > samples / side) --side;
    if (side + 1 <= samples / (side + 1)) ++side;
    if (side == 0 || samples / side != side || samples % side != 0) return std::nullopt;
    return side;
}

}  // namespace level
