#include "materials/picture_resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "common/image/area_average.h"

namespace materials {

namespace {

ColourPlanes Shrink(const Picture& picture, const PictureSquare& square, size_t outSide) {
    const std::vector<std::uint8_t> average =
        AveragePixels([&](size_t y) { return picture.Row(square.top + y) + square.left * 3; },
                      square.side, square.side, 3, outSide, outSide);
    ColourPlanes planes = ColourPlanes::Make(outSide);
    for (size_t i = 0; i < outSide * outSide; ++i) {
        for (size_t c = 0; c < 3; ++c) planes.channel[c][i] = average[i * 3 + c];
    }
    return planes;
}

// The four pixels a Catmull-Rom cubic reads for one output sample, and
// their weights (which add up to 1).
struct CubicTaps {
    size_t index[4];
    double weight[4];
};

// Along one side: output sample j of outSide has its centre where the
// square's pixels [start, start + side) put (j + ½) × side / outSide, and
// reads pixels from 0 to limit - 1, the ends repeated beyond them.
std::vector<CubicTaps> Taps(size_t start, size_t side, size_t outSide, size_t limit) {
    std::vector<CubicTaps> taps(outSide);
    for (size_t j = 0; j < outSide; ++j) {
        const double x = static_cast<double>(start) +
                         static_cast<double>(2 * j + 1) * static_cast<double>(side) /
                             static_cast<double>(2 * outSide) -
                         0.5;
        const double base = std::floor(x);
        const double t = x - base;
        CubicTaps& tap = taps[j];
        tap.weight[0] = ((-t + 2.0) * t - 1.0) * t / 2.0;
        tap.weight[1] = ((3.0 * t - 5.0) * t * t + 2.0) / 2.0;
        tap.weight[2] = ((-3.0 * t + 4.0) * t + 1.0) * t / 2.0;
        tap.weight[3] = (t - 1.0) * t * t / 2.0;
        const long long first = static_cast<long long>(base) - 1;
        for (long long k = 0; k < 4; ++k) {
            tap.index[k] =
                static_cast<size_t>(std::clamp(first + k, 0LL, static_cast<long long>(limit) - 1));
        }
    }
    return taps;
}

// Across, for every picture row the rows below will read; then down.
ColourPlanes Enlarge(const Picture& picture, const PictureSquare& square, size_t outSide) {
    const std::vector<CubicTaps> across =
        Taps(square.left, square.side, outSide, size_t(picture.width));
    const std::vector<CubicTaps> down =
        Taps(square.top, square.side, outSide, size_t(picture.height));
    const size_t firstRow = down.front().index[0];
    const size_t rowCount = down.back().index[3] - firstRow + 1;
    std::vector<double> rows(rowCount * outSide * 3);
    for (size_t r = 0; r < rowCount; ++r) {
        const std::uint8_t* in = picture.Row(firstRow + r);
        double* out = rows.data() + r * outSide * 3;
        for (size_t x = 0; x < outSide; ++x) {
            const CubicTaps& tap = across[x];
            for (size_t c = 0; c < 3; ++c) {
                double sum = 0.0;
                for (size_t k = 0; k < 4; ++k) sum += tap.weight[k] * in[tap.index[k] * 3 + c];
                out[x * 3 + c] = sum;
            }
        }
    }
    ColourPlanes planes = ColourPlanes::Make(outSide);
    for (size_t y = 0; y < outSide; ++y) {
        const CubicTaps& tap = down[y];
        for (size_t x = 0; x < outSide; ++x) {
            for (size_t c = 0; c < 3; ++c) {
                double sum = 0.0;
                for (size_t k = 0; k < 4; ++k) {
                    sum += tap.weight[k] * rows[((tap.index[k] - firstRow) * outSide + x) * 3 + c];
                }
                planes.channel[c][y * outSide + x] = sum;
            }
        }
    }
    return planes;
}

}  // namespace

ColourPlanes ResampleSquare(const Picture& picture, const PictureSquare& square, size_t outSide) {
    if (square.side >= outSide) return Shrink(picture, square, outSide);
    return Enlarge(picture, square, outSide);
}

}  // namespace materials
