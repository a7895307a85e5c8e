#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/status/status.h"
#include "importer/raw_reader.h"
#include "importer/resample.h"

// What the command line asks of an import.
struct ImportOptions {
    std::string input;
    std::string level;
    std::optional<std::size_t> size;      // --size N
    std::optional<double> spacing;        // --spacing METRES, between input samples
    std::optional<double> verticalScale;  // --vertical-scale M, metres per input unit
    bool keepValues = false;
    Fit fit = Fit::Refuse;
    std::optional<RawLayout> raw;  // --raw WIDTHxHEIGHT:FORMAT
    bool anySize = false;          // --any-size: a --size that is not 2^k + 1
    bool newLevel = false;         // --new: settings written afresh, not rewritten
    // --surround: the eight surrounding heightmaps from the ground around
    // the primary's; --surround-cell and --surround-size imply it.
    bool surround = false;
    std::optional<double> surroundCell;       // --surround-cell METRES
    std::optional<std::size_t> surroundSize;  // --surround-size M
    std::string look;                         // --look NAME: a new level's material set
    // A raster in degrees is warped to square metres first; --no-warp reads
    // it as it is, its cells as wide as they are at its centre.
    bool warp = true;
};

// The surrounding maps' sides: they are painted as 512 x 512 textures.
constexpr std::size_t kMaxSurroundingSide = 1025;
constexpr std::size_t kDefaultSurroundingSide = 257;

enum class OptionsAction { Import, Help, Version };

// The usage text (it names GeoTIFF only on builds that read it).
std::string ImportUsage();

// Reads the command line without the program name. -h, --help and --version
// anywhere win over everything else. A later option of the same name wins.
// An option's value follows it, or is joined to it by '=' (--size=1025).
// Bad options fail with code 2 and a message beginning "ERROR: ".
Status ParseImportOptions(int count, const char* const* arguments, ImportOptions& options,
                          OptionsAction& action);
