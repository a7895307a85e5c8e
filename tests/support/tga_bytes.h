#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace program_testing {

// A TGA file built by hand, so a test can set any header field, the origin
// bits of the descriptor included, which the TGA writer always leaves clear.
inline std::string TgaBytes(int imageType, int bitsPerPixel, int width, int height, int descriptor,
                            const std::string& pixels, int colourMapType = 0) {
    std::string file(18, '\0');
    file[1] = static_cast<char>(colourMapType);
    file[2] = static_cast<char>(imageType);
    file[12] = static_cast<char>(width & 0xFF);
    file[13] = static_cast<char>(width >> 8);
    file[14] = static_cast<char>(height & 0xFF);
    file[15] = static_cast<char>(height >> 8);
    file[16] = static_cast<char>(bitsPerPixel);
    file[17] = static_cast<char>(descriptor);
    return file + pixels;
}

// The bytes of a string, for the readers from memory.
inline std::span<const std::uint8_t> AsBytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace program_testing
