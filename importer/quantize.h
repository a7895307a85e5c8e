#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/height_grid.h"
#include "importer/resample.h"

// Replaces every NaN (no data) with the lowest valid value and gives their
// number. Fails, naming `name`, when no sample holds data.
Status FillNoData(HeightGrid& grid, const std::string& name, std::size_t& filled);

// Fails unless every value is a whole number from 0 to 65535, the samples
// that --keep-values writes unchanged.
Status CheckWholeSamples(const HeightGrid& grid, const std::string& name);

// The level's heightmap: N × N unsigned 16-bit samples and the height of one
// step, V, as the settings file will hold it.
struct Quantized {
    std::vector<std::uint8_t> bytes;  // N × N samples, least significant byte first, row 0 first
    float verticalScale = 0.0f;       // V: metres per sample step
    double lowest = 0.0;              // lowest and highest height written, in metres
    double highest = 0.0;
    bool level = false;  // every height the same
};

// Heights are the resampled values times `metresPerUnit`. By default they
// span the full 16-bit range, sample = round((h − lowest) / V) with
// V = (highest − lowest) / 65535 as a float no smaller (a level input writes
// 0 and V = 1/65535). With `keepValues` the resampled values are written
// rounded, unscaled, and V = metresPerUnit. Fails, naming `name`, when the
// heights span more than the painter takes (V × 65536 above 1e18).
Status Quantize(const Resampler& resampler, double metresPerUnit, bool keepValues,
                const std::string& name, Quantized& out);
