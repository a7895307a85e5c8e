#include "painter/paint/blend_weights.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/status/status.h"

namespace {

// Positions along a gradient run from 0 to 511; clamping to just below 511
// keeps entry k + 1 of the interpolation inside the table.
constexpr float kLastGradientPosition = 510.9999f;  // 510.99990845, 0x43FF7FFD

// A sampled value scaled to a gradient position: below 0 (or not a number,
// as a height range of 0 gives) becomes 0, and 511 or more the last position.
float GradientPosition(double scaled) {
    if (!(scaled >= 0.0)) return 0.0f;
    const float position = static_cast<float>(scaled);
    return position >= 511.0f ? kLastGradientPosition : position;
}

// What one row of texels reads: the texel columns' grid positions, the two
// gradients and the height range.
struct RowInputs {
    const std::uint32_t* cells;   // grid cell of each texel column
    const float* fractions;       // and how far across it
    const CellSpan* heightCells;  // the row's heights, interpolated down the rows
    const CellSpan* slopeCells;   // the row's slopes, likewise
    const Gradient* heightGradient;
    const Gradient* angleGradient;
    double heightRange;
};

struct RowOutputs {
    float* low;
    float* high;
    float* steep;
};

// Texels [first, last) of a row, one at a time: the definition of a texel's
// weights, and the tail of every row that the four-texel kernel leaves.
void WeightTexels(const RowInputs& in, const RowOutputs& out, std::size_t first, std::size_t last) {
    for (std::size_t j = first; j < last; ++j) {
        const GridPosition column{in.cells[j], in.fractions[j]};
        const double height = HeightField::SampleAcross(in.heightCells, column);
        const double slope = HeightField::SampleAcross(in.slopeCells, column);
        const float L =
            in.heightGradient->Lookup(GradientPosition(height / in.heightRange * 511.0));
        const float A = in.angleGradient->Lookup(GradientPosition(slope * 511.0));
        out.low[j] = (1.0f - L) * (1.0f - A);
        out.high[j] = (1.0f - A) * L;
        out.steep[j] = A;
    }
}

#if defined(__SSE2__)

// The same steps four texels at a time. Every instruction below is the IEEE
// operation of each lane that the scalar code performs (no reciprocals, no
// fused multiply-add), in the same order, so the lanes give the same bits.

// start + rise × fraction of the cells of two texels.
__m128d AcrossTwoCells(const CellSpan* cells, std::uint32_t first, std::uint32_t second,
                       __m128d fractions) {
    const __m128d a = _mm_loadu_pd(&cells[first].start);  // start, rise
    const __m128d b = _mm_loadu_pd(&cells[second].start);
    return _mm_add_pd(_mm_unpacklo_pd(a, b), _mm_mul_pd(_mm_unpackhi_pd(a, b), fractions));
}

// GradientPosition of four scaled values, given as two pairs.
__m128 GradientPositions(__m128d low, __m128d high) {
    const __m128d zero = _mm_setzero_pd();
    low = _mm_and_pd(_mm_cmpge_pd(low, zero), low);  // below 0 or NaN: +0
    high = _mm_and_pd(_mm_cmpge_pd(high, zero), high);
    const __m128 position = _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
    const __m128 beyond = _mm_cmpge_ps(position, _mm_set1_ps(511.0f));
    return _mm_or_ps(_mm_and_ps(beyond, _mm_set1_ps(kLastGradientPosition)),
                     _mm_andnot_ps(beyond, position));
}

__m128 Lookup4(const Gradient& gradient, __m128 positions) {
    const __m128i k = _mm_cvttps_epi32(positions);
    const __m128 fraction = _mm_sub_ps(positions, _mm_cvtepi32_ps(k));
    alignas(16) std::int32_t index[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(index), k);
    const __m128 entry = _mm_setr_ps(gradient.entries[index[0]], gradient.entries[index[1]],
                                     gradient.entries[index[2]], gradient.entries[index[3]]);
    const __m128 rise = _mm_setr_ps(gradient.rises[index[0]], gradient.rises[index[1]],
                                    gradient.rises[index[2]], gradient.rises[index[3]]);
    return _mm_add_ps(entry, _mm_mul_ps(rise, fraction));
}

void WeightTexelRow(const RowInputs& in, const RowOutputs& out, std::size_t width) {
    const __m128d range = _mm_set1_pd(in.heightRange);
    const __m128d scale = _mm_set1_pd(511.0);
    const __m128 one = _mm_set1_ps(1.0f);
    std::size_t j = 0;
    for (; j + 4 <= width; j += 4) {
        const __m128 fractions = _mm_loadu_ps(in.fractions + j);
        const __m128d fractionsLow = _mm_cvtps_pd(fractions);
        const __m128d fractionsHigh = _mm_cvtps_pd(_mm_movehl_ps(fractions, fractions));
        const std::uint32_t* cell = in.cells + j;

        const __m128d heightLow = AcrossTwoCells(in.heightCells, cell[0], cell[1], fractionsLow);
        const __m128d heightHigh = AcrossTwoCells(in.heightCells, cell[2], cell[3], fractionsHigh);
        const __m128 p = GradientPositions(_mm_mul_pd(_mm_div_pd(heightLow, range), scale),
                                           _mm_mul_pd(_mm_div_pd(heightHigh, range), scale));
        const __m128d slopeLow = AcrossTwoCells(in.slopeCells, cell[0], cell[1], fractionsLow);
        const __m128d slopeHigh = AcrossTwoCells(in.slopeCells, cell[2], cell[3], fractionsHigh);
        const __m128 q =
            GradientPositions(_mm_mul_pd(slopeLow, scale), _mm_mul_pd(slopeHigh, scale));

        const __m128 L = Lookup4(*in.heightGradient, p);
        const __m128 A = Lookup4(*in.angleGradient, q);
        const __m128 rest = _mm_sub_ps(one, A);
        _mm_storeu_ps(out.low + j, _mm_mul_ps(_mm_sub_ps(one, L), rest));
        _mm_storeu_ps(out.high + j, _mm_mul_ps(rest, L));
        _mm_storeu_ps(out.steep + j, A);
    }
    WeightTexels(in, out, j, width);
}

#else

void WeightTexelRow(const RowInputs& in, const RowOutputs& out, std::size_t width) {
    WeightTexels(in, out, 0, width);
}

#endif

}  // namespace

