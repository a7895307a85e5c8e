#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"

// The two files of a level that an import replaces.
struct LevelFiles {
    std::string folder;
    std::string settings;   // folder/Heightdata.con
    std::string heightmap;  // folder/HeightmapPrimary.raw

    explicit LevelFiles(const std::string& levelFolder);
};

// Checks that the level folder exists and reads its settings file: `text`
// stays empty when the level has none. A settings file that is a folder, or
// cannot be read, fails with a message naming it.
Status ReadLevelSettings(const LevelFiles& level, std::optional<std::string>& text);

// Writes the heightmap and the settings under temporary names, synced to the
// disk, and puts them in place only once both are complete, each by one
// rename over the old file, so a failure leaves the level as it was: the
// settings go in first (their old text is at hand) and are put back should
// the heightmap then fail to take its place.
Status WriteLevelFiles(const LevelFiles& level, const std::vector<std::uint8_t>& heightmap,
                       const std::string& settings, const std::optional<std::string>& oldSettings);
