#include "splitter/tile_loop.h"

#include <cstdio>

#include "common/platform/platform.h"
#include "splitter/tile_cut.h"

namespace {

bool CutAndConvert(const TgaPixels& map, std::int32_t mapWidth, std::int32_t x, std::int32_t r,
                   const char* temporary, const char* command) {
    TgaImage tile = CutTile(map, mapWidth, x, r);
    if (!tile.pixels) {
        std::printf("ERROR: tile %d,%d lies outside the map\n", x, r);
        return false;
    }
    if (tile.Save(temporary) != Ok) {
        std::printf("ERROR: writing %s\n", temporary);
        return false;
    }
    // The converter has finished with the temporary file when this returns,
    // so the next tile may overwrite it. A conversion that failed (a full
    // disk, say) leaves a tile missing: the run must not pass for complete.
    const bool converted = platform::RunCommand(command) == 0;
    std::printf("\n");
    if (!converted) std::printf("ERROR: running \"%s\" failed\n", command);
    return converted;
}

}  // namespace

void FormatTileCommands(std::int32_t x, std::int32_t y, char (&detailCommand)[CommandSize],
                        char (&colourCommand)[CommandSize]) {
    std::snprintf(detailCommand, CommandSize,
                  "nvdxt -file dtemp.tga -output detailmaps/tx0%dx0%d_1.dds -u8888 -nomipmap", x,
                  y);
    std::snprintf(colourCommand, CommandSize,
                  "nvdxt -file ctemp.tga -output colormaps/tx0%dx0%d.dds -u8888 -nomipmap", x, y);
}

bool ConvertTile(const SplitterState& state, std::int32_t x, std::int32_t r,
                 const char* detailCommand, const char* colourCommand, const TgaPixels& detail,
                 const TgaPixels& colour) {
    bool done = true;
    if (state.haveDetail) {
        done &= CutAndConvert(detail, state.mapWidth, x, r, "dtemp.tga", detailCommand);
    }
    if (state.haveColour) {
        done &= CutAndConvert(colour, state.mapWidth, x, r, "ctemp.tga", colourCommand);
    }
    return done;
}

bool ConvertAllTiles(const SplitterState& state, const TgaPixels& detail,
                     const TgaPixels& colour) {
    const std::int32_t n = TilesPerSide(state.mapWidth);
    bool done = true;
    char detailCommand[CommandSize];
    char colourCommand[CommandSize];
    for (std::int32_t x = 0; x < n; ++x) {
        for (std::int32_t r = 0; r < n; ++r) {
            // The maps store their bottom row first; names count from the top.
            FormatTileCommands(x, n - 1 - r, detailCommand, colourCommand);
            done &= ConvertTile(state, x, r, detailCommand, colourCommand, detail, colour);
        }
    }
    return done;
}
