#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/status/status.h"

namespace platform {

// A file to write and its whole content.
struct FileToWrite {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// Writes files that belong together (a material set: its textures, its
// gradients and the rules they came from) so that they land together or
// not at all: every one is written in full and synced under a temporary
// name before any takes its place, and should one then fail to take it,
// those already placed are put back as they were (their old contents are
// held in memory for that, so each must be at most `restoreLimit` bytes;
// a larger old file is refused before anything is written). The message of
// a failure names the file and the system's reason.
Status WriteFilesTogether(const std::vector<FileToWrite>& files,
                          std::uint64_t restoreLimit = std::uint64_t{64} << 20);

}  // namespace platform
