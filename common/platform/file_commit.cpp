#include "common/platform/file_commit.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

// Whether the path names something that is not a regular file. A device is
// written in place; a folder then refuses at once, before anything is
// written.
bool IsSpecialFile(const char* path) {
#ifdef _WIN32
    struct _stat64 info;
    return _stat64(path, &info) == 0 && (info.st_mode & _S_IFMT) != _S_IFREG;
#else
    struct stat info;
    return stat(path, &info) == 0 && !S_ISREG(info.st_mode);
#endif
}

// Hands the written data to the disk and waits until it is there, so that
// the name is never switched to a file whose blocks are still only in memory.
bool SyncFile(std::FILE* file, std::string& reason) {
#ifdef _WIN32
    if (::_commit(::_fileno(file)) == 0) return true;
#else
    // A file system that cannot sync says so with EINVAL (or ENOTSUP):
    // there is then nothing to wait for.
    if (::fsync(::fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP) return true;
#endif
    reason = std::strerror(errno);
    return false;
}

// Puts the finished file in the old one's place: in Safe mode by one rename
// over it, so that the name holds the old file until the new one is there.
// In Scratch mode, on Linux, the old file is removed first: renaming over it
// makes ext4 write the new file's blocks out at once (its guard for programs
// that replace files without syncing them), milliseconds for each of a job's
// temporary tiles and textures. Only a regular file is removed, so a folder
// of that name still refuses the rename.
bool MoveOver(const char* from, const char* to, FileCommit::Durability durability,
              std::string& reason) {
#ifdef _WIN32
    // rename() refuses to replace an existing file on Windows.
    DWORD flags = MOVEFILE_REPLACE_EXISTING;
    if (durability == FileCommit::Durability::Safe) flags |= MOVEFILE_WRITE_THROUGH;
    if (::MoveFileExA(from, to, flags)) return true;
    reason = "cannot replace the file (Windows error " + std::to_string(::GetLastError()) + ")";
    return false;
#else
    if (durability == FileCommit::Durability::Scratch) {
        struct stat info;
        if (stat(to, &info) == 0 && S_ISREG(info.st_mode)) ::unlink(to);
    }
    if (std::rename(from, to) == 0) return true;
    reason = std::strerror(errno);
    return false;
#endif
}

}  // namespace

Status FileCommit::Open(const char* path) {
    Abandon();
    path_ = path;
    target_ = IsSpecialFile(path) ? path_ : path_ + ".partial";
    failure_.clear();
    file_ = std::fopen(target_.c_str(), "wb");
    if (!file_) return Failed(std::strerror(errno));
    return Status();
}

bool FileCommit::KeepFailure() {
    if (failure_.empty()) failure_ = errno ? std::strerror(errno) : "write failed";
    return false;
}

bool FileCommit::Write(const void* bytes, std::size_t count) {
    if (!file_ || !failure_.empty()) return false;
    if (count == 0) return true;
    errno = 0;
    return std::fwrite(bytes, 1, count, file_) == count || KeepFailure();
}

bool FileCommit::Sync() {
    if (!Flush()) return false;
    if (target_ == path_ || durability_ != Durability::Safe) return true;
    std::string reason;
    if (SyncFile(file_, reason)) return true;
    failure_ = reason;
    return false;
}

bool FileCommit::Flush() {
    if (!file_ || !failure_.empty()) return false;
    errno = 0;
    return std::fflush(file_) == 0 || KeepFailure();
}

Status FileCommit::Commit() {
    if (!file_) return Failed("the file is not open");
    // A device written in place has nothing to sync or replace.
    const bool replacing = target_ != path_;
    const bool safe = replacing && durability_ == Durability::Safe;
    bool written = Flush();
    std::string reason = failure_;
    if (written && safe) written = SyncFile(file_, reason);
    // A full disk or a quota may only show when the last buffer is handed
    // over at close.
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed && written) {
        written = false;
        reason = std::strerror(errno);
    }
    if (written && !replacing) return Status();
    if (written && MoveOver(target_.c_str(), path_.c_str(), durability_, reason)) {
        if (safe) SyncFolder(std::filesystem::path(path_).parent_path().string());
        return Status();
    }
    if (replacing) std::remove(target_.c_str());
    return Failed(reason);
}

void FileCommit::Abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    if (target_ != path_) std::remove(target_.c_str());
}

Status FileCommit::Failed(const std::string& reason) {
    return Status::Failure("ERROR: writing " + path_ + " (" + reason + ")");
}

bool MoveOver(const char* from, const char* to, std::string& reason) {
    return MoveOver(from, to, FileCommit::Durability::Safe, reason);
}

void SyncFolder(const std::string& folder) {
#ifdef _WIN32
    (void)folder;
#else
    // The change has already happened, so a failure here changes nothing
    // the caller could act on.
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
#endif
}

void RemovePartialFiles(const char* folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() == ".partial" && entry.is_regular_file(error)) {
            std::filesystem::remove(path, error);
        }
    }
}

}  // namespace platform
