#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "level/terrain_settings.h"

// The height in metres of a heightmap's sample 0, so that the material
// rules can speak of metres above sea level. A level records it in its
// Heightdata.con as a comment the painter skips, one line a section:
//
//   rem marvane.baseHeight primary 251.5
//   rem marvane.baseHeight surrounding 251.5
//
// marvane_import writes them (the surrounding line only with the surrounding
// maps); a level without them has its heights counted from sample 0.
namespace level {

struct BaseHeights {
    std::optional<double> primary;
    std::optional<double> surrounding;
};

// The records of a settings text; the last of each section counts.
BaseHeights ReadBaseHeights(std::string_view text);

// "rem marvane.baseHeight primary 251.5": the shortest number that reads
// back the same, never with an exponent.
std::string BaseHeightLine(SettingsSection section, double metres);

// The text with the section's record set to `metres`: every record line of
// the section replaced (line end kept), or, when there is none, one inserted
// just before the section's scale line (at the end when it has none), ending
// like the file's first line. Every other byte stays.
std::string SetBaseHeight(std::string_view text, SettingsSection section, double metres);

}  // namespace level
