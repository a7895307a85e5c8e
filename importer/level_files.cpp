#include "importer/level_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/platform/file_commit.h"
#include "common/platform/read_file.h"
#include "level/level_names.h"

namespace fs = std::filesystem;

namespace {

// Far beyond any settings file; a larger "settings file" is something else.
constexpr std::uint64_t kMaxSettingsBytes = 16 << 20;

// Paths as the user gave the folder, with '/' (Windows takes it too), so
// that messages show the names the user typed.
std::string InFolder(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

Status Write(platform::FileCommit& file, const std::string& path, const void* data,
             std::size_t size) {
    if (Status opened = file.Open(path.c_str()); !opened.ok()) return opened;
    if (size > 0) std::fwrite(data, 1, size, file.file());
    return Status();
}

// Every byte handed to the system: a full disk shows here, before anything
// is put in place. A failure is reported by Commit, which also removes the
// temporary file.
bool Flushed(platform::FileCommit& file) {
    return !std::ferror(file.file()) && std::fflush(file.file()) == 0;
}

}  // namespace

LevelFiles::LevelFiles(const std::string& levelFolder)
    : folder(levelFolder),
      settings(InFolder(levelFolder, level::kSettingsFile)),
      heightmap(InFolder(levelFolder, level::kPrimaryHeightmapFile)) {}

Status ReadLevelSettings(const LevelFiles& level, std::optional<std::string>& text) {
    text.reset();
    std::error_code error;
    if (!fs::is_directory(level.folder, error)) {
        return Status::Failuref("ERROR: %s: no such level folder", level.folder.c_str());
    }
    const fs::file_status status = fs::status(level.settings, error);
    if (status.type() == fs::file_type::not_found) return Status();
    if (status.type() != fs::file_type::regular) {
        return Status::Failuref(
            "ERROR: %s is not a file; move it away so that the settings can "
            "be written",
            level.settings.c_str());
    }
    std::vector<std::uint8_t> bytes;
    if (Status read = platform::ReadFileStart(level.settings.c_str(), bytes, kMaxSettingsBytes + 1);
        !read.ok()) {
        return read;
    }
    if (bytes.size() > kMaxSettingsBytes) {
        return Status::Failuref("ERROR: %s holds more than 16 MiB, too much for a settings file",
                                level.settings.c_str());
    }
    text.emplace(bytes.begin(), bytes.end());
    return Status();
}

Status WriteLevelFiles(const LevelFiles& level, const std::vector<std::uint8_t>& heightmap,
                       const std::string& settings, const std::optional<std::string>& oldSettings) {
    platform::FileCommit newHeightmap;
    platform::FileCommit newSettings;
    if (Status s = Write(newHeightmap, level.heightmap, heightmap.data(), heightmap.size());
        !s.ok()) {
        return s;
    }
    if (Status s = Write(newSettings, level.settings, settings.data(), settings.size()); !s.ok()) {
        return s;
    }
    if (!Flushed(newHeightmap)) return newHeightmap.Commit();
    if (!Flushed(newSettings)) return newSettings.Commit();

    // Each commit replaces its file in one step (FileCommit's safe mode): a
    // failed commit leaves that file's old content under its name.
    if (Status s = newSettings.Commit(); !s.ok()) return s;
    Status placed = newHeightmap.Commit();
    if (placed.ok()) return placed;

    // The old heightmap is still in place: so must be the old settings,
    // themselves replaced in one step.
    bool restored = false;
    if (oldSettings) {
        platform::FileCommit old;
        restored = Write(old, level.settings, oldSettings->data(), oldSettings->size()).ok() &&
                   old.Commit().ok();
    } else {
        restored = std::remove(level.settings.c_str()) == 0;
    }
    if (restored) return placed;
    return Status::Failure(placed.message() + "; " + level.settings +
                           " could not be put back as it was");
}
