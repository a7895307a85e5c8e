#include "importer/region_resample.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/image/area_average.h"
#include "importer/height_grid.h"
#include "importer/nodata_fill.h"
#include "importer/quantize.h"
#include "importer/resample.h"

namespace {

// The rows read at once when streaming: a few MiB, at least one row.
constexpr std::size_t kBandBytes = std::size_t{8} << 20;

Status NoData(const std::string& name) {
    return Status::Failuref("ERROR: %s: every sample is no data", name.c_str());
}

// Bilinear weights along a side that does not shrink, at the positions the
// bilinear resampler uses.
std::vector<AverageFootprint> LinearFootprints(std::size_t n, std::size_t m) {
    std::vector<AverageFootprint> footprints(m);
    for (std::size_t i = 0; i < m; ++i) {
        const double x =
            static_cast<double>(i) * static_cast<double>(n - 1) / static_cast<double>(m - 1);
        const std::size_t lower = std::min(static_cast<std::size_t>(std::floor(x)), n - 1);
        const double weight = x - static_cast<double>(lower);
        footprints[i].first = lower;
        if (lower + 1 < n && weight > 0.0) {
            footprints[i].weights = {1.0 - weight, weight};
        } else {
            footprints[i].weights = {1.0};
        }
    }
    return footprints;
}

std::vector<AverageFootprint> SideFootprints(std::size_t n, std::size_t m) {
    return m < n ? VertexAverageFootprints(n, m) : LinearFootprints(n, m);
}

// The region whole, gaps filled, then bilinear: the output is exactly what
// a bilinear resampling of the filled region gives.
Status Bilinear(HeightSource& source, const Region& region, std::size_t side, bool wholeValues,
                const std::string& name, ResampledMap& map, bool emptyAllowed) {
    HeightGrid grid;
    grid.width = region.width;
    grid.height = region.height;
    grid.values.resize(region.width * region.height);
    if (Status s =
            source.Read(region.left, region.top, region.width, region.height, grid.values.data());
        !s.ok()) {
        return s;
    }
    if (wholeValues) {
        if (Status s = CheckWholeSamples(grid.values.data(), region.width, region.height,
                                         region.left, region.top, name);
            !s.ok()) {
            return s;
        }
    }
    if (std::all_of(grid.values.begin(), grid.values.end(),
                    [](float v) { return std::isnan(v); })) {
        if (!emptyAllowed) return NoData(name);
        map.values.assign(side * side, std::numeric_limits<double>::quiet_NaN());
        map.empty = true;
        return Status();
    }
    map.filled = FillFromNearest(grid.values.data(), grid.width, grid.height);
    // The output only now, so that it never sits beside the fill's distances.
    map.values.resize(side * side);
    ResamplePlan plan;
    plan.side = side;
    plan.regionWidth = region.width;
    plan.regionHeight = region.height;
    const Resampler resampler(grid, plan);
    for (std::size_t row = 0; row < side; ++row) {
        for (std::size_t column = 0; column < side; ++column) {
            map.values[row * side + column] = resampler.At(row, column);
        }
    }
    return Status();
}

// One output row at a time: the input rows under it summed with their
// weights into a line, samples without data left out (their weights summed
// apart, so that the rest is averaged on its own), then the line's columns.
Status Averaged(HeightSource& source, const Region& region, std::size_t side, bool wholeValues,
                const std::string& name, ResampledMap& map, bool emptyAllowed) {
    map.values.resize(side * side);
    const std::vector<AverageFootprint> across = SideFootprints(region.width, side);
    const std::vector<AverageFootprint> down = SideFootprints(region.height, side);
    const std::size_t width = region.width;
    const std::size_t bandRows =
        std::clamp<std::size_t>(kBandBytes / (width * sizeof(float)), 1, region.height);
    std::vector<float> band(bandRows * width);
    std::size_t bandTop = 0, bandCount = 0;
    auto row = [&](std::size_t r, const float*& in) -> Status {
        if (r < bandTop || r >= bandTop + bandCount) {
            bandTop = r;
            bandCount = std::min(bandRows, region.height - r);
            if (Status s = source.Read(region.left, region.top + r, width, bandCount, band.data());
                !s.ok()) {
                return s;
            }
            if (wholeValues) {
                if (Status s = CheckWholeSamples(band.data(), width, bandCount, region.left,
                                                 region.top + r, name);
                    !s.ok()) {
                    return s;
                }
            }
        }
        in = band.data() + (r - bandTop) * width;
        return Status();
    };

    std::vector<double> line(width), weight(width);
    bool anyData = false;
    for (std::size_t y = 0; y < side; ++y) {
        std::fill(line.begin(), line.end(), 0.0);
        std::fill(weight.begin(), weight.end(), 0.0);
        const AverageFootprint& rows = down[y];
        for (std::size_t k = 0; k < rows.weights.size(); ++k) {
            const float* in = nullptr;
            if (Status s = row(rows.first + k, in); !s.ok()) return s;
            const double w = rows.weights[k];
            for (std::size_t x = 0; x < width; ++x) {
                if (std::isnan(in[x])) continue;
                line[x] += w * static_cast<double>(in[x]);
                weight[x] += w;
            }
        }
        for (std::size_t x = 0; x < side; ++x) {
            const AverageFootprint& f = across[x];
            double sum = 0.0, total = 0.0;
            for (std::size_t k = 0; k < f.weights.size(); ++k) {
                sum += f.weights[k] * line[f.first + k];
                total += f.weights[k] * weight[f.first + k];
            }
            const bool data = total > 0.0;
            anyData = anyData || data;
            map.values[y * side + x] =
                data ? sum / total : std::numeric_limits<double>::quiet_NaN();
        }
    }
    if (!anyData) {
        if (!emptyAllowed) return NoData(name);
        map.empty = true;
        return Status();
    }
    map.filled = FillFromNearest(map.values.data(), side, side);
    map.averaged = true;
    return Status();
}

}  // namespace

Status ResampleRegion(HeightSource& source, const Region& region, std::size_t side,
                      bool wholeValues, const std::string& name, ResampledMap& map,
                      bool emptyAllowed) {
    map = ResampledMap();
    map.side = side;
    const bool shrinks = side < region.width || side < region.height;
    Status s = shrinks ? Averaged(source, region, side, wholeValues, name, map, emptyAllowed)
                       : Bilinear(source, region, side, wholeValues, name, map, emptyAllowed);
    if (!s.ok()) map = ResampledMap();
    return s;
}
