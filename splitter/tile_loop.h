#pragma once

#include <cstdint>
#include <functional>

#include "common/image/tga_image.h"
#include "common/platform/platform.h"
#include "common/status/status.h"

// What the entry learnt from its arguments and maps; read by the tile loop.
struct SplitterState {
    bool haveDetail = false;    // the first argument names a detail map
    bool haveColour = false;    // the second argument names a colour map
    std::int32_t mapWidth = 0;  // width of the map loaded last: row length and tile count
};

// The two converter command lines of the tile named (x, y), y counting tile
// rows from the top of the picture.
constexpr size_t kCommandSize = 256;
void FormatTileCommands(std::int32_t x, std::int32_t y, char (&detailCommand)[kCommandSize],
                        char (&colourCommand)[kCommandSize]);

// How a tile can fail: the code() of its Status.
enum TileFailure : int {
    TileOutsideMap = 1,    // the block does not lie within the map (the entry refuses such maps)
    TileNotWritten = 2,    // the temporary file could not be written; nothing was run
    ConversionFailed = 3,  // the converter ran and failed
};

// Cuts tile (x, r) of one map, writes it to `temporary` (the level's detail
// or colour temporary) and runs `command` with `runCommand` (the command
// interpreter's platform::RunCommand, or a test's stand-in). A temporary file that cannot be written is
// a failure and its conversion is skipped, since the converter would
// otherwise turn a stale tile into a new one. The failure's message is the
// line quillet shows.
Status ConvertMapTile(const TgaPixels& map, std::int32_t mapWidth, std::int32_t x, std::int32_t r,
                      const char* temporary, const char* command,
                      platform::CommandRunner runCommand);

// What the tile loop tells its caller as it goes, so that the console shows
// each outcome in its place among the converter's output.
struct TileLoopListener {
    // After each map's tile: success when it was converted, else the failure.
    std::function<void(const Status&)> tileDone;
    // After tile (x, r) of both maps: stored rows r × 512 to r × 512 + 511
    // are not needed again until the next column of tiles.
    std::function<void(std::int32_t r)> tileRowDone;
};

// Every tile, column by column from the left and within a column from the
// bottom of the picture upward, detail map first. A failed tile does not
// stop the others. Success when every tile was converted, else the first
// failure.
Status ConvertAllTiles(const SplitterState& state, const TgaPixels& detail,
                       const TgaPixels& colour, const TileLoopListener& listener,
                       platform::CommandRunner runCommand);
