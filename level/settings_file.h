#pragma once

#include <string>

#include "common/status/status.h"
#include "level/terrain_settings.h"

namespace level {

// Reads the terrain description at `path` into `config`. Fails with
// "ERROR: reading \"<path>\"\n" (the line end is part of the message the
// painter has always shown) when it cannot be read; `config` is then left
// as it was.
Status ReadSettingsFile(const std::string& path, TerrainConfig& config);

}  // namespace level
