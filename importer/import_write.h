#pragma once

#include <optional>
#include <string>

#include "common/status/status.h"
#include "importer/import_heights.h"
#include "importer/import_notes.h"
#include "importer/import_options.h"
#include "importer/import_settings.h"
#include "importer/level_files.h"

// Whether the level folder is missing but the folder it goes in exists, so
// that the import makes it.
bool LevelFolderToMake(const std::string& folder);

// Puts the import in the level: makes its folder when `makeFolder`, writes
// the heightmaps and the settings together (replacing `oldSettings`), and
// for a new level a material set in the painter's working folder (the
// user's own files there are kept). On failure before the heightmaps are in
// place the level is as it was; a failure after says they are written.
Status WriteImport(const LevelFiles& level, bool makeFolder, const ImportHeights& heights,
                   const ImportSettings& settings, const std::optional<std::string>& oldSettings,
                   const ImportOptions& options, ImportNotes& notes);
