#include "painter/app/command_line.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

// A tiny matcher for the one scan format the painter uses. scanf's %d has
// undefined behaviour on numbers that overflow; strtol saturates instead.
struct Scanner {
    const char* at;

    void SkipBlanks() {
        while (std::isspace(static_cast<unsigned char>(*at))) ++at;
    }
    bool Word(const char* word) {
        const size_t length = std::strlen(word);
        if (std::strncmp(at, word, length) != 0) return false;
        at += length;
        return true;
    }
    bool Number(long& value) {
        SkipBlanks();
        char* end = nullptr;
        value = std::strtol(at, &end, 10);
        if (end == at) return false;
        at = end;
        return true;
    }
};

}  // namespace

std::optional<JobOptions> ParseCommandLine(const char* commandLine) {
    if (!commandLine) return std::nullopt;
    Scanner scan{commandLine};
    long mirror = 0, surround = 0, deltemps = 0;
    // Each blank in the format matches any run of white space, also none.
    if (!scan.Word("-mirror") || !scan.Number(mirror)) return std::nullopt;
    scan.SkipBlanks();
    if (!scan.Word("-surround") || !scan.Number(surround)) return std::nullopt;
    scan.SkipBlanks();
    if (!scan.Word("-deltemps") || !scan.Number(deltemps)) return std::nullopt;

    JobOptions options;
    options.mirrorColour = mirror == 1;
    options.deleteTemporaries = deltemps == 1;
    options.paintSurrounding = surround == 1;
    return options;
}
