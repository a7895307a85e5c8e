#pragma once

#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/import_options.h"

// One import: reads the input, resamples it to the output side, turns it
// into 16-bit samples and a vertical scale, and replaces the level's
// primary heightmap and the primary lines of its settings file together.
// On success `report` holds the lines to show the user; on failure the
// level is as it was and the message names the file at fault, and `report`
// holds at most the line saying that a write of the level ended half-way by
// an earlier program was completed or undone first.
Status RunImport(const ImportOptions& options, std::vector<std::string>& report);
