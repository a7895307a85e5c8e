#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace platform {

// The first bytes of a file, up to `limit` of them (the rest is not read):
// fewer when the file is shorter or a read fails part-way. Nothing when the
// path names no regular file that can be opened. The block never exceeds
// what the file holds, whatever the limit.
std::optional<std::vector<std::uint8_t>> ReadFileStart(
    const char* path, std::uint64_t limit = std::numeric_limits<std::uint64_t>::max());

}  // namespace platform
