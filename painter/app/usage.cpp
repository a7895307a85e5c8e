#include "painter/app/usage.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <string>

#include "common/platform/terminal.h"
#include "common/text/c_number.h"

const char* const PainterVersion = "Marvane 0.33\n";

const char* const PainterUsage =
    "usage: Marvane -mirror 0|1 -surround 0|1 -deltemps 0|1\n"
    "\n"
    "Paints the ground textures of a level's terrain from its heightmaps. Run it\n"
    "in a working folder inside the level's folder. With all three options it\n"
    "runs one job and ends.\n"
    "\n"
    "  -mirror 1       mirror every other repetition of the colour textures\n"
    "  -surround 1     also paint the eight surrounding heightmaps\n"
    "  -deltemps 1     delete detailbig.tga and colourbig.tga once they are tiled\n"
    "                  (any number but 1 means off)\n"
    "  -h, --help, /?  show this text\n"
    "  --version       show the version\n"
    "\n"
    "Reads   ../Heightdata.con, ../HeightmapPrimary.raw, ../HeightmapSecondary_*.raw,\n"
    "        data/low.tga, data/high.tga, data/steep.tga, data/grad_height.tga,\n"
    "        data/grad_angle.tga\n"
    "Writes  log.txt, detailbig.tga, colourbig.tga, detailmaps/, colormaps/,\n"
    "        lowdetailmaps/\n"
    "Runs    quillet and nvdxt, installed beside the painter\n"
    "\n"
    "The three options must come in this order, each followed by its number.\n"
    "Started without them, or with anything else, the painter shows its options\n"
    "dialog; where it cannot (no display, or no GTK 3 or dialog module on Linux)\n"
    "it says why, prints this text on standard error and ends with status 2.\n"
    "\n"
    "Exit status: 0 the job completed (or the dialog was closed), 1 the job failed,\n"
    "2 the painter could not start. MARVANE_THREADS=N limits it to N threads.\n";

InfoRequest InfoRequestOf(const char* commandLine) {
    if (!commandLine) return InfoRequest::None;
    std::string word(commandLine);
    const auto blank = IsCBlank;
    while (!word.empty() && blank(word.back())) word.pop_back();
    std::size_t start = 0;
    while (start < word.size() && blank(word[start])) ++start;
    word.erase(0, start);
    if (word == "-h" || word == "--help" || word == "/?") return InfoRequest::Help;
    if (word == "--version") return InfoRequest::Version;
    return InfoRequest::None;
}

void ShowInformation(const char* text) {
    if (platform::ReachStartingConsole()) {
        std::fputs(text, stdout);
        std::fflush(stdout);
        return;
    }
#ifdef _WIN32
    ::MessageBoxA(nullptr, text, "Marvane", MB_ICONINFORMATION | MB_OK);
#endif
}
