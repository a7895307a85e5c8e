#pragma once

#include <cstdio>
#include <string>

#include "common/status/status.h"

namespace platform {

// Writes a file so that its name never holds a half-written one: the content
// goes to "<path>.partial", which Commit puts in the place of path only once
// every byte is written and the file closed cleanly. So path holds either its
// old content or the complete new one, whether the disk fills up or the
// program is ended half-way (its dialog closed during a job). A file that is
// not committed is removed, path staying as it was.
//
// A path naming something other than a regular file is opened in place: a
// device (a test's full disk) cannot be replaced and must survive, and a
// folder refuses at once instead of after the whole content is written.
class FileCommit {
public:
    FileCommit() = default;
    ~FileCommit() { Abandon(); }
    FileCommit(const FileCommit&) = delete;
    FileCommit& operator=(const FileCommit&) = delete;

    // Creates the file (dropping one this object had open but not committed).
    // Fails with "ERROR: writing <path> (<the system's reason>)".
    Status Open(const char* path);
    // Where the content goes: null unless Open succeeded and neither Commit
    // nor Abandon has run since.
    std::FILE* file() const { return file_; }
    // Flushes and closes the file and puts it in place. A write that failed
    // on the way (the stream's error flag), a failed flush or close, or a
    // rename that is refused (a folder of that name) fail with
    // "ERROR: writing <path> (<reason>)"; the partial file is then removed.
    Status Commit();
    // Closes and removes what was written; path stays as it was.
    void Abandon();

private:
    Status Failed(const std::string& reason);

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string target_;  // what is written: path_ + ".partial", or path_ for a device
};

// Removes the "<name>.partial" files in a folder: what a program ended
// half-way through writing a file left behind. Nothing else is touched.
void RemovePartialFiles(const char* folder);

}  // namespace platform
