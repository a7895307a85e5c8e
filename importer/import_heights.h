#pragma once

#include <cstdint>
#include <vector>

#include "common/status/status.h"
#include "importer/import_maps.h"
#include "importer/import_notes.h"
#include "importer/import_plan.h"
#include "importer/quantize.h"
#include "importer/region_resample.h"

// The samples an import writes, on one height scale.
struct ImportHeights {
    Quantized primary;  // its 16-bit samples, V, and the lowest and highest height
    // With --surround: the eight surrounding maps' 8-bit samples, in the
    // plan's order, and their step, 256 × V.
    std::vector<std::vector<std::uint8_t>> surrounding;
    float surroundingVertical = 0.0f;
};

// Turns the resampled maps (the plan's, the primary last, spanning `range`)
// into samples, giving up each map's values as it is done with them. Warns
// of ground too steep to be meant and of a primary too small for a tile.
// Fails, naming the input, when the heights span more than the painter
// takes.
Status QuantizeMaps(std::vector<ResampledMap>& maps, const ImportPlan& plan,
                    const ImportOptions& options, const HeightRange& range, ImportHeights& heights,
                    ImportNotes& notes);
