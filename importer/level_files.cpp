#include "importer/level_files.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "common/platform/file_commit.h"
#include "common/platform/files_together.h"
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
    file.Write(data, size);  // a failure is kept and reported by Commit
    return Status();
}

}  // namespace

LevelFiles::LevelFiles(const std::string& levelFolder)
    : folder(levelFolder),
      settings(InFolder(levelFolder, level::kSettingsFile)),
      heightmap(InFolder(levelFolder, level::kPrimaryHeightmapFile)) {
    for (const level::SurroundingPlace& place : level::kSurroundingPlaces) {
        surrounding.push_back(
            InFolder(levelFolder, level::SurroundingHeightmapFile(place).c_str()));
    }
}

Status CompleteLevelWrite(const LevelFiles& level, std::string& note) {
    note.clear();
    std::error_code error;
    if (!fs::is_directory(level.folder, error)) return Status();
    if (Status s = platform::CompleteFilesTogether(level.folder, note); !s.ok()) return s;
    // What an import ended before its commit left: only the level's own names.
    std::vector<std::string> names = level.surrounding;
    names.push_back(level.settings);
    names.push_back(level.heightmap);
    for (const std::string& name : names) {
        const std::string partial = name + ".partial";
        if (fs::is_regular_file(partial, error)) fs::remove(partial, error);
    }
    return Status();
}

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
    return WriteLevelFiles({{level.heightmap, &heightmap}}, level, settings, oldSettings);
}

Status WriteLevelFiles(const std::vector<HeightmapFile>& heightmaps, const LevelFiles& level,
                       const std::string& settings, const std::optional<std::string>& oldSettings) {
    // What each heightmap but the last held, to put back should a later one
    // fail: nothing when there was no file.
    std::vector<std::optional<std::vector<std::uint8_t>>> before(heightmaps.size());
    for (std::size_t i = 0; i + 1 < heightmaps.size(); ++i) {
        const char* path = heightmaps[i].path.c_str();
        std::error_code error;
        if (fs::status(path, error).type() != fs::file_type::regular) continue;
        std::vector<std::uint8_t> bytes;
        if (Status read = platform::ReadFileStart(path, bytes, kMaxRestoredBytes + 1); !read.ok()) {
            return read;
        }
        if (bytes.size() > kMaxRestoredBytes) {
            return Status::Failuref(
                "ERROR: %s holds more than 64 MiB, too much for a surrounding heightmap; move it "
                "away so that the level can be written",
                path);
        }
        before[i] = std::move(bytes);
    }

    // The settings go first: their old text is at hand.
    platform::FileCommit newSettings;
    if (Status s = Write(newSettings, level.settings, settings.data(), settings.size()); !s.ok()) {
        return s;
    }
    std::vector<std::unique_ptr<platform::FileCommit>> files;
    std::vector<platform::FileCommit*> together{&newSettings};
    for (const HeightmapFile& heightmap : heightmaps) {
        files.push_back(std::make_unique<platform::FileCommit>());
        together.push_back(files.back().get());
        if (Status s = Write(*files.back(), heightmap.path, heightmap.bytes->data(),
                             heightmap.bytes->size());
            !s.ok()) {
            return s;
        }
    }
    // Each commit replaces its file in one step (FileCommit's safe mode), all
    // under one commit record: a failed commit leaves that file's old content
    // under its name, and a program ended half-way leaves a record from which
    // the next one completes the level.
    std::size_t placed = 0;
    const Status failed = platform::CommitTogether(together, placed);
    if (failed.ok() || placed == 0) return failed;
    placed -= 1;  // the heightmaps placed, after the settings

    // Everything placed so far goes back as it was, each in one step.
    auto restore = [](const std::string& path, const void* data, std::size_t size) {
        platform::FileCommit old;
        return Write(old, path, data, size).ok() && old.Commit().ok();
    };
    std::string unrestored;
    auto putBack = [&](const std::string& path, bool ok) {
        if (!ok) unrestored += (unrestored.empty() ? "" : ", ") + path;
    };
    for (std::size_t i = 0; i < placed; ++i) {
        const std::string& path = heightmaps[i].path;
        putBack(path, before[i] ? restore(path, before[i]->data(), before[i]->size())
                                : std::remove(path.c_str()) == 0);
    }
    putBack(level.settings, oldSettings
                                ? restore(level.settings, oldSettings->data(), oldSettings->size())
                                : std::remove(level.settings.c_str()) == 0);
    if (unrestored.empty()) return failed;
    return Status::Failure(failed.message() + "; " + unrestored + " could not be put back as " +
                           (unrestored.find(", ") == std::string::npos ? "it was" : "they were"));
}
