#pragma once

#include "tools/level_writer.h"

namespace sample_level {

extern const char* const kUsage;

// Reads the command line without the program name:
//   --out DIR [--primary N] [--secondary N] [--seed N]
// A later option of the same name wins. Fails on an unknown option, an
// option without its value, a malformed number, a side out of range, or a
// missing --out.
Status ParseArguments(int count, const char* const* arguments, LevelOptions& options);

}  // namespace sample_level
