#pragma once

#include <cstddef>
#include <cstdint>

// The arithmetic of one output texel, shared by the primary and the
// surrounding maps. Values are formed in double precision and truncated
// toward zero; the weights of a texel add up to 1, so nothing exceeds 255.

struct MaterialTexels {
    const std::uint8_t* low;
    const std::uint8_t* high;
    const std::uint8_t* steep;
};

struct WeightRow {
    const float* low;
    const float* high;
    const float* steep;
};

inline std::uint8_t TruncateToByte(double value) {
    return static_cast<std::uint8_t>(static_cast<int>(value));
}

// Blue, green and red of the weighted mix of the three materials at byte
// offset `texel` of each texture.
inline void WriteColourTexel(const MaterialTexels& m, std::size_t texel, const WeightRow& w,
                             std::size_t x, std::uint8_t* out) {
    const double wl = w.low[x], wh = w.high[x], ws = w.steep[x];
    for (std::size_t c = 0; c < 3; ++c) {
        out[c] = TruncateToByte(wl * m.low[texel + c] + wh * m.high[texel + c] +
                                ws * m.steep[texel + c]);
    }
}

// The weights themselves: blue steep, green high, red low.
inline void WriteDetailTexel(const WeightRow& w, std::size_t x, std::uint8_t* out) {
    out[0] = TruncateToByte(static_cast<double>(w.steep[x]) * 255.0);
    out[1] = TruncateToByte(static_cast<double>(w.high[x]) * 255.0);
    out[2] = TruncateToByte(static_cast<double>(w.low[x]) * 255.0);
}

// The surrounding maps' low detail: blue steep, green nothing, red all the
// rest, the sum formed in double before it is scaled.
inline void WriteLowDetailTexel(const WeightRow& w, std::size_t x, std::uint8_t* out) {
    out[0] = TruncateToByte(static_cast<double>(w.steep[x]) * 255.0);
    out[1] = 0;
    out[2] = TruncateToByte((static_cast<double>(w.low[x]) + static_cast<double>(w.high[x])) * 255.0);
}
