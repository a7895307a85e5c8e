#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "painter/paint/gradient_table.h"
#include "painter/paint/map_texel.h"
#include "painter/terrain/height_field.h"

// A gradient table with the rise from each entry to the next worked out once:
// entry k + (entry k+1 - entry k) x (position - k), as every lookup computes it.
struct Gradient {
    const float* entries;
    std::array<float, kGradientSize> rises{};

    explicit Gradient(const GradientTable& table);
    float Lookup(float position) const {
        const int k = static_cast<int>(position);
        return entries[k] + rises[k] * (position - static_cast<float>(k));
    }
};

// One row of blend weights and what computing it needs, owned by one thread
// and reused for every row it computes.
struct WeightRowBuffer {
    std::vector<float> low, high, steep;
    std::vector<CellSpan> heightCells, slopeCells;  // the grid row at the texel row

    WeightRow View() const { return {low.data(), high.data(), steep.data()}; }
};

// The blend weights of an output map of side S painted over a height field,
// a row at a time: texel (x, y) samples height and slope at grid coordinates
// (x f, y f), f = (size - 1) / (S - 1) in single precision, so that texel 0
// lands on the first sample and texel S - 1 on the last, and looks both up in
// the gradients. low + high + steep = 1 at every texel. Each row depends only
// on the height field, so rows may be computed on any thread in any order.
// Holds references: the field and the tables must outlive it.
class BlendWeights {
public:
    // Fails when the side leaves no step between texels (below 2).
    BlendWeights(const HeightField& field, const GradientTable& heightGradient,
                 const GradientTable& angleGradient, std::int32_t side);

    std::size_t Side() const { return width_; }
    WeightRowBuffer MakeRowBuffer() const;
    // The weights of texel row y (0 to S - 1) into `row`.
    void ComputeRow(std::size_t y, WeightRowBuffer& row) const;

private:
    const HeightField& field_;
    Gradient heights_;
    Gradient angles_;
    std::size_t width_;
    float step_;
    std::vector<std::uint32_t> cells_;  // grid cell of each texel column
    std::vector<float> fractions_;      // and how far across it
};
