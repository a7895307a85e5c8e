#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/height_grid.h"

// What a heightmap's file says about itself.
struct HeightInfo {
    std::size_t width = 0;
    std::size_t height = 0;
    // What the source is, for the report: "16-bit greyscale PNG".
    std::string format;
    // Metres between neighbouring samples along a row (x) and down a column
    // (y), when the source says.
    std::optional<double> spacingX;
    std::optional<double> spacingY;
    // Metres per unit of the values, when the source says.
    std::optional<double> metresPerUnit;
    // What the reader noticed that the user should hear about.
    std::vector<std::string> notes;
};

// A heightmap open for reading one window at a time, so that an input of any
// size is brought in without being held whole. Row 0 is the north edge,
// whatever order the file keeps its rows in.
class HeightSource {
public:
    virtual ~HeightSource() = default;
    const HeightInfo& info() const { return info_; }
    // Reads `rows` rows of `columns` samples starting at (left, top) into
    // `out`, row after row, in the source's unit, NaN where it has no data.
    // The window must lie inside the source. Fails, naming the file, on a
    // read error or an infinite value.
    virtual Status Read(std::size_t left, std::size_t top, std::size_t columns, std::size_t rows,
                        float* out) = 0;

protected:
    HeightInfo info_;
};

// A grid already in memory, such as a decoded PNG.
std::unique_ptr<HeightSource> MakeGridSource(HeightGrid grid);
