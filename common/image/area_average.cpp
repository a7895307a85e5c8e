#include "common/image/area_average.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "common/parallel/parallel_rows.h"

namespace {

// A window [from, to) over the input, where input sample i stands for
// [i + offset, i + offset + 1).
struct Window {
    double from, to;
};

// The samples each window covers, weighted by how much of each it covers.
std::vector<AverageFootprint> Footprints(std::size_t n, double offset, const std::vector<Window>& windows) {
    std::vector<AverageFootprint> footprints(windows.size());
    for (std::size_t j = 0; j < windows.size(); ++j) {
        const Window& window = windows[j];
        AverageFootprint& f = footprints[j];
        double total = 0.0;
        const double nearest = std::clamp(std::floor(window.from - offset), 0.0,
                                          static_cast<double>(n - 1));
        for (std::size_t i = static_cast<std::size_t>(nearest); i < n; ++i) {
            const double cell = static_cast<double>(i) + offset;
            if (cell >= window.to) break;
            const double overlap = std::min(window.to, cell + 1.0) - std::max(window.from, cell);
            if (overlap <= 0.0) continue;
            if (f.weights.empty()) f.first = i;
            f.weights.push_back(overlap);
            total += overlap;
        }
        if (f.weights.empty()) {  // only where rounding leaves no overlap at all
            f.first = static_cast<std::size_t>(nearest);
            f.weights.assign(1, 1.0);
        } else {
            for (double& w : f.weights) w /= total;
        }
    }
    return footprints;
}

}  // namespace

// Windows centred on the output vertices, narrowed near the ends so that
// they stay centred: a sloping plane stays the same plane, its corners on
// the corners.
std::vector<AverageFootprint> VertexAverageFootprints(std::size_t n, std::size_t m) {
    m = std::min(m, n);
    const double last = static_cast<double>(n - 1);
    const double step = m > 1 ? last / static_cast<double>(m - 1) : 0.0;
    std::vector<Window> windows(m);
    for (std::size_t j = 0; j < m; ++j) {
        const double centre = j + 1 == m ? last : static_cast<double>(j) * step;
        const double reach = std::max(0.5, std::min(step / 2.0, std::min(centre, last - centre) + 0.5));
        windows[j] = {centre - reach, centre + reach};
    }
    return Footprints(n, -0.5, windows);
}

