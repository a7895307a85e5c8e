#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// A level's terrain description (its Heightdata.con) as the painter reads
// it: of all its lines only the size and the scale of the primary heightmap
// and of the format shared by the eight surrounding heightmaps.

struct HeightmapSettings {
    std::int32_t size = 0;         // samples per side of the square heightmap
    float horizontalScale = 0.0f;  // world distance between neighbouring samples
    float verticalScale = 0.0f;    // world height of one raw sample step
    float heightRange = 0.0f;      // world height of the full raw sample range
    // The scale line the scales came from, carriage returns dropped, and its
    // line number (0 and empty when there was none): a message about the
    // scales can show the user which line to mend.
    int scaleLineNumber = 0;
    std::string scaleLine;
    // The same for the size line that gave the size.
    int sizeLineNumber = 0;
    std::string sizeLine;
    // A size or horizontal scale written as a whole number that 32 bits
    // cannot hold, as written ("" when there is none); the value itself
    // stays as it was (0 when no other line gave it), and a message about
    // that value names the number the user wrote.
    std::string sizeBeyondRange;
    std::string horizontalScaleBeyondRange;
};

struct TerrainConfig {
    HeightmapSettings primary;    // 16-bit samples
    HeightmapSettings secondary;  // 8-bit samples, all eight surrounding maps
};

// Reads the size and scale lines of a terrain description held in memory.
// Lines end with a line feed; carriage returns are dropped wherever they
// are. A line that begins with "heightmap.setSize" (exact case, at its very
// start) sets the current section's size from the whole number after it,
// if it has one; one that begins with "heightmap.setScale" sets "H/V" and
// ends the section: the first ends the primary section, the second the
// reading. Values the text does not give stay zero. Numbers are read as the
// C library reads them in its "C" locale, whatever the process's locale.
TerrainConfig ParseTerrainConfig(std::string_view text);

namespace level {

// What a line of a terrain description is to the painter.
enum class SettingsLineKind { Other, Size, Scale };
enum class SettingsSection { Primary, Secondary };

struct SettingsLine {
    std::size_t number;          // from 1
    std::size_t start;           // offset of its first byte in the text
    std::size_t contentEnd;      // offset of its line end ("\n", "\r\n"), or the text's end
    std::size_t end;             // offset after its line end
    std::string plain;           // its content with every carriage return dropped
    SettingsLineKind kind;
    SettingsSection section;     // the section it belongs to
};

// Calls `visit` for each line up to and including the line that ends the
// reading (the second scale line), or to the end of the text: the one walk
// that both the reader and the rewriter of the settings follow.
void WalkSettingsLines(std::string_view text, const std::function<void(const SettingsLine&)>& visit);

}  // namespace level
