#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/height_source.h"
#include "importer/import_notes.h"
#include "importer/import_options.h"
#include "importer/region_resample.h"
#include "importer/resample.h"
#include "importer/surround.h"

// One map an import makes: the part of the input it comes from and its side.
struct MapPlan {
    Region region;
    std::size_t side = 0;
};

// What an import will make of its input, decided before a sample is read.
struct ImportPlan {
    // Metres between input samples along a row (x) and down a column (y).
    double inputX = 1.0;
    double inputY = 1.0;
    // Metres per unit of the input's values.
    double metresPerUnit = 1.0;
    // The primary heightmap's side and the part of the input it covers
    // (with --surround, of the centre cell).
    ResamplePlan primary;
    // With --surround: the 3 × 3 cells and the surrounding maps' side.
    SurroundLayout layout;
    std::size_t surroundingSide = 0;
    // The maps to make: the primary alone, or the eight surrounding maps
    // in the layout's order then the primary (always the last).
    std::vector<MapPlan> maps;
};

// Plans an import of an input that says `grid` of itself. `oldSettings` is
// the level's settings text, if it has one (named `settingsName` in
// messages), whose surrounding maps' size is kept when --surround-size is
// not given. The input's own notes, and how its spacing was taken, go to
// `notes`. Fails, naming the input or the settings, for an input that
// cannot be brought to the level as asked.
Status PlanImport(const ImportOptions& options, const HeightInfo& grid,
                  const std::optional<std::string>& oldSettings, const std::string& settingsName,
                  ImportPlan& plan, ImportNotes& notes);
