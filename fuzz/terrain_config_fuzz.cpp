// ParseTerrainConfig on any text: it reads every line whatever its length or
// bytes, never fails, and derives both height ranges from the vertical scales
// it read.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "level/heightmap_samples.h"
#include "level/terrain_settings.h"

namespace {

// Equal, or both not a number.
bool Same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool AllZero(const HeightmapSettings& settings) {
    return settings.size == 0 && settings.horizontalScale == 0.0f &&
           settings.verticalScale == 0.0f && settings.heightRange == 0.0f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TerrainConfig config =
        ParseTerrainConfig(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(Same(config.primary.heightRange, config.primary.verticalScale * level::FullSampleRange(true)));
    FUZZ_CHECK(Same(config.secondary.heightRange, config.secondary.verticalScale * level::FullSampleRange(false)));
    // A whole number held as a float: never a fraction or not a number.
    for (const HeightmapSettings* settings : {&config.primary, &config.secondary}) {
        FUZZ_CHECK(std::isfinite(settings->horizontalScale));
        FUZZ_CHECK(settings->horizontalScale == std::trunc(settings->horizontalScale));
    }
    // Without a key nothing can be set. Carriage returns are dropped
    // wherever they stand, also inside a key.
    std::string text(reinterpret_cast<const char*>(data), size);
    std::erase(text, '\r');
    if (text.find("heightmap.setS") == std::string::npos) {
        FUZZ_CHECK(AllZero(config.primary) && AllZero(config.secondary));
    }
    return 0;
}
