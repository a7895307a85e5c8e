#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/height_source.h"

// A part of the input, in input samples.
struct Region {
    std::size_t left = 0;
    std::size_t top = 0;
    std::size_t width = 0;
    std::size_t height = 0;
};

// A region brought to side × side samples, row 0 north, in the input's unit.
struct ResampledMap {
    std::size_t side = 0;
    std::vector<double> values;
    // Some side shrank, so the samples are area averages.
    bool averaged = false;
    // Samples without data, filled from the nearest valid height: input
    // samples when nothing shrank, else output samples whose whole cell had
    // no data.
    std::size_t filled = 0;
    // The region held no data at all (allowed only when asked): every
    // value is NaN, for the caller to fill.
    bool empty = false;
};

// Brings a region onto side × side samples, the region's corners on the
// output's corners (output sample i lies at region position
// i × (region side − 1) / (side − 1)).
//
// Where no side shrinks, the region is read whole (it holds no more samples
// than the output), its gaps filled from the nearest valid height, and it is
// resampled bilinearly. Where a side shrinks, each output sample is the area
// average of the input over its cell (the footprints of AverageVertexGrid;
// a side that grows takes bilinear weights), samples without data left out
// of the average; the region is read a band of rows at a time, so memory
// stays bounded whatever its size, and output samples whose whole cell has
// no data are then filled from the nearest valid one.
//
// With `wholeValues` every input value that holds data must be a whole
// number from 0 to 65535. Fails, naming `name`, when the region holds no
// data at all (unless `emptyAllowed`: the map is then `empty`), or as the
// source fails.
Status ResampleRegion(HeightSource& source, const Region& region, std::size_t side,
                      bool wholeValues, const std::string& name, ResampledMap& map,
                      bool emptyAllowed = false);
