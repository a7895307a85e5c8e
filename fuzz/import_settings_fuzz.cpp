// RewritePrimarySettings on any settings text: the painter then reads the
// new primary size and scale, and the surrounding terrain's section exactly
// as before; nothing but lines with a key changes.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "level/settings_rewrite.h"
#include "level/terrain_settings.h"

namespace {

bool Same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::InputReader input(data, size);
    const std::size_t side = 3 + input.Word() % 8190;
    const std::int64_t spacing = 1 + input.Long() % 2147483647;
    const float vertical = std::ldexp(1.0f + (input.Word() & 0x7FFF) / 32768.0f,
                                      static_cast<int>(input.Byte() % 120) - 100);
    const std::string old = input.Bytes(input.Left());

    const std::string text = RewritePrimarySettings(old, side, spacing, vertical).text;
    const TerrainConfig before = ParseTerrainConfig(old);
    const TerrainConfig after = ParseTerrainConfig(text);
    FUZZ_CHECK(after.primary.size == static_cast<std::int32_t>(side));
    FUZZ_CHECK(after.primary.horizontalScale == static_cast<float>(spacing));
    FUZZ_CHECK(after.primary.verticalScale == vertical);
    FUZZ_CHECK(after.secondary.size == before.secondary.size);
    FUZZ_CHECK(Same(after.secondary.horizontalScale, before.secondary.horizontalScale));
    FUZZ_CHECK(Same(after.secondary.verticalScale, before.secondary.verticalScale));
    // Without a key anywhere (a carriage return could hide one inside a
    // key), the lines are appended and the old text stays whole in front.
    if (old.find("heightmap.setS") == std::string::npos && old.find('\r') == std::string::npos) {
        FUZZ_CHECK(text.compare(0, old.size(), old) == 0);
    }
    return 0;
}
