#include "level/settings_file.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/platform/read_file.h"

namespace level {

Status ReadSettingsFile(const std::string& path, TerrainConfig& config) {
    // A file that opens but cannot be read (a folder of that name) fails like
    // a missing one, rather than passing for an empty description.
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path.c_str(), bytes).ok()) {
        return Status::Failuref("ERROR: reading \"%s\"\n", path.c_str());
    }
    config = ParseTerrainConfig(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return Status();
}

}  // namespace level
