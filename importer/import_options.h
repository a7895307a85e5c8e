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
};

enum class OptionsAction { Import, Help, Version };

// The usage text (it names GeoTIFF only on builds that read it).
std::string ImportUsage();

// Reads the command line without the program name. -h, --help and --version
// anywhere win over everything else. A later option of the same name wins.
// Bad options fail with code 2 and a message beginning "ERROR: ".
Status ParseImportOptions(int count, const char* const* arguments, ImportOptions& options,
                          OptionsAction& action);
