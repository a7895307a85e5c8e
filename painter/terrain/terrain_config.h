#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The part of a level's terrain description that the painter needs: the side
// and the two scales of the primary heightmap and of the format shared by the
// eight surrounding heightmaps.

struct HeightmapSettings {
    std::int32_t size = 0;         // samples per side of the square heightmap
    float horizontalScale = 0.0f;  // world distance between neighbouring samples
    float verticalScale = 0.0f;    // world height of one raw sample step
    float heightRange = 0.0f;      // world height of the full raw sample range
};

struct TerrainConfig {
    HeightmapSettings primary;    // 16-bit samples
    HeightmapSettings secondary;  // 8-bit samples, all eight surrounding maps
};

// Reads the "heightmap.setSize" and "heightmap.setScale" lines of a terrain
// description held in memory. The first scale line closes the primary
// section, the second ends the reading; values the text does not give stay
// zero. Lines end with a line feed; carriage returns are dropped wherever
// they are.
TerrainConfig ParseTerrainConfig(std::string_view text);

// Reads the terrain description at `path` and parses it. Throws FatalError
// "ERROR: reading \"<path>\"\n" when it cannot be read.
TerrainConfig LoadTerrainConfig(const std::string& path);
