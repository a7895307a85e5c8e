#include <cstddef>
#include <memory>

#include "common/parallel/parallel_rows.h"
#include "painter/app/report.h"
#include "painter/paint/terrain_painter.h"

namespace {

// Positions along a gradient run from 0 to 511; clamping to just below 511
// keeps entry k + 1 of the interpolation inside the table.
constexpr float LastGradientPosition = 510.9999f;  // 510.99990845, 0x43FF7FFD

// A sampled value scaled to a gradient position: below 0 (or not a number,
// as a height range of 0 gives) becomes 0, and 511 or more the last position.
float GradientPosition(double scaled) {
    if (!(scaled >= 0.0)) return 0.0f;
    const float position = static_cast<float>(scaled);
    return position >= 511.0f ? LastGradientPosition : position;
}

// Linear interpolation between the two entries around a position.
float Lookup(const GradientTable& table, float position) {
    const int k = static_cast<int>(position);
    const float low = table[k];
    return low + (table[k + 1] - low) * (position - static_cast<float>(k));
}

}  // namespace

void TerrainPainter::ComputeBlendWeights(const HeightField& field, std::int32_t side) {
    // The step divides by side - 1; the callers pass 512 or 4 * (size - 1).
    if (side < 2) Fail("ERROR: output side %d is too small to paint", side);
    outputSize = side;
    LogLine("    Generating detail map");

    // The old planes go first, so that only one set is ever held.
    lowWeight.reset();
    highWeight.reset();
    steepWeight.reset();
    const std::size_t count = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
    lowWeight = std::make_unique_for_overwrite<float[]>(count);
    highWeight = std::make_unique_for_overwrite<float[]>(count);
    steepWeight = std::make_unique_for_overwrite<float[]>(count);

    // Texel 0 lands on grid coordinate 0 and texel side - 1 on size - 1.
    const float step =
        static_cast<float>(static_cast<double>(field.size - 1) / static_cast<double>(side - 1));
    const double heightRange = field.heightRange;

    // Every texel depends only on the height field, so bands of rows run on
    // separate threads and the planes come out the same for any thread count.
    ParallelForRows(static_cast<std::size_t>(side), [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            const float y = static_cast<float>(i) * step;
            float* low = lowWeight.get() + i * static_cast<std::size_t>(side);
            float* high = highWeight.get() + i * static_cast<std::size_t>(side);
            float* steep = steepWeight.get() + i * static_cast<std::size_t>(side);
            for (std::int32_t j = 0; j < side; ++j) {
                const float x = static_cast<float>(j) * step;
                const float p = GradientPosition(field.SampleHeight(x, y) / heightRange * 511.0);
                const float q = GradientPosition(field.SampleSlope(x, y) * 511.0);
                const float L = Lookup(heightGradient, p);
                const float A = Lookup(angleGradient, q);
                low[j] = (1.0f - L) * (1.0f - A);
                high[j] = (1.0f - A) * L;
                steep[j] = A;
            }
        }
    });
}
