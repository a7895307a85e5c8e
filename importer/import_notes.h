#pragma once

#include <string>
#include <vector>

#include "common/text/c_format.h"

// What an import's stages have to tell the user beside the report's own
// lines: notes (what was done that the user may not expect) and warnings
// (what looks wrong), each shown after the report in the order made.
struct ImportNotes {
    std::vector<std::string> notes;
    std::vector<std::string> warnings;
};

// printf for the importer's notes and report lines, locale-free, and held
// to a message's length as every line of the report always was.
std::string ImportText(const char* format, ...) MARVANE_PRINTF(1, 2);
