// quillet: cuts a large detail map and a large colour map into 512 × 512
// tiles and has nvdxt convert each tile into a DDS file.
//
// Exit status: 0 after a complete run, 1 after a map that could not be read
// or refused, or a tile that could not be written or converted, 2 after the
// usage text.
#include <cstdio>
#include <cstring>
#include <string>

#include "common/image/tga_image.h"
#include "common/platform/job_lock.h"
#include "common/text/c_format.h"
#include "common/platform/terminal.h"
#include "splitter/tile_cut.h"
#include "splitter/tile_loop.h"

namespace {

constexpr char kUsage[] =
    "usage: quillet DETAILMAP COLORMAP\n"
    "\n"
    "Cuts a large detail map and a large colour map (24-bit TGA, as the painter\n"
    "writes them) into 512 x 512 tiles, column by column from the left and each\n"
    "column from the bottom up, and has nvdxt convert each tile into a DDS file:\n"
    "detailmaps/tx0Xx0Y_1.dds and colormaps/tx0Xx0Y.dds, X counting columns from\n"
    "the left and Y rows from the top. Write null for a map to skip. Each tile\n"
    "passes through dtemp.tga or ctemp.tga in the current folder.\n"
    "\n"
    "  -h, --help, /?  show this text\n"
    "  --version       show the version\n"
    "\n"
    "Exit status: 0 every tile converted, 1 a map could not be read or a tile\n"
    "could not be written or converted, 2 wrong arguments.\n";

// The fixed line on standard output, which batch scripts look for, and the
// reason on standard error.
int ReadError(const char* argument, const std::string& reason) {
    std::printf("ERROR: reading %s\n", argument);
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

// Why a map that could be read is not one the cutting takes whole.
std::string CuttingRefusal(const char* argument, const TgaPixels& map) {
    if (map.format != Bgr24) {
        return FormatC("ERROR: reading %s (%d-bit pixels; the splitter cuts 24-bit maps)",
                       argument, BytesPerPixel(map.format) * 8);
    }
    return FormatC("ERROR: reading %s (%d x %d: a map %d wide needs at least %d rows for its tiles)",
                   argument, static_cast<int>(map.width), static_cast<int>(map.height),
                   static_cast<int>(map.width), static_cast<int>(TilesPerSide(map.width) * TileSize));
}

// Loads a named map and checks that the cutting takes it: "" or the reason.
std::string OpenMap(TgaMappedFile& file, const char* argument) {
    if (const Status opened = file.Open(argument); !opened.ok()) return opened.message();
    if (!MapFitsTheCutting(file.Pixels())) return CuttingRefusal(argument, file.Pixels());
    return "";
}

bool Is(const char* argument, const char* word) { return std::strcmp(argument, word) == 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (Is(argv[1], "-h") || Is(argv[1], "--help") || Is(argv[1], "/?"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && Is(argv[1], "--version")) {
        std::puts("quillet 0.11");
        return 0;
    }
    std::printf("-----------------\n");
    std::printf("Quillet v0.11\n");
    std::printf("-----------------\n");
    if (argc < 3) {
        std::printf("usage: Quillet [detailmap] [colormap]\n");
        std::printf("    - use \"null\" as filename to ignore\n");
        return 2;
    }

    // Run by hand, the splitter keeps a painting job out of the folder (and
    // waits for none): both would write the same temporary pictures. Started
    // by a job, it works under the job's lock.
    platform::JobLock lock;
    if (const Status taken = lock.Take(); taken.code() == platform::kJobLockBusy) {
        std::fprintf(stderr, "%s\n", taken.message().c_str());
        return 1;
    }

    SplitterState state;
    state.haveDetail = std::strcmp(argv[1], "null") != 0;
    state.haveColour = std::strcmp(argv[2], "null") != 0;

    // Both maps are released on every way out. A map the cutting cannot take
    // whole is refused before any tile is made, detail map first. The maps
    // are mapped, not read: the painter has just written them, so their
    // pages are in the file cache and need neither a copy nor fresh memory.
    TgaMappedFile detailFile;
    TgaMappedFile colourFile;
    const TgaPixels& detail = detailFile.Pixels();
    const TgaPixels& colour = colourFile.Pixels();
    if (state.haveDetail) {
        if (const std::string refused = OpenMap(detailFile, argv[1]); !refused.empty()) {
            return ReadError(argv[1], refused);
        }
        state.mapWidth = detail.width;
    }
    if (state.haveColour) {
        if (const std::string refused = OpenMap(colourFile, argv[2]); !refused.empty()) {
            return ReadError(argv[2], refused);
        }
        state.mapWidth = colour.width;
    }
    if (state.haveDetail && state.haveColour && detail.width != colour.width) {
        std::fprintf(stderr, "ERROR: %s is %d texels wide and %s %d: both maps must be as wide\n",
                     argv[1], static_cast<int>(detail.width), argv[2],
                     static_cast<int>(colour.width));
        return 1;
    }

    TileLoopListener listener;
    // On a terminal one line counts the tiles, redrawn in place; elsewhere
    // (a pipe, a log file) every run of the converter is followed by a blank
    // line. A failed tile's message goes to standard error, as the
    // converter's do.
    const bool terminal = platform::IsTerminal(stdout);
    const std::int32_t perMap = TilesPerSide(state.mapWidth);
    const int total = perMap * perMap * ((state.haveDetail ? 1 : 0) + (state.haveColour ? 1 : 0));
    int done = 0;
    listener.tileDone = [&](const Status& outcome) {
        ++done;
        if (terminal) {
            // The cursor waits at the start of the line, so that a message
            // of the converter or ours writes over the count, not after it.
            std::printf("tile %d of %d\r", done, total);
            std::fflush(stdout);
            if (!outcome.ok()) std::fprintf(stderr, "%s\n", outcome.message().c_str());
            if (done == total) std::printf("\n");
            std::fflush(stdout);
            return;
        }
        if (outcome.ok() || outcome.code() == ConversionFailed) std::printf("\n");
        std::fflush(stdout);
        if (!outcome.ok()) std::fprintf(stderr, "%s\n", outcome.message().c_str());
    };
    // A huge map is read a tile at a time, its pages given back behind the
    // cutting, so that the splitter never holds it whole.
    listener.tileRowDone = [&](std::int32_t r) {
        detailFile.ReleaseRows(r * TileSize, TileSize);
        colourFile.ReleaseRows(r * TileSize, TileSize);
    };
    return ConvertAllTiles(state, detail, colour, listener, platform::RunCommand).ok() ? 0 : 1;
}
