#include "level/level_names.h"

namespace level {

std::string SurroundingHeightmapFile(const SurroundingPlace& place) {
    return std::string("HeightmapSecondary_") + place.name + ".raw";
}

}  // namespace level
