#include "importer/quantize.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "level/heightmap_samples.h"

namespace {

// The painter refuses a vertical scale whose full range passes this.
constexpr double kPainterHeightLimit = 1e18;

// The smallest float not below `value`: heights divided by it never pass
// the top sample.
float FloatNotBelow(double value) {
    float f = static_cast<float>(value);
    if (static_cast<double>(f) < value)
        f = std::nextafter(f, std::numeric_limits<float>::infinity());
    return f;
}

std::uint16_t Rounded(double value) {
    const double rounded = std::floor(value + 0.5);
    return static_cast<std::uint16_t>(std::clamp(rounded, 0.0, 65535.0));
}

}  // namespace

Status CheckWholeSamples(const float* values, std::size_t columns, std::size_t rows,
                         std::size_t left, std::size_t top, const std::string& name) {
    for (std::size_t i = 0; i < columns * rows; ++i) {
        const float value = values[i];
        if (std::isnan(value)) continue;
        if (!(value >= 0.0f && value <= 65535.0f && value == std::floor(value))) {
            return Status::Failuref(
                "ERROR: %s: --keep-values needs whole numbers from 0 to 65535, "
                "but the sample at row %zu, column %zu is %.9g",
                name.c_str(), top + i / columns, left + i % columns, static_cast<double>(value));
        }
    }
    return Status();
}

void ExtendRange(const std::vector<double>& values, double& low, double& high) {
    for (const double value : values) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
}

Status Quantize(const std::vector<double>& values, std::size_t side, double low, double high,
                double metresPerUnit, bool keepValues, const std::string& name, Quantized& out,
                double steps) {
    // The painter divides heights by V times the whole 16-bit sample range.
    constexpr double kFullRange = level::FullSampleRange(true);
    out = Quantized();
    const std::size_t n = side;

    if (keepValues) {
        out.verticalScale = static_cast<float>(metresPerUnit);
        if (static_cast<double>(out.verticalScale) * kFullRange > kPainterHeightLimit) {
            return Status::Failuref(
                "ERROR: %s: a vertical scale of %g m per step puts heights "
                "beyond the painter's 1e+18 m",
                name.c_str(), metresPerUnit);
        }
        out.lowest = std::floor(low + 0.5) * metresPerUnit;
        out.highest = std::floor(high + 0.5) * metresPerUnit;
    } else {
        out.lowest = low * metresPerUnit;
        out.highest = high * metresPerUnit;
        const double span = out.highest - out.lowest;
        if (span / steps * kFullRange > kPainterHeightLimit) {
            return Status::Failuref(
                "ERROR: %s: its heights span %g m, more than the painter's "
                "1e+18 m",
                name.c_str(), span);
        }
        const float v = FloatNotBelow(span / steps);
        out.level = !(v >= FLT_MIN);
        out.verticalScale = out.level ? static_cast<float>(1.0 / 65535.0) : v;
    }

    out.bytes.resize(level::HeightmapBytes(static_cast<std::int64_t>(n), true));
    std::uint8_t* sample = out.bytes.data();
    for (std::size_t i = 0; i < n * n; ++i) {
        const double value = values[i];
        std::uint16_t written = 0;
        if (keepValues) {
            written = Rounded(value);
        } else if (!out.level) {
            written = Rounded((value * metresPerUnit - out.lowest) / out.verticalScale);
        }
        sample = level::PutPrimarySample(sample, written);
    }
    return Status();
}

std::vector<std::uint8_t> QuantizeSurrounding(const std::vector<double>& values,
                                              double metresPerUnit, double lowest, float vertical) {
    std::vector<std::uint8_t> bytes(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double step = (values[i] * metresPerUnit - lowest) / vertical;
        bytes[i] = static_cast<std::uint8_t>(std::clamp(std::floor(step + 0.5), 0.0, 255.0));
    }
    return bytes;
}
