#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "painter/paint/map_texel.h"

// The texel arithmetic of map_texel.h for whole rows of a map, four texels at
// a time where the processor has SSE2. Each lane performs the same IEEE
// double operations in the same order as the one-texel functions, so every
// byte comes out the same; the tests hold the two to that at every texel.

// One texture row of each material, channel by channel, as doubles, laid out
// along the map's columns for one period of the texture's repetition:
// value(material, channel, e) is the texel that map column x takes for every
// x with x mod period == e. Made once per texture row and reused by every map
// row that takes that texture row.
struct MaterialRow {
    std::size_t period = 0;
    // [material: low, high, steep][channel: blue, green, red], period values each.
    std::vector<double> values[3][3];

    // The texture row that starts at byte `rowOffset` of each material, for
    // map columns 0 to columns - 1, map column e taking texture column
    // textureColumns[e].
    void Load(const MaterialTexels& materials, std::size_t rowOffset,
              const std::size_t* textureColumns, std::size_t columns) {
        period = columns;
        const std::uint8_t* rows[3] = {materials.low, materials.high, materials.steep};
        for (int m = 0; m < 3; ++m) {
            const std::uint8_t* row = rows[m] + rowOffset;
            for (int c = 0; c < 3; ++c) values[m][c].resize(columns);
            double* blue = values[m][0].data();
            double* green = values[m][1].data();
            double* red = values[m][2].data();
            for (std::size_t e = 0; e < columns; ++e) {
                const std::uint8_t* texel = row + textureColumns[e] * 3;
                blue[e] = texel[0];
                green[e] = texel[1];
                red[e] = texel[2];
            }
        }
    }
};

namespace map_rows_detail {

#if defined(__SSE2__)

// Four texels' weights of one plane, as two pairs of doubles.
struct FourWeights {
    __m128d low, high;
};

inline FourWeights LoadWeights(const float* plane) {
    const __m128 four = _mm_loadu_ps(plane);
    return {_mm_cvtps_pd(four), _mm_cvtps_pd(_mm_movehl_ps(four, four))};
}

// Truncates two pairs toward zero and keeps the low byte of each, as
// TruncateToByte does.
inline __m128i TruncateFour(__m128d low, __m128d high) {
    const __m128i values = _mm_unpacklo_epi64(_mm_cvttpd_epi32(low), _mm_cvttpd_epi32(high));
    return _mm_and_si128(values, _mm_set1_epi32(0xFF));
}

// Writes four texels of blue, green and red bytes at `out`. Each texel is
// stored as four bytes whose last is overwritten by the next texel, so the
// caller must leave at least one texel of the row after these four.
inline void StoreFour(__m128i blue, __m128i green, __m128i red, std::uint8_t* out) {
    __m128i words =
        _mm_or_si128(blue, _mm_or_si128(_mm_slli_epi32(green, 8), _mm_slli_epi32(red, 16)));
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t word = static_cast<std::uint32_t>(_mm_cvtsi128_si32(words));
        std::memcpy(out + 3 * k, &word, 4);
        words = _mm_srli_si128(words, 4);
    }
}

inline __m128d MixPair(__m128d wl, __m128d wh, __m128d ws, const double* low, const double* high,
                       const double* steep) {
    return _mm_add_pd(_mm_add_pd(_mm_mul_pd(wl, _mm_loadu_pd(low)),
                                 _mm_mul_pd(wh, _mm_loadu_pd(high))),
                      _mm_mul_pd(ws, _mm_loadu_pd(steep)));
}

#endif

}  // namespace map_rows_detail

// The colour bytes of map columns 0 to width - 1 of one row: WriteColourTexel
// at every texel, the textures taken from `row`.
inline void ComposeColourRow(const MaterialRow& row, const WeightRow& w, std::size_t width,
                             std::uint8_t* out) {
    for (std::size_t start = 0; start < width; start += row.period) {
        const std::size_t count = std::min(row.period, width - start);
        std::size_t e = 0;
#if defined(__SSE2__)
        using namespace map_rows_detail;
        // Four at a time while a texel of the row follows the four.
        for (; e + 4 <= count && start + e + 4 < width; e += 4) {
            const std::size_t x = start + e;
            const FourWeights wl = LoadWeights(w.low + x);
            const FourWeights wh = LoadWeights(w.high + x);
            const FourWeights ws = LoadWeights(w.steep + x);
            __m128i channel[3];
            for (int c = 0; c < 3; ++c) {
                const double* low = row.values[0][c].data() + e;
                const double* high = row.values[1][c].data() + e;
                const double* steep = row.values[2][c].data() + e;
                channel[c] = TruncateFour(MixPair(wl.low, wh.low, ws.low, low, high, steep),
                                          MixPair(wl.high, wh.high, ws.high, low + 2, high + 2,
                                                  steep + 2));
            }
            StoreFour(channel[0], channel[1], channel[2], out + x * 3);
        }
#endif
        for (; e < count; ++e) {
            const std::size_t x = start + e;
            const double wl = w.low[x], wh = w.high[x], ws = w.steep[x];
            for (int c = 0; c < 3; ++c) {
                out[x * 3 + c] = TruncateToByte(wl * row.values[0][c][e] +
                                                wh * row.values[1][c][e] +
                                                ws * row.values[2][c][e]);
            }
        }
    }
}

// The primary detail bytes of one row: WriteDetailTexel at every texel.
inline void ComposeDetailRow(const WeightRow& w, std::size_t width, std::uint8_t* out) {
    std::size_t x = 0;
#if defined(__SSE2__)
    using namespace map_rows_detail;
    const __m128d scale = _mm_set1_pd(255.0);
    for (; x + 4 < width; x += 4) {
        const FourWeights wl = LoadWeights(w.low + x);
        const FourWeights wh = LoadWeights(w.high + x);
        const FourWeights ws = LoadWeights(w.steep + x);
        StoreFour(TruncateFour(_mm_mul_pd(ws.low, scale), _mm_mul_pd(ws.high, scale)),
                  TruncateFour(_mm_mul_pd(wh.low, scale), _mm_mul_pd(wh.high, scale)),
                  TruncateFour(_mm_mul_pd(wl.low, scale), _mm_mul_pd(wl.high, scale)),
                  out + x * 3);
    }
#endif
    for (; x < width; ++x) WriteDetailTexel(w, x, out + x * 3);
}

// The surrounding low-detail bytes of one row: WriteLowDetailTexel at every texel.
inline void ComposeLowDetailRow(const WeightRow& w, std::size_t width, std::uint8_t* out) {
    std::size_t x = 0;
#if defined(__SSE2__)
    using namespace map_rows_detail;
    const __m128d scale = _mm_set1_pd(255.0);
    for (; x + 4 < width; x += 4) {
        const FourWeights wl = LoadWeights(w.low + x);
        const FourWeights wh = LoadWeights(w.high + x);
        const FourWeights ws = LoadWeights(w.steep + x);
        StoreFour(TruncateFour(_mm_mul_pd(ws.low, scale), _mm_mul_pd(ws.high, scale)),
                  _mm_setzero_si128(),
                  TruncateFour(_mm_mul_pd(_mm_add_pd(wl.low, wh.low), scale),
                               _mm_mul_pd(_mm_add_pd(wl.high, wh.high), scale)),
                  out + x * 3);
    }
#endif
    for (; x < width; ++x) WriteLowDetailTexel(w, x, out + x * 3);
}
