#pragma once

#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/height_source.h"
#include "importer/import_notes.h"
#include "importer/import_plan.h"
#include "importer/region_resample.h"

// Reads and resamples every map of the plan from `source`, in the plan's
// order, into `maps`. With --surround a surrounding cell may hold no data at
// all (the sea, the edge of a survey): its map is then left `empty`, for
// FillMaps. Fails, naming the input, as the source or the resampling fails.
Status ResampleMaps(HeightSource& source, const ImportPlan& plan, const ImportOptions& options,
                    std::vector<ResampledMap>& maps);

// The lowest and highest value of all maps, in the input's unit.
struct HeightRange {
    double low = 0.0;
    double high = 0.0;
};

// Gives each empty surrounding map its neighbours' ground (`surround`: the
// maps are the eight surrounding ones then the primary), notes what was
// filled or averaged, and finds the range of every map's values. Fails,
// naming `name`, when a surrounding map has no neighbour with data.
Status FillMaps(std::vector<ResampledMap>& maps, bool surround, const std::string& name,
                HeightRange& range, ImportNotes& notes);
