#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the preview needs to blend the level's materials itself, live, as the
// painter does: the three textures as the painter reads them, its two
// gradient tables, what the entries of the height table stand for, and the
// rules in metres and degrees that an author edits.
struct MaterialView {
    bool live = false;  // false: the set cannot be blended (a note says why)
    // 512 x 512 red, green, blue each; row ty is the row the painter reads
    // as texture row ty (the file's stored order).
    std::vector<std::uint8_t> low;
    std::vector<std::uint8_t> high;
    std::vector<std::uint8_t> steep;
    std::vector<std::uint8_t> heightGradient;  // the 512 table bytes
    std::vector<std::uint8_t> angleGradient;
    std::optional<double> base;  // metres of sample 0, when the level records it
    double fullScale = 0.0;      // metres the height table spans
    std::string rules;           // materials.txt, or read back from the tables
    std::string rulesFrom;       // where the rules came from, for the page
    // Whether the primary was painted with mirrored textures, told from the
    // big maps the job kept; unknown without them.
    std::optional<bool> mirror;
};

// Reads data/ of the working folder. `fullScale` and `base` place the height
// table in metres (the primary's vertical scale × its full sample range, and
// the base-height record). A set the painter would refuse gives live = false and a note
// naming the file; a materials.txt that does not read gives the rules read
// back from the tables and a note with marvane_materials' message.
MaterialView ReadMaterialView(double fullScale, std::optional<double> base,
                              std::vector<std::string>& notes);
