#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/status/status.h"
#include "level/terrain_settings.h"

namespace level {

// A raw heightmap read: a height per sample in world units (sample ×
// vertical scale), row after row, with the scales its settings gave it.
struct Heightmap {
    std::vector<float> heights;
    std::int32_t size = 0;
    float horizontalScale = 0.0f;
    float verticalScale = 0.0f;
    float heightRange = 0.0f;
};

// Refuses settings that leave no cell to sample (size < 2), no defined
// slope (horizontal scale 0) or heights beyond ±1e18, with an "ERROR: "
// message that names the heightmap. Cheap: callers check before reading.
Status CheckHeightmapSettings(std::string_view name, const HeightmapSettings& settings,
                              bool sixteenBit);

// A heightmap from raw bytes held in memory: size × size samples, row 0
// first, 16-bit little-endian or 8-bit unsigned; bytes after them are
// ignored. Checks the settings, then that the bytes hold every sample
// (failing with a message that names the heightmap) before anything is
// allocated. `map` is only written on success.
Status HeightmapFromBytes(std::span<const std::uint8_t> bytes, std::string_view name,
                          const HeightmapSettings& settings, bool sixteenBit, Heightmap& map);

// HeightmapFromBytes on the start of the file at `path`, read no further
// than the samples reach. Fails with "ERROR: opening <path>" when it cannot
// be read.
Status ReadHeightmap(const std::string& path, const HeightmapSettings& settings, bool sixteenBit,
                     Heightmap& map);

}  // namespace level
