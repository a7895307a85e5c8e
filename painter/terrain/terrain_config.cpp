#include "painter/terrain/terrain_config.h"

#include <cstdint>
#include <vector>

#include "common/platform/read_file.h"
#include "common/status/status.h"

TerrainConfig LoadTerrainConfig(const std::string& path) {
    // A file that opens but cannot be read (a folder of that name) fails like
    // a missing one, rather than passing for an empty description.
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path.c_str(), bytes).ok()) {
        Fail("ERROR: reading \"%s\"\n", path.c_str());
    }
    return ParseTerrainConfig(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