namespace {

std::vector<AverageFootprint> PixelFootprints(std::size_t n, std::size_t m) {
    m = std::min(m, n);
    const double step = static_cast<double>(n) / static_cast<double>(m);
    std::vector<Window> windows(m);
    for (std::size_t j = 0; j < m; ++j) {
        windows[j] = {static_cast<double>(j) * step, j + 1 == m ? static_cast<double>(n)
                                                                : static_cast<double>(j + 1) * step};
    }
    return Footprints(n, 0.0, windows);
}

// Output rows [0, outRows) by `body(first, last)`, in groups from the top
// down, each group's rows shared out among the cores (every row is computed
// alone, in one order, so the count of cores changes nothing). After each
// group `passed` learns the first input row still needed, `firstNeeded(y)`
// for output row y, so a mapped file can give back what lies above it.
void RowGroups(std::size_t outRows, std::size_t inputBytes,
               const std::function<std::size_t(std::size_t)>& firstNeeded,
               const std::function<void(std::size_t)>& passed,
               const std::function<void(std::size_t, std::size_t)>& body) {
    constexpr std::size_t kGroupRows = 64;
    // A small input (a tile) costs less than starting threads for it, and
    // callers with many of them already keep the cores busy.
    constexpr std::size_t kSmallInput = std::size_t{1} << 20;
    for (std::size_t group = 0; group < outRows; group += kGroupRows) {
        const std::size_t end = std::min(group + kGroupRows, outRows);
        if (inputBytes <= kSmallInput) {
            body(group, end);
        } else {
            ParallelForRows(end - group, [&](std::size_t first, std::size_t last) {
                body(group + first, group + last);
            });
        }
        if (passed && end < outRows) passed(firstNeeded(end));
    }
}

// One output row at a time: the input rows under it summed with their
// weights into one line, then the line's columns, in double precision. Only
// a line of the input per core is held, whatever its size.
template <class Sample, class Store>
void Separable(const std::function<const Sample*(std::size_t)>& row, std::size_t width,
               std::size_t channels, const std::vector<AverageFootprint>& across,
               const std::vector<AverageFootprint>& down, Store store,
               const std::function<void(std::size_t)>& passed = {}) {
    const std::size_t inputBytes =
        width * channels * sizeof(Sample) * (down.empty() ? 0 : down.back().first + 1);
    RowGroups(
        down.size(), inputBytes, [&](std::size_t y) { return down[y].first; }, passed,
        [&](std::size_t first, std::size_t last) {
            std::vector<double> line(width * channels);
            for (std::size_t y = first; y < last; ++y) {
                std::fill(line.begin(), line.end(), 0.0);
                const AverageFootprint& rows = down[y];
                for (std::size_t k = 0; k < rows.weights.size(); ++k) {
                    const Sample* in = row(rows.first + k);
                    const double w = rows.weights[k];
                    for (std::size_t i = 0; i < line.size(); ++i) {
                        line[i] += w * static_cast<double>(in[i]);
                    }
                }
                for (std::size_t x = 0; x < across.size(); ++x) {
                    const AverageFootprint& f = across[x];
                    for (std::size_t c = 0; c < channels; ++c) {
                        double sum = 0.0;
                        for (std::size_t k = 0; k < f.weights.size(); ++k) {
                            sum += f.weights[k] * line[(f.first + k) * channels + c];
                        }
                        store((y * across.size() + x) * channels + c, sum);
                    }
                }
            }
        });
}

// Pixels shrunk by whole factors, as the maps' powers of two are: every
// output pixel the mean of a kx by ky box, summed in whole numbers, so
// exact and several times faster than the weighted sums.
std::vector<std::uint8_t> BoxAverage(const std::function<const std::uint8_t*(std::size_t)>& row,
                                     std::size_t width, std::size_t height, std::size_t channels,
                                     std::size_t outWidth, std::size_t outHeight,
                                     const std::function<void(std::size_t)>& passed) {
    const std::size_t kx = width / outWidth, ky = height / outHeight;
    const std::uint32_t count = static_cast<std::uint32_t>(kx * ky);
    std::vector<std::uint8_t> out(outWidth * outHeight * channels);
    RowGroups(
        outHeight, width * height * channels, [&](std::size_t y) { return y * ky; }, passed,
        [&](std::size_t first, std::size_t last) {
            std::vector<std::uint32_t> line(width * channels);
            for (std::size_t y = first; y < last; ++y) {
                std::fill(line.begin(), line.end(), 0u);
                for (std::size_t k = 0; k < ky; ++k) {
                    const std::uint8_t* in = row(y * ky + k);
                    for (std::size_t i = 0; i < line.size(); ++i) line[i] += in[i];
                }
                std::uint8_t* o = out.data() + y * outWidth * channels;
                for (std::size_t x = 0; x < outWidth; ++x) {
                    for (std::size_t c = 0; c < channels; ++c) {
                        std::uint32_t sum = count / 2;  // halves round up
                        for (std::size_t k = 0; k < kx; ++k) sum += line[(x * kx + k) * channels + c];
                        o[x * channels + c] = static_cast<std::uint8_t>(sum / count);
                    }
                }
            }
        });
    return out;
}

}  // namespace

std::vector<float> AverageVertexGrid(const float* samples, std::size_t width, std::size_t height,
                                     std::size_t channels, std::size_t outWidth,
                                     std::size_t outHeight) {
    const std::vector<AverageFootprint> across = VertexAverageFootprints(width, outWidth);
    const std::vector<AverageFootprint> down = VertexAverageFootprints(height, outHeight);
    std::vector<float> out(across.size() * down.size() * channels);
    Separable<float>([&](std::size_t y) { return samples + y * width * channels; }, width, channels,
                     across, down,
                     [&](std::size_t i, double value) { out[i] = static_cast<float>(value); });
    return out;
}

std::vector<std::uint8_t> AveragePixels(const std::function<const std::uint8_t*(std::size_t)>& row,
                                        std::size_t width, std::size_t height,
                                        std::size_t channels, std::size_t outWidth,
                                        std::size_t outHeight,
                                        const std::function<void(std::size_t)>& passed) {
    outWidth = std::min(outWidth, width);
    outHeight = std::min(outHeight, height);
    if (outWidth > 0 && outHeight > 0 && width % outWidth == 0 && height % outHeight == 0 &&
        width / outWidth * (height / outHeight) <= (std::size_t{1} << 24)) {
        return BoxAverage(row, width, height, channels, outWidth, outHeight, passed);
    }
    const std::vector<AverageFootprint> across = PixelFootprints(width, outWidth);
    const std::vector<AverageFootprint> down = PixelFootprints(height, outHeight);
    std::vector<std::uint8_t> out(across.size() * down.size() * channels);
    Separable<std::uint8_t>(row, width, channels, across, down, [&](std::size_t i, double value) {
        out[i] = static_cast<std::uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0));
    }, passed);
    return out;
}

std::vector<std::uint8_t> AveragePixels(const std::uint8_t* pixels, std::size_t width,
                                        std::size_t height, std::size_t channels,
                                        std::size_t outWidth, std::size_t outHeight) {
    return AveragePixels([&](std::size_t y) { return pixels + y * width * channels; }, width,
                         height, channels, outWidth, outHeight);
}
