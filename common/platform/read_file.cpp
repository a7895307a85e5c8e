#include "common/platform/read_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace platform {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Status ReadFileStart(const char* path, std::vector<std::uint8_t>& bytes, std::uint64_t limit) {
    bytes.clear();
    // Only a regular file is read: a folder opens on some systems but has no
    // length, and opening a named pipe (a FIFO in place of the settings, say)
    // would wait for a writer that may never come.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Status::Failuref("ERROR: reading %s", path);
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) return Status::Failuref("ERROR: reading %s", path);
    const std::uint64_t length = std::filesystem::file_size(path, error);
    if (error) return Status::Failuref("ERROR: reading %s", path);
    bytes.resize(static_cast<std::size_t>(std::min(length, limit)));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return Status();
}

}  // namespace platform
