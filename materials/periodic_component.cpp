#include "materials/periodic_component.h"

#include <cstddef>
#include <vector>

#include "materials/fourier.h"

namespace materials {

namespace {

// The jumps across the wrap edges, on the border texels: what the periodic
// Laplacian of u has and its Laplacian within the picture alone has not.
void AddBoundaryJumps(const std::vector<double>& u, size_t n, std::vector<double>& v) {
    for (size_t y = 0; y < n; ++y) {
        const double jump = u[y * n + n - 1] - u[y * n];
        v[y * n] += jump;
        v[y * n + n - 1] -= jump;
    }
    for (size_t x = 0; x < n; ++x) {
        const double jump = u[(n - 1) * n + x] - u[x];
        v[x] += jump;
        v[(n - 1) * n + x] -= jump;
    }
}

}  // namespace

void KeepPeriodicComponent(ColourPlanes& planes) {
    const size_t n = planes.side;
    const Fourier fourier(n);
    // Two real channels as the real and imaginary parts of one transform:
    // the division below is by a real number even in both frequencies, so
    // the two stay apart.
    for (size_t first = 0; first < planes.channel.size(); first += 2) {
        const bool pair = first + 1 < planes.channel.size();
        std::vector<double> re(n * n, 0.0), im(n * n, 0.0);
        AddBoundaryJumps(planes.channel[first], n, re);
        if (pair) AddBoundaryJumps(planes.channel[first + 1], n, im);
        fourier.Forward2D(re, im);
        // The periodic Laplacian's eigenvalue at frequency (q, r); at (0, 0)
        // it is 0 and s gets no mean, so p keeps the picture's.
        for (size_t r = 0; r < n; ++r) {
            for (size_t q = 0; q < n; ++q) {
                const size_t i = r * n + q;
                if (q == 0 && r == 0) {
                    re[i] = 0.0;
                    im[i] = 0.0;
                    continue;
                }
                const double eigenvalue = 2.0 * fourier.Cos(q) + 2.0 * fourier.Cos(r) - 4.0;
                re[i] /= eigenvalue;
                im[i] /= eigenvalue;
            }
        }
        fourier.Inverse2D(re, im);
        for (size_t i = 0; i < n * n; ++i) {
            planes.channel[first][i] -= re[i];
            if (pair) planes.channel[first + 1][i] -= im[i];
        }
    }
}

}  // namespace materials
