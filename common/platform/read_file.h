#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "common/status/status.h"

namespace platform {

// The first bytes of a file into `bytes`, up to `limit` of them (the rest is
// not read): fewer when the file is shorter or a read fails part-way. Fails
// with "ERROR: reading <path>" when the path names no regular file that can
// be opened; callers with a message of their own show theirs. The block
// never exceeds what the file holds, whatever the limit.
Status ReadFileStart(const char* path, std::vector<std::uint8_t>& bytes,
                     std::uint64_t limit = std::numeric_limits<std::uint64_t>::max());

}  // namespace platform
