#include "common/platform/files_together.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "common/platform/file_commit.h"
#include "common/platform/read_file.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

Status Put(FileCommit& file, const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (Status opened = file.Open(path.c_str()); !opened.ok()) return opened;
    file.Write(bytes.data(), bytes.size());  // a failure is kept and reported by Commit
    return Status();
}

}  // namespace

Status WriteFilesTogether(const std::vector<FileToWrite>& files, std::uint64_t restoreLimit) {
    // What each file held, to put back should a later one fail: nothing when
    // there was no file.
    std::vector<std::optional<std::vector<std::uint8_t>>> before(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const char* path = files[i].path.c_str();
        std::error_code error;
        if (fs::status(path, error).type() != fs::file_type::regular) continue;
        std::vector<std::uint8_t> bytes;
        if (Status read = ReadFileStart(path, bytes, restoreLimit + 1); !read.ok()) return read;
        if (bytes.size() > restoreLimit) {
            return Status::Failuref("ERROR: %s is larger than it can be (%llu bytes or more); move "
                                    "it away so that the new one can be written",
                                    path, static_cast<unsigned long long>(restoreLimit + 1));
        }
        before[i] = std::move(bytes);
    }
    std::vector<std::unique_ptr<FileCommit>> written;
    for (const FileToWrite& file : files) {
        written.push_back(std::make_unique<FileCommit>());
        if (Status s = Put(*written.back(), file.path, file.bytes); !s.ok()) return s;
    }
    // Every byte handed to the system: a full disk shows here, before
    // anything is put in place. Commit reports the failure and removes the
    // temporary file.
    for (auto& file : written) {
        if (!file->Flush()) return file->Commit();
    }
    std::size_t placed = 0;
    Status failed;
    for (; placed < written.size(); ++placed) {
        failed = written[placed]->Commit();
        if (!failed.ok()) break;
    }
    if (failed.ok()) return failed;
    std::string unrestored;
    for (std::size_t i = 0; i < placed; ++i) {
        const std::string& path = files[i].path;
        bool ok = false;
        if (before[i]) {
            FileCommit old;
            ok = Put(old, path, *before[i]).ok() && old.Commit().ok();
        } else {
            ok = std::remove(path.c_str()) == 0;
        }
        if (!ok) unrestored += (unrestored.empty() ? "" : ", ") + path;
    }
    if (unrestored.empty()) return failed;
    return Status::Failure(failed.message() + "; " + unrestored + " could not be put back as " +
                           (unrestored.find(", ") == std::string::npos ? "it was" : "they were"));
}

}  // namespace platform
