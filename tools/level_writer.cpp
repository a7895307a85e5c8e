#include "tools/level_writer.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/image/tga_image.h"
#include "common/platform/file_commit.h"
#include "level/heightmap_samples.h"
#include "level/level_names.h"
#include "level/settings_rewrite.h"
#include "materials/default_set.h"
#include "materials/material_files.h"
#include "tools/terrain_shape.h"

namespace sample_level {

namespace {

namespace fs = std::filesystem;

// The 8-bit maps' vertical step is 256 times the 16-bit one, so a raw value
// means the same world height in both (full range 196.608 world units).
constexpr float kPrimaryVerticalScale = 0.003f;
constexpr float kSecondaryVerticalScale = 0.768f;

// The tile width that HorizontalScale aims at, in world units.
constexpr int kTileWidth = 2048;

// Appended rather than added up: mingw's g++ 12 at -O3 takes '"' + string
// for an overlapping copy (a false -Wrestrict).
std::string Quoted(const fs::path& path) {
    std::string quoted = "\"";
    quoted += path.string();
    quoted += '"';
    return quoted;
}

Status MakeFolders(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder)) {
        return Status::Failure("ERROR: creating folder " + Quoted(folder));
    }
    return Status();
}

// Writes the whole block and puts it in place in one step: a file that could
// not be written in full leaves the one of that name (a level being written
// again) as it was, never a part of the new one.
Status WriteFile(const fs::path& path, const void* bytes, size_t count) {
    platform::FileCommit file(platform::FileCommit::Durability::Safe);
    if (!file.Open(path.string().c_str()).ok()) {
        return Status::Failure("ERROR: creating " + Quoted(path));
    }
    const bool written = file.Write(bytes, count);
    if (!written || !file.Commit().ok()) return Status::Failure("ERROR: writing " + Quoted(path));
    return Status();
}

// The primary heightmap's file bytes.
std::vector<std::uint8_t> PrimaryBytes(const std::vector<std::uint16_t>& samples) {
    std::vector<std::uint8_t> bytes(samples.size() * 2);
    std::uint8_t* out = bytes.data();
    for (const std::uint16_t sample : samples) out = level::PutPrimarySample(out, sample);
    return bytes;
}

}  // namespace

int HorizontalScale(int side) {
    const int spans = side - 1;
    const int scale = (kTileWidth + spans / 2) / spans;
    return scale < 1 ? 1 : scale;
}

std::string SettingsText(const LevelOptions& options) {
    const std::string primary = std::to_string(options.primarySide);
    const std::string secondary = std::to_string(options.secondarySide);
    SettingsFileContent content;
    content.header = {"rem Terrain settings of a sample level (marvane_sample_level --primary " +
                          primary + " --secondary " + secondary + " --seed " +
                          std::to_string(options.seed) + ")",
                      "rem Heightmap row 0 is the northern edge, column 0 the western edge."};
    content.primary = {{"heightmap.setCluster 0", "heightmap.setBitResolution 16"},
                       static_cast<std::size_t>(options.primarySide),
                       HorizontalScale(options.primarySide),
                       kPrimaryVerticalScale};
    content.surrounding = SettingsFileSection{
        {"", "rem Surrounding terrain: eight 8-bit heightmaps, each as wide as the primary.",
         "heightmap.setCluster 1", "heightmap.setBitResolution 8"},
        static_cast<std::size_t>(options.secondarySide),
        HorizontalScale(options.secondarySide),
        kSecondaryVerticalScale};
    content.trailer = {"", "terrain.setLightmapSize 1024", "terrain.setDetailRepeat 8",
                       "terrain.setFogColour 158/172/186"};
    return SettingsFileText(content);
}

Status WriteLevel(const LevelOptions& options) {
    if (options.primarySide < kMinSide || options.primarySide > kMaxSide ||
        options.secondarySide < kMinSide || options.secondarySide > kMaxSide) {
        return Status::Failure("ERROR: heightmap sides must lie between " +
                               std::to_string(kMinSide) + " and " + std::to_string(kMaxSide));
    }
    const fs::path folder(options.out);
    const fs::path data = folder / "paint" / materials::kDataFolder;
    if (Status made = MakeFolders(data); !made.ok()) return made;

    const std::string settings = SettingsText(options);
    if (Status s = WriteFile(folder / level::kSettingsFile, settings.data(), settings.size());
        !s.ok()) {
        return s;
    }

    const TerrainShape shape(options.seed);
    {
        const std::vector<std::uint8_t> bytes =
            PrimaryBytes(SamplePrimary(shape, options.primarySide));
        if (Status s = WriteFile(folder / level::kPrimaryHeightmapFile, bytes.data(), bytes.size());
            !s.ok()) {
            return s;
        }
    }
    for (const SurroundingTile& tile : kSurroundingTiles) {
        const std::vector<std::uint8_t> bytes =
            SampleSurrounding(shape, options.secondarySide, tile);
        if (Status s = WriteFile(folder / level::SurroundingHeightmapFile(tile), bytes.data(),
                                 bytes.size());
            !s.ok()) {
            return s;
        }
    }

    int written = 0;
    if (Status s = materials::WriteDefaultSet(data.string(), options.seed, false, written); !s.ok()) {
        return s;
    }
    return Status();
}

}  // namespace sample_level
