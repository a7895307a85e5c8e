#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/status/status.h"

namespace platform {

class FileCommit;

// Files that belong together (a level's heightmaps and settings, a material
// set) are put in place under the protection of a commit record, a small
// file of this name in their folder: every file is written and synced under
// its temporary name, then the record listing them is written and synced,
// then each takes its name, then the record goes. Whenever the program is
// ended, the folder holds either the old files, or a whole record from which
// the next program completes the new ones.
inline constexpr char kCommitRecordFile[] = "files_together.commit";

// Puts files opened and written with FileCommit (Safe), all in one folder,
// in place together under a commit record, in the order given. On failure
// `placed` says how many took their names before one failed; the record is
// then removed, so that the caller can put those back as they were.
Status CommitTogether(const std::vector<FileCommit*>& files, std::size_t& placed);

// What every program that reads or writes such a folder does first: when a
// program was ended while putting files in place there, completes the
// commit whose record is whole, or removes the temporary files and the
// record of one whose record is not (the old files were then all still in
// place). `note` is then one line saying so, for the user, to be shown
// after "Note: "; empty when there
// was nothing to do. Fails, with a message naming the file, only when a
// file cannot take its name.
Status CompleteFilesTogether(const std::string& folder, std::string& note);

// A file to write and its whole content.
struct FileToWrite {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// Writes files that belong together (a material set: its textures, its
// gradients and the rules they came from), all in one folder, so that they
// land together or not at all: under a commit record, and should one fail to
// take its place, those already placed are put back as they were (their old
// contents are held in memory for that, so each must be at most
// `restoreLimit` bytes; a larger old file is refused before anything is
// written). The message of
// a failure names the file and the system's reason.
Status WriteFilesTogether(const std::vector<FileToWrite>& files,
                          std::uint64_t restoreLimit = std::uint64_t{64} << 20);

}  // namespace platform
