#include "importer/import_write.h"

#include <filesystem>
#include <vector>

#include "level/heightmap_samples.h"
#include "materials/default_set.h"
#include "materials/looks.h"
#include "materials/material_files.h"

namespace fs = std::filesystem;

namespace {

// The painter's working folder of a new level, with a material set to paint
// with: the default one, or the look asked for, made for the level's heights.
Status WriteMaterialSet(const LevelFiles& level, const ImportHeights& heights,
                        const ImportSettings& settings, const ImportOptions& options,
                        ImportNotes& notes) {
    const std::string data = level.folder + "/paint/" + materials::kDataFolder;
    int written = 0;
    std::error_code error;
    fs::create_directories(data, error);
    if (error) {
        return Status::Failuref("ERROR: creating %s (%s); the level's heightmaps are written",
                                data.c_str(), error.message().c_str());
    }
    const materials::Look* look = materials::FindLook(options.look);
    const int files = look ? 6 : 5;
    const Status s =
        look ? materials::WriteLookSet(data, *look, heights.primary.lowest, heights.primary.highest,
                                       settings.base,
                                       static_cast<double>(heights.primary.verticalScale) *
                                           static_cast<double>(level::FullSampleRange(true)),
                                       true, written)
             : materials::WriteDefaultSet(data, materials::kDefaultSeed, true, written);
    if (!s.ok()) return Status::Failure(s.message() + "; the level's heightmaps are written");
    notes.notes.push_back(
        ImportText("a new level: %d file%s of the %s%s material set written to %s%s", written,
                   written == 1 ? "" : "s", look ? look->name : "default", look ? " look's" : "",
                   data.c_str(), written < files ? " (the files already there kept)" : ""));
    return Status();
}

}  // namespace

bool LevelFolderToMake(const std::string& folder) {
    std::error_code error;
    if (fs::exists(folder, error)) return false;
    fs::path path(folder);
    if (!path.has_filename()) path = path.parent_path();
    const fs::path parent = path.parent_path();
    return fs::is_directory(parent.empty() ? fs::path(".") : parent, error);
}

Status WriteImport(const LevelFiles& level, bool makeFolder, const ImportHeights& heights,
                   const ImportSettings& settings, const std::optional<std::string>& oldSettings,
                   const ImportOptions& options, ImportNotes& notes) {
    std::vector<HeightmapFile> files;
    for (std::size_t i = 0; i < heights.surrounding.size(); ++i) {
        files.push_back({level.surrounding[i], &heights.surrounding[i]});
    }
    files.push_back({level.heightmap, &heights.primary.bytes});
    std::error_code error;
    if (makeFolder && !fs::create_directory(level.folder, error)) {
        return Status::Failuref("ERROR: creating %s (%s)", level.folder.c_str(),
                                error.message().c_str());
    }
    if (Status s = WriteLevelFiles(files, level, settings.text, oldSettings); !s.ok()) {
        if (makeFolder) fs::remove(level.folder, error);
        return s;
    }
    if (WritesNewLevel(options, oldSettings)) {
        return WriteMaterialSet(level, heights, settings, options, notes);
    }
    if (!options.look.empty()) {
        notes.warnings.push_back(
            "--look makes the material set of a new level only; for this "
            "one, run marvane_materials --look " +
            options.look + " --force in its painter's folder");
    }
    return Status();
}
