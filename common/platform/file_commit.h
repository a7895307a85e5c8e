#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "common/status/status.h"

namespace platform {

// Writes a file so that its name never holds a half-written one: the content
// goes to "<path>.partial", which Commit puts in the place of path only once
// every byte is written and the file closed cleanly. A file that is not
// committed is removed, path staying as it was. How far the replacement goes
// is chosen per object:
//
// Safe (the default): the file's data is forced to the disk before it takes
// path's name in a single rename over the old file, and on Linux the folder
// is then synced, so that the switch itself is on the disk. Whatever stops
// the write (a full disk, a failed rename, the program ended half-way, the
// machine losing power), path holds its old content or the complete new one,
// never neither. For a user's own files, such as a level's heightmap and
// settings.
//
// Scratch: no sync, and on Linux the old file is removed just before the
// rename (renaming over an existing file makes ext4 write the new file's
// blocks out at once, which costs each of a job's many temporary tiles and
// maps). path still never holds a truncated file, but for a moment it holds
// nothing: a program ended, or a rename failing, at that moment leaves no
// file, and after a crash of the machine the name may hold an empty file.
// For what a job makes and would make again: its temporaries and outputs.
//
// A path naming something other than a regular file is opened in place: a
// device (a test's full disk) cannot be replaced and must survive, and a
// folder refuses at once instead of after the whole content is written.
class FileCommit {
public:
    enum class Durability { Safe, Scratch };

    explicit FileCommit(Durability durability = Durability::Safe) : durability_(durability) {}
    ~FileCommit() { Abandon(); }
    FileCommit(const FileCommit&) = delete;
    FileCommit& operator=(const FileCommit&) = delete;

    // Creates the file (dropping one this object had open but not committed).
    // Fails with "ERROR: writing <path> (<the system's reason>)".
    Status Open(const char* path);
    // Appends bytes. The first failure (a full disk, a size limit) is kept
    // with the system's reason at that moment, whatever this program does
    // with other files in between, and Commit reports it; from then on
    // nothing more is written. False once anything has failed or the file
    // is not open.
    bool Write(const void* bytes, std::size_t count);
    // Whether Open succeeded and neither Commit nor Abandon has run since.
    bool IsOpen() const { return file_ != nullptr; }
    // Hands what is buffered to the system now, so that a full disk shows
    // before any of several files is put in place. A failure is kept as
    // Write's.
    bool Flush();
    // Flushes and, in Safe mode, forces the data to the disk now, so that
    // several files can all be on the disk before any takes its name. A
    // failure is kept as Write's.
    bool Sync();
    // The name the file takes when committed.
    const std::string& path() const { return path_; }
    // Flushes (in Safe mode also syncs) and closes the file and puts it in
    // place. A write or flush that failed on the way, a failed sync or
    // close, or a rename that is refused (a folder of that name) fail with
    // "ERROR: writing <path> (<reason>)"; the partial file is then removed
    // and, in Safe mode, path holds its old content.
    // Success means path holds the new content; a failure to sync the folder
    // afterwards is not reported, as the name has already changed.
    Status Commit();
    // Closes and removes what was written; path stays as it was.
    void Abandon();

private:
    Status Failed(const std::string& reason);
    // Keeps the reason of the first failure, from errno as the failing call
    // left it.
    bool KeepFailure();

    Durability durability_;
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string target_;   // what is written: path_ + ".partial", or path_ for a device
    std::string failure_;  // why a write or flush failed; empty while none has
};

// Removes the "<name>.partial" files in a folder: what a program ended
// half-way through writing a file left behind. Nothing else is touched.
void RemovePartialFiles(const char* folder);

// Gives `from` the name `to` in one step, replacing the file there, as a
// safe commit does; false with the system's reason when it cannot.
bool MoveOver(const char* from, const char* to, std::string& reason);

// Makes the renames, creations and removals in a folder last through a crash
// of the machine (nothing to do on Windows, whose moves write through).
void SyncFolder(const std::string& folder);

}  // namespace platform
