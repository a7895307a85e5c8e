#include "converter/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Moves the finished file into the old one's place. On Linux the old file is
// removed first: renaming over it makes ext4 write the new file's blocks out
// at once (its guard for programs that replace files without syncing them),
// milliseconds for each of a job's 144 textures. The name is then missing
// for a moment, but never holds a truncated file. Only a regular file is
// removed, so a folder of that name still refuses the rename.
bool RenameOver(const char* from, const char* to, std::string& reason) {
#ifdef _WIN32
    // rename() refuses to replace an existing file on Windows.
    if (::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) return true;
    reason = "cannot replace the file (Windows error " + std::to_string(::GetLastError()) + ")";
    return false;
#else
    struct stat info;
    if (stat(to, &info) == 0 && S_ISREG(info.st_mode)) ::unlink(to);
    if (std::rename(from, to) == 0) return true;
    reason = std::strerror(errno);
    return false;
#endif
}

}  // namespace

bool WriteFileReplacing(const char* path, const std::function<bool(std::FILE*)>& writeContent,
                        std::string& reason) {
    const std::string temporary = std::string(path) + ".partial";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    errno = 0;
    bool written = writeContent(file) && std::fflush(file) == 0;
    if (!written) reason = errno ? std::strerror(errno) : "write failed";
    // The close can still fail (a full disk or quota shows up here on some systems).
    if (std::fclose(file) != 0 && written) {
        written = false;
        reason = std::strerror(errno);
    }
    if (written && RenameOver(temporary.c_str(), path, reason)) return true;
    std::remove(temporary.c_str());
    return false;
}
