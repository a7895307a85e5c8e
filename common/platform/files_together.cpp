#include "common/platform/files_together.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "common/platform/file_commit.h"
#include "common/platform/read_file.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// The record's first line, and the most a record of a few dozen names holds.
constexpr char kRecordHeading[] = "files written together, in the order they take their names";
constexpr std::uint64_t kMaxRecordBytes = 64 << 10;

Status Put(FileCommit& file, const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (Status opened = file.Open(path.c_str()); !opened.ok()) return opened;
    file.Write(bytes.data(), bytes.size());  // a failure is kept and reported by Commit
    return Status();
}

// A file in a folder given as the user gave it ("" for the current one).
std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

std::string Count(std::size_t count) {
    char digits[24];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, count).ptr);
}

std::string Folder(const std::string& path) { return fs::path(path).parent_path().string(); }

// Writes the record under its own name and forces it to the disk: it is
// whole only once its last line is there, which the reader checks, so it
// needs no temporary name.
Status WriteRecord(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                   std::fflush(file) == 0;
#ifdef _WIN32
    written = written && ::_commit(::_fileno(file)) == 0;
#else
    written = written && (::fsync(::fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP);
#endif
    const std::string reason = std::strerror(errno);
    if (file && std::fclose(file) != 0) written = false;
    if (written) return Status();
    std::remove(path.c_str());
    return Status::Failure("ERROR: writing " + path + " (" + reason + ")");
}

// The names a whole record lists; false for a record cut short or not ours.
bool ReadRecord(const std::vector<std::uint8_t>& bytes, std::vector<std::string>& names) {
    names.clear();
    const std::string text(bytes.begin(), bytes.end());
    std::size_t start = 0;
    bool headed = false;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) return false;  // the last line cut short
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!headed) {
            if (line != kRecordHeading) return false;
            headed = true;
        } else if (line.rfind("end ", 0) == 0) {
            std::size_t count = 0;
            const char* first = line.data() + 4;
            const char* last = line.data() + line.size();
            const auto [next, error] = std::from_chars(first, last, count);
            return error == std::errc() && next == last && count == names.size() &&
                   start == text.size() && count > 0;
        } else {
            if (line.empty() || line == "." || line == ".." ||
                line.find_first_of("/\\") != std::string::npos) {
                return false;
            }
            names.push_back(line);
        }
    }
    return false;
}

}  // namespace

Status CommitTogether(const std::vector<FileCommit*>& files, std::size_t& placed) {
    placed = 0;
    if (files.empty()) return Status();
    const std::string folder = Folder(files[0]->path());
    std::string record = std::string(kRecordHeading) + "\n";
    for (const FileCommit* file : files) {
        if (Folder(file->path()) != folder) {
            return Status::Failure("ERROR: " + file->path() + " is not in the folder of " +
                                   files[0]->path() + ", so they cannot be written together");
        }
        record += fs::path(file->path()).filename().string() + "\n";
    }
    record += "end " + Count(files.size()) + "\n";

    // Every byte on the disk under its temporary name (a full disk shows
    // here, before anything is put in place; Commit reports the failure and
    // removes the temporary file), then the record, then the names.
    for (FileCommit* file : files) {
        if (!file->Sync()) return file->Commit();
    }
    const std::string recordPath = InFolder(folder, kCommitRecordFile);
    if (Status s = WriteRecord(recordPath, record); !s.ok()) return s;
    SyncFolder(folder);
    Status failed;
    for (; placed < files.size(); ++placed) {
        failed = files[placed]->Commit();
        if (!failed.ok()) break;
    }
    std::remove(recordPath.c_str());
    SyncFolder(folder);
    return failed;
}

Status CompleteFilesTogether(const std::string& folder, std::string& note) {
    note.clear();
    const std::string recordPath = InFolder(folder, kCommitRecordFile);
    std::error_code error;
    if (fs::status(recordPath, error).type() != fs::file_type::regular) return Status();
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> names;
    const std::string shown = folder.empty() ? "." : folder;
    if (ReadFileStart(recordPath.c_str(), bytes, kMaxRecordBytes).ok() &&
        ReadRecord(bytes, names)) {
        // Those already in place have no temporary file any more.
        for (const std::string& name : names) {
            const std::string path = InFolder(folder, name);
            const std::string partial = path + ".partial";
            if (fs::status(partial, error).type() != fs::file_type::regular) continue;
            std::string reason;
            if (!MoveOver(partial.c_str(), path.c_str(), reason)) {
                return Status::Failure("ERROR: " + partial + " cannot take its name (" + reason +
                                       "); it and the other files listed in " + recordPath +
                                       " belong in place together: free the names and start "
                                       "again, or write the files afresh");
            }
        }
        SyncFolder(folder);
        note = shown + ": a write of " + Count(names.size()) +
               " files together was ended half-way; it is now complete";
    } else {
        // Ended before the record was whole: no file had taken its name yet.
        RemovePartialFiles(folder.empty() ? "." : folder.c_str());
        note = shown +
               ": a write of files together was ended before any took its name; its temporary "
               "files are removed and the old files kept";
    }
    std::remove(recordPath.c_str());
    SyncFolder(folder);
    return Status();
}

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
    std::vector<FileCommit*> together;
    for (const FileToWrite& file : files) {
        written.push_back(std::make_unique<FileCommit>());
        together.push_back(written.back().get());
        if (Status s = Put(*written.back(), file.path, file.bytes); !s.ok()) return s;
    }
    std::size_t placed = 0;
    const Status failed = CommitTogether(together, placed);
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
