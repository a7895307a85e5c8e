#pragma once

#include <optional>
#include <string>

#include "common/status/status.h"

// What the command line asks of marvane_materials.
struct MaterialsOptions {
    std::string dir;                   // --dir: the painter's working folder ("" = here)
    std::optional<std::string> rules;  // --rules [FILE]; "" for the level's own file
    std::string low;                   // --low PICTURE
    std::string high;                  // --high PICTURE
    std::string steep;                 // --steep PICTURE
    std::optional<double> groundSize;  // --ground-size METRES that one picture shows
    std::string look;                  // --look NAME
    bool force = false;                // --force: --look may replace a set
    bool check = false;                // --check
    bool report = false;               // --report

    bool WritesFiles() const {
        return rules || !low.empty() || !high.empty() || !steep.empty() || !look.empty();
    }
};

enum class MaterialsAction { Run, Help, Version };

std::string MaterialsUsage();

// Reads the command line without the program name. -h, --help and --version
// anywhere win over everything else. An option's value follows it or is
// joined to it by '='. Bad options fail with code 2 and a message beginning
// "ERROR: ".
Status ParseMaterialsOptions(int count, const char* const* arguments, MaterialsOptions& options,
                             MaterialsAction& action);
