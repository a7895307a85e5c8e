#include "importer/import_maps.h"

#include <array>
#include <limits>

#include "importer/quantize.h"
#include "importer/surround.h"

Status ResampleMaps(HeightSource& source, const ImportPlan& plan, const ImportOptions& options,
                    std::vector<ResampledMap>& maps) {
    maps.assign(plan.maps.size(), ResampledMap());
    for (std::size_t i = 0; i < plan.maps.size(); ++i) {
        if (Status s = ResampleRegion(source, plan.maps[i].region, plan.maps[i].side,
                                      options.keepValues, options.input, maps[i], options.surround);
            !s.ok()) {
            return s;
        }
    }
    return Status();
}

Status FillMaps(std::vector<ResampledMap>& maps, bool surround, const std::string& name,
                HeightRange& range, ImportNotes& notes) {
    if (surround) {
        std::array<ResampledMap*, 9> cells;
        for (std::size_t i = 0; i < 9; ++i) cells[i] = &maps.at(i);
        std::vector<std::string> places;
        if (Status s = FillEmptyCells(cells, name, places); !s.ok()) return s;
        for (const std::string& place : places) {
            notes.notes.push_back("the surrounding cell " + place +
                                  " holds no data: it continues the ground at its neighbours' "
                                  "edges");
        }
    }
    std::size_t filled = 0;
    bool averaged = false, filledAveraged = false;
    range.low = std::numeric_limits<double>::infinity();
    range.high = -range.low;
    for (const ResampledMap& map : maps) {
        filled += map.filled;
        averaged = averaged || map.averaged;
        filledAveraged = filledAveraged || (map.filled > 0 && map.averaged);
        ExtendRange(map.values, range.low, range.high);
    }
    if (filled > 0) {
        notes.notes.push_back(ImportText(filledAveraged
                                             ? "%zu output sample%s over ground without data "
                                               "took the nearest valid height"
                                             : "%zu sample%s without data took the nearest valid "
                                               "height",
                                         filled, filled == 1 ? "" : "s"));
    }
    if (averaged) {
        notes.notes.push_back(
            "shrunk by area averages: each output sample is the mean of the input "
            "over its cell");
    }
    return Status();
}
