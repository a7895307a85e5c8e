#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"

// The files of a level that an import replaces.
struct LevelFiles {
    std::string folder;
    std::string settings;   // folder/ the settings file
    std::string heightmap;  // folder/ the primary heightmap
    // folder/ each surrounding heightmap, in the painter's order.
    std::vector<std::string> surrounding;

    explicit LevelFiles(const std::string& levelFolder);
};

// What an import does first: completes (or undoes) a write of the level's
// files that a program ended half-way (see platform::CompleteFilesTogether,
// whose line `note` is), and removes the temporary files of an import ended
// before it put anything in place.
Status CompleteLevelWrite(const LevelFiles& level, std::string& note);

// Checks that the level folder exists and reads its settings file: `text`
// stays empty when the level has none. A settings file that is a folder, or
// cannot be read, fails with a message naming it.
Status ReadLevelSettings(const LevelFiles& level, std::optional<std::string>& text);

// Writes the heightmap and the settings under temporary names, synced to the
// disk, and puts them in place only once both are complete, each by one
// rename over the old file, under a commit record (platform::CommitTogether)
// so that a program ended half-way leaves them to be completed by the next,
// and a failure leaves the level as it was: the
// settings go in first (their old text is at hand) and are put back should
// the heightmap then fail to take its place.
Status WriteLevelFiles(const LevelFiles& level, const std::vector<std::uint8_t>& heightmap,
                       const std::string& settings, const std::optional<std::string>& oldSettings);

// A heightmap to write, and where.
struct HeightmapFile {
    std::string path;
    const std::vector<std::uint8_t>* bytes;
};

// The same for any number of heightmaps (the primary and the eight
// surrounding ones): all are written before any is put in place, the
// settings go in first and the heightmaps after them in the order given,
// and should one fail to take its place, the settings and the heightmaps
// already placed are put back as they were (the old ones are held in memory
// for that, so each but the last must be at most kMaxRestoredBytes).
constexpr std::uint64_t kMaxRestoredBytes = std::uint64_t{64} << 20;
Status WriteLevelFiles(const std::vector<HeightmapFile>& heightmaps, const LevelFiles& level,
                       const std::string& settings, const std::optional<std::string>& oldSettings);
