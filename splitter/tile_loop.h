#pragma once

#include <cstdint>

#include "common/image/tga_image.h"

// What the entry learnt from its arguments and maps; read by the tile loop.
struct SplitterState {
    bool haveDetail = false;    // the first argument names a detail map
    bool haveColour = false;    // the second argument names a colour map
    std::int32_t mapWidth = 0;  // width of the map loaded last: row length and tile count
};

// The two converter command lines of the tile named (x, y), y counting tile
// rows from the top of the picture.
constexpr size_t CommandSize = 256;
void FormatTileCommands(std::int32_t x, std::int32_t y, char (&detailCommand)[CommandSize],
                        char (&colourCommand)[CommandSize]);

// Cuts tile (x, r) of each named map, detail first, writes it to "dtemp.tga"
// or "ctemp.tga" and runs its command. A temporary file that cannot be
// written is reported and its conversion skipped, since the converter would
// otherwise turn a stale tile into a new one; a command that fails is
// reported too. True when nothing failed.
bool ConvertTile(const SplitterState& state, std::int32_t x, std::int32_t r,
                 const char* detailCommand, const char* colourCommand, const TgaPixels& detail,
                 const TgaPixels& colour);

// Every tile, column by column from the left and within a column from the
// bottom of the picture upward. True when nothing failed.
bool ConvertAllTiles(const SplitterState& state, const TgaPixels& detail,
                     const TgaPixels& colour);
