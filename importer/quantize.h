#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/status/status.h"

// Fails unless every value of a window of the input (rows × columns values
// from input row `top`, column `left`) that holds data is a whole number
// from 0 to 65535, the samples that --keep-values writes unchanged. The
// message names the input row and column.
Status CheckWholeSamples(const float* values, std::size_t columns, std::size_t rows,
                         std::size_t left, std::size_t top, const std::string& name);

// Widens [low, high] to take in every value.
void ExtendRange(const std::vector<double>& values, double& low, double& high);

// The level's heightmap: N × N unsigned 16-bit samples and the height of one
// step, V, as the settings file will hold it.
struct Quantized {
    std::vector<std::uint8_t> bytes;  // N × N samples, least significant byte first, row 0 first
    float verticalScale = 0.0f;       // V: metres per sample step
    double lowest = 0.0;              // lowest and highest height written, in metres
    double highest = 0.0;
    bool level = false;  // every height the same
};

// Heights are the resampled values (side × side of them) times
// `metresPerUnit`. By default [low, high] (in the values' unit: the values'
// own range, or a wider one shared with other maps) spans the full 16-bit
// range, sample = round((h − lowest) / V) with V = (highest − lowest) / 65535
// as a float no smaller (a level input writes 0 and V = 1/65535). With
// `keepValues` the values are written rounded, unscaled, and
// V = metresPerUnit. Fails, naming `name`, when the heights span more than
// the painter takes (V times the full 16-bit sample range above 1e18). `steps` replaces the 65535
// steps of the range: 65280 = 255 × 256 leaves room for the range in 8 bits
// with 256 × V, for maps that share the scale.
Status Quantize(const std::vector<double>& values, std::size_t side, double low, double high,
                double metresPerUnit, bool keepValues, const std::string& name, Quantized& out,
                double steps = 65535.0);

// The steps of a primary heightmap whose range surrounding maps share.
constexpr double kSharedRangeSteps = 255.0 * 256.0;

// A surrounding heightmap on the primary's height scale: its 8-bit samples
// are round((h − lowest) / vertical), h the values times `metresPerUnit`,
// held to 0–255. With vertical 256 × the primary's V, a height lands at the
// same fraction of the full range in both, so the painter gives the same
// ground the same materials on both sides of an edge.
std::vector<std::uint8_t> QuantizeSurrounding(const std::vector<double>& values,
                                              double metresPerUnit, double lowest, float vertical);
