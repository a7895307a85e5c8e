#include "painter/terrain/terrain_config.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "common/platform/read_file.h"
#include "common/status/status.h"

TerrainConfig LoadTerrainConfig(const std::string& path) {
    // A file that opens but cannot be read (a folder of that name) fails like
    // a missing one, rather than passing for an empty description.
    const std::optional<std::vector<std::uint8_t>> bytes = platform::ReadFileStart(path.c_str());
    if (!bytes) Fail("ERROR: reading \"%s\"\n", path.c_str());
    return ParseTerrainConfig(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}
