#include "level/level_names.h"

#include "common/text/c_format.h"

namespace level {

std::string SurroundingHeightmapFile(const SurroundingPlace& place) {
    return std::string("HeightmapSecondary_") + place.name + ".raw";
}

// Columns and rows are written as they come after a fixed 0: tile 10 of a
// wide map is "tx010", not "tx10".
std::string DetailTileFile(int column, int row) {
    return FormatC("%s/tx0%dx0%d_1.dds", kDetailFolder, column, row);
}

std::string ColourTileFile(int column, int row) {
    return FormatC("%s/tx0%dx0%d.dds", kColourFolder, column, row);
}

std::string SurroundingColourFile(std::size_t index) {
    return FormatC("%s/tx_s%zu.dds", kColourFolder, index);
}

std::string SurroundingLowDetailFile(std::size_t index) {
    return FormatC("%s/tx_s%zu.dds", kLowDetailFolder, index);
}

}  // namespace level
