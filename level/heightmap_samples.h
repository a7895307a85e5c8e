#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// How a level's raw heightmaps hold their samples: no header, row after row,
// the primary's unsigned 16-bit samples least significant byte first, the
// surrounding maps' unsigned 8-bit ones. A height is its sample times the
// map's vertical scale.
namespace level {

inline constexpr std::uint64_t SampleBytes(bool sixteenBit) { return sixteenBit ? 2 : 1; }

// The height of the whole sample range in vertical-scale steps: what the
// painter divides heights by to place them on its gradients.
inline constexpr float FullSampleRange(bool sixteenBit) { return sixteenBit ? 65536.0f : 256.0f; }

// Bytes of side × side samples, in 64 bits whatever the side.
std::uint64_t HeightmapBytes(std::int64_t side, bool sixteenBit);

// The side of the square heightmap a file of `length` bytes holds exactly,
// if any: a file of 513 × 513 samples under settings that say 512 is the
// classic off-by-one.
std::optional<std::uint64_t> ExactSide(std::uint64_t length, bool sixteenBit);

// Sample `index` of `bytes`, which must hold it.
inline unsigned Sample(std::span<const std::uint8_t> bytes, std::size_t index, bool sixteenBit) {
    if (!sixteenBit) return bytes[index];
    return bytes[2 * index] | (static_cast<unsigned>(bytes[2 * index + 1]) << 8);
}

// Writes a 16-bit sample where `out` points, least significant byte first,
// and returns the place after it.
inline std::uint8_t* PutPrimarySample(std::uint8_t* out, std::uint16_t sample) {
    out[0] = static_cast<std::uint8_t>(sample & 0xFF);
    out[1] = static_cast<std::uint8_t>(sample >> 8);
    return out + 2;
}

}  // namespace level
