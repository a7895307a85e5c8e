#include "materials/fourier.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "common/parallel/parallel_rows.h"

namespace materials {

namespace {

// cos(2πj/n) for j from 0 to n/4, by halving: from the known ends cos 0 = 1
// and cos(π/2) = 0, each level fills in the midpoints of the last one's
// grid. The half-angle formula cos(d) = sqrt((1 + cos 2d) / 2) gives the
// level's first point, and the sum rule cos a + cos b = 2 cos((a+b)/2)
// cos((b-a)/2) the others from their two neighbours. Neither subtracts two
// close numbers, so each value is within a few units in the last place,
// and being only + * / and sqrt, the same bytes everywhere.
std::vector<double> QuarterWave(size_t n) {
    const size_t quarter = n / 4;
    std::vector<double> wave(quarter + 1, 0.0);
    wave[0] = 1.0;
    wave[quarter] = 0.0;
    for (size_t step = quarter; step >= 2; step /= 2) {
        const size_t half = step / 2;
        wave[half] = std::sqrt((1.0 + wave[step]) / 2.0);
        for (size_t m = half + step; m < quarter; m += step) {
            wave[m] = (wave[m - half] + wave[m + half]) / (2.0 * wave[half]);
        }
    }
    return wave;
}

}  // namespace

Fourier::Fourier(size_t n) : n_(n) {
    if (n < 4 || (n & (n - 1)) != 0) {
        throw std::invalid_argument("Fourier: the length must be a power of two from 4 up");
    }
    const std::vector<double> wave = QuarterWave(n);
    const size_t quarter = n / 4;
    cos_.resize(n / 2);
    sin_.resize(n / 2);
    for (size_t k = 0; k < n / 2; ++k) {
        // Over a half turn: cos falls from 1 to -1, sin rises and falls.
        cos_[k] = k <= quarter ? wave[k] : -wave[2 * quarter - k];
        sin_[k] = k <= quarter ? wave[quarter - k] : wave[k - quarter];
    }
    size_t bits = 0;
    while ((size_t{1} << bits) < n) ++bits;
    reversed_.resize(n);
    for (size_t k = 0; k < n; ++k) {
        size_t r = 0;
        for (size_t b = 0; b < bits; ++b) r |= ((k >> b) & 1) << (bits - 1 - b);
        reversed_[k] = r;
    }
}

double Fourier::Cos(size_t k) const {
    k %= n_;
    return k < n_ / 2 ? cos_[k] : -cos_[k - n_ / 2];
}

double Fourier::Sin(size_t k) const {
    k %= n_;
    return k < n_ / 2 ? sin_[k] : -sin_[k - n_ / 2];
}

// Radix 2, decimation in time: the values in bit-reversed order, then
// butterflies over spans of 2, 4, ... n.
void Fourier::Transform(double* re, double* im, double sinSign) const {
    for (size_t k = 0; k < n_; ++k) {
        const size_t r = reversed_[k];
        if (r > k) {
            std::swap(re[k], re[r]);
            std::swap(im[k], im[r]);
        }
    }
    for (size_t span = 2; span <= n_; span *= 2) {
        const size_t half = span / 2;
        const size_t stride = n_ / span;
        for (size_t start = 0; start < n_; start += span) {
            for (size_t j = 0; j < half; ++j) {
                const double wr = cos_[j * stride];
                const double wi = sinSign * sin_[j * stride];
                const size_t a = start + j, b = a + half;
                const double br = re[b] * wr - im[b] * wi;
                const double bi = re[b] * wi + im[b] * wr;
                re[b] = re[a] - br;
                im[b] = im[a] - bi;
                re[a] += br;
                im[a] += bi;
            }
        }
    }
}

void Fourier::Forward(double* re, double* im) const { Transform(re, im, -1.0); }

void Fourier::Inverse(double* re, double* im) const {
    Transform(re, im, 1.0);
    const double scale = 1.0 / static_cast<double>(n_);  // exact: n is a power of two
    for (size_t k = 0; k < n_; ++k) {
        re[k] *= scale;
        im[k] *= scale;
    }
}

void Fourier::Rows(std::vector<double>& re, std::vector<double>& im, bool inverse) const {
    ParallelForRows(n_, [&](size_t first, size_t last) {
        for (size_t y = first; y < last; ++y) {
            if (inverse) {
                Inverse(re.data() + y * n_, im.data() + y * n_);
            } else {
                Forward(re.data() + y * n_, im.data() + y * n_);
            }
        }
    });
}

// Rows, then the columns as rows of the transposed plane, then back.
void Fourier::Forward2D(std::vector<double>& re, std::vector<double>& im) const {
    Rows(re, im, false);
    Transpose(re, n_);
    Transpose(im, n_);
    Rows(re, im, false);
    Transpose(re, n_);
    Transpose(im, n_);
}

void Fourier::Inverse2D(std::vector<double>& re, std::vector<double>& im) const {
    Rows(re, im, true);
    Transpose(re, n_);
    Transpose(im, n_);
    Rows(re, im, true);
    Transpose(re, n_);
    Transpose(im, n_);
}

void Transpose(std::vector<double>& plane, size_t n) {
    for (size_t y = 0; y < n; ++y) {
        for (size_t x = y + 1; x < n; ++x) std::swap(plane[y * n + x], plane[x * n + y]);
    }
}

}  // namespace materials
