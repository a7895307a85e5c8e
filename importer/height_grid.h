#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"

// A heightmap held whole in memory (a decoded PNG, a small raw file): the
// samples in the source's own unit, row 0 first, with what the source says
// about itself.

// The largest input the importer takes: sides up to 32768 and at most
// 16385 × 16385 samples. Only a PNG is held whole (and has a lower limit of
// its own); readers check a header's claim against these before they
// allocate anything.
constexpr std::size_t kMaxInputSide = 32768;
constexpr std::size_t kMaxInputSamples = std::size_t{16385} * 16385;

struct HeightGrid {
    std::size_t width = 0;
    std::size_t height = 0;
    // width × height values, row after row; NaN where the source has no data.
    std::vector<float> values;
    // What the source is, for the report: "16-bit greyscale PNG".
    std::string format;
    // Metres between neighbouring samples along a row (x) and down a column
    // (y), when the source says.
    std::optional<double> spacingX;
    std::optional<double> spacingY;
    // Metres per unit of the values, when the source says (a GeoTIFF's
    // vertical unit); the command line's --vertical-scale wins.
    std::optional<double> metresPerUnit;
    // What the reader noticed that the user should hear about.
    std::vector<std::string> notes;

    float at(std::size_t row, std::size_t column) const { return values[row * width + column]; }
};

// Fails when a value is infinite, naming its row and column: no height can
// be made of it. NaN is no data, not an error.
Status RefuseInfinite(const HeightGrid& grid, const std::string& name);

// Whether the sides are within kMaxInputSide and kMaxInputSamples, and not
// zero. Readers call it on a header's claim before allocating.
bool InputSidesAllowed(std::size_t width, std::size_t height);
