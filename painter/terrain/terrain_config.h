#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

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

// Reads the "heightmap.setSize" and "heightmap.setScale" lines of the terrain
// description at `path`. The first scale line closes the primary section, the
// second ends the reading; values the file does not give stay zero. Throws
// FatalError "ERROR: reading \"../Heightdata.con\"\n" when it cannot be opened.
TerrainConfig LoadTerrainConfig(const std::string& path);

// Reads the next line of `file` into `line`, without its line feed and with
// every carriage return dropped. False only when the file ends before the
// first character of a new line.
bool ReadConfigLine(std::FILE* file, std::string& line);
