#include "painter/app/command_line.h"

#include <cstring>

#include "common/text/c_number.h"

namespace {

// A tiny matcher for the one scan format the painter uses. scanf's %d has
// undefined behaviour on numbers that overflow; this reader saturates, as
// strtol does, and reads alike under every locale.
struct Scanner {
    const char* at;

    void SkipBlanks() { at = SkipCBlanks(at); }
    bool Word(const char* word) {
        const size_t length = std::strlen(word);
        if (std::strncmp(at, word, length) != 0) return false;
        at += length;
        return true;
    }
    bool Number(long long& value) {
        const char* end = ReadCInteger(at, value);
        if (!end) return false;
        at = end;
        return true;
    }
};

}  // namespace

std::optional<JobOptions> ParseCommandLine(const char* commandLine) {
    if (!commandLine) return std::nullopt;
    Scanner scan{commandLine};
    long long mirror = 0, surround = 0, deltemps = 0;
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
