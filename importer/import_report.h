#pragma once

#include <string>
#include <vector>

#include "importer/height_source.h"
#include "importer/import_heights.h"
#include "importer/import_notes.h"
#include "importer/import_options.h"
#include "importer/import_plan.h"
#include "importer/import_settings.h"
#include "importer/level_files.h"

// Appends to `report` the lines that tell the user what an import did: the
// input (`grid`), the output and how it was resampled, the heights, what
// was written where, the base height, then the notes and the warnings.
void ReportImport(const ImportOptions& options, const HeightInfo& grid, const ImportPlan& plan,
                  const ImportHeights& heights, const ImportSettings& settings,
                  const LevelFiles& level, const ImportNotes& notes,
                  std::vector<std::string>& report);
