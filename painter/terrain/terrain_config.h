#pragma once

#include <string>

#include "level/terrain_settings.h"

// Reads the terrain description at `path` and parses it. Throws FatalError
// "ERROR: reading \"<path>\"\n" when it cannot be read.
TerrainConfig LoadTerrainConfig(const std::string& path);
