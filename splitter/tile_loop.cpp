#include "splitter/tile_loop.h"

#include <cstdio>
#include <string>
#include <utility>

#include "common/platform/platform.h"
#include "level/level_names.h"
#include "splitter/tile_cut.h"

namespace {

// The tile a converter command line makes: what follows "-output ".
std::string TileOf(const char* command) {
    const std::string line(command);
    const size_t start = line.find("-output ");
    if (start == std::string::npos) return "?";
    const size_t name = start + 8;
    return line.substr(name, line.find(' ', name) - name);
}

}  // namespace

Status ConvertMapTile(const TgaPixels& map, std::int32_t mapWidth, std::int32_t x, std::int32_t r,
                      const char* temporary, const char* command,
                      platform::CommandRunner runCommand) {
    const std::string tile = TileOf(command);
    TgaImage image = CutTile(map, mapWidth, x, r);
    if (!image.pixels) {
        return Status::Failure("ERROR: tile " + tile + ": its block (column " + std::to_string(x) +
                                   ", stored row " + std::to_string(r) + ") lies outside the map",
                               TileOutsideMap);
    }
    // Read once by the converter and overwritten by the next tile. The
    // failure names the tile and says why ("ERROR: writing <temporary> (No
    // space left on device)").
    if (const Status saved = image.Save(temporary, platform::FileCommit::Durability::Scratch);
        !saved.ok()) {
        return Status::Failure("ERROR: tile " + tile + ": " + saved.message().substr(7),
                               TileNotWritten);
    }
    // The converter has finished with the temporary file when this returns,
    // so the next tile may overwrite it. A conversion that failed (a full
    // disk, say) leaves a tile missing: the run must not pass for complete.
    // The converter says why, just before.
    if (runCommand(command) != 0) {
        return Status::Failure("ERROR: tile " + tile + ": running \"" + command +
                                   "\" failed (the converter's message comes before)",
                               ConversionFailed);
    }
    return Status();
}

void FormatTileCommands(std::int32_t x, std::int32_t y, char (&detailCommand)[kCommandSize],
                        char (&colourCommand)[kCommandSize]) {
    std::snprintf(detailCommand, kCommandSize, "nvdxt -file %s -output %s -u8888 -nomipmap",
                  level::kDetailTemporary, level::DetailTileFile(x, y).c_str());
    std::snprintf(colourCommand, kCommandSize, "nvdxt -file %s -output %s -u8888 -nomipmap",
                  level::kColourTemporary, level::ColourTileFile(x, y).c_str());
}

Status ConvertAllTiles(const SplitterState& state, const TgaPixels& detail,
                       const TgaPixels& colour, const TileLoopListener& listener,
                       platform::CommandRunner runCommand) {
    const std::int32_t n = TilesPerSide(state.mapWidth);
    Status first;
    auto convert = [&](const TgaPixels& map, std::int32_t x, std::int32_t r, const char* temporary,
                       const char* command) {
        Status outcome =
            ConvertMapTile(map, state.mapWidth, x, r, temporary, command, runCommand);
        if (listener.tileDone) listener.tileDone(outcome);
        if (first.ok()) first = std::move(outcome);
    };
    char detailCommand[kCommandSize];
    char colourCommand[kCommandSize];
    for (std::int32_t x = 0; x < n; ++x) {
        for (std::int32_t r = 0; r < n; ++r) {
            // The maps store their bottom row first; names count from the top.
            FormatTileCommands(x, n - 1 - r, detailCommand, colourCommand);
            if (state.haveDetail) convert(detail, x, r, level::kDetailTemporary, detailCommand);
            if (state.haveColour) convert(colour, x, r, level::kColourTemporary, colourCommand);
            if (listener.tileRowDone) listener.tileRowDone(r);
        }
    }
    return first;
}