Gradient::Gradient(const GradientTable& table) : entries(table.entries.data()) {
    for (int k = 0; k + 1 < kGradientSize; ++k) rises[k] = table[k + 1] - table[k];
}

BlendWeights::BlendWeights(const HeightField& field, const GradientTable& heightGradient,
                           const GradientTable& angleGradient, std::int32_t side)
    : field_(field), heights_(heightGradient), angles_(angleGradient) {
    // The step divides by side - 1; the callers pass 512 or 4 * (size - 1).
    if (side < 2) Fail("ERROR: output side %d is too small to paint", side);
    width_ = static_cast<std::size_t>(side);
    // Texel 0 lands on grid coordinate 0 and texel side - 1 on size - 1.
    step_ = static_cast<float>(static_cast<double>(field.size - 1) / static_cast<double>(side - 1));

    // Texel column j samples at x = j * step in every row: where that falls
    // on the grid is worked out once, not once per row.
    cells_.resize(width_);
    fractions_.resize(width_);
    for (std::size_t j = 0; j < width_; ++j) {
        const GridPosition column = field.Locate(static_cast<float>(j) * step_);
        cells_[j] = static_cast<std::uint32_t>(column.cell);
        fractions_[j] = column.fraction;
    }
}

WeightRowBuffer BlendWeights::MakeRowBuffer() const {
    WeightRowBuffer row;
    row.low.resize(width_);
    row.high.resize(width_);
    row.steep.resize(width_);
    const std::size_t gridCells = static_cast<std::size_t>(field_.size) - 1;
    row.heightCells.resize(gridCells);
    row.slopeCells.resize(gridCells);
    return row;
}

void BlendWeights::ComputeRow(std::size_t y, WeightRowBuffer& row) const {
    // The samplers' interpolation down the rows depends only on the row:
    // done once for every grid cell, then finished per texel.
    const GridPosition gridRow = field_.Locate(static_cast<float>(y) * step_);
    field_.HeightCells(gridRow, row.heightCells.data());
    field_.SlopeCells(gridRow, row.slopeCells.data());
    const RowInputs in{cells_.data(),         fractions_.data(), row.heightCells.data(),
                       row.slopeCells.data(), &heights_,         &angles_,
                       field_.heightRange};
    const RowOutputs out{row.low.data(), row.high.data(), row.steep.data()};
    WeightTexelRow(in, out, width_);
}
