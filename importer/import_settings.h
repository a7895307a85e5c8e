#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/status/status.h"
#include "importer/import_heights.h"
#include "importer/import_notes.h"
#include "importer/import_plan.h"

// The level's settings as an import leaves them.
struct ImportSettings {
    std::string text;
    // Whole metres between output samples, as the scale lines hold them.
    std::int64_t spacing = 1;
    std::int64_t surroundingSpacing = 1;
    // The height of sample 0, recorded for the material rules.
    double base = 0.0;
};

// Whether the import writes the settings afresh (the level has none, or
// --new) rather than rewriting the lines it owns.
inline bool WritesNewLevel(const ImportOptions& options,
                           const std::optional<std::string>& oldSettings) {
    return !oldSettings || options.newLevel;
}

// Makes the settings text: the level's own (`oldSettings`, named
// `settingsName` in notes) with the heightmaps' size, scale and base height
// lines rewritten, or a new one. Notes spacings the settings cannot hold as
// they are. Fails, naming the input, for a spacing beyond what they hold.
Status MakeSettings(const ImportPlan& plan, const ImportHeights& heights,
                    const ImportOptions& options, const std::optional<std::string>& oldSettings,
                    const std::string& settingsName, ImportSettings& settings, ImportNotes& notes);
