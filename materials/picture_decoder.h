#pragma once

#include <cstddef>
#include <cstdint>

// The few calls of stb_image that a picture needs, for picture.cpp only.
// stb_image's own functions are static in picture_decoder.cpp, so that a
// program linking the importer's PNG-only copy of it as well holds two
// copies without a clash; these wrappers are the way in.
namespace materials::decoder {

// Sides and channels (1 to 4) of a PNG, JPEG, BMP or TGA file held in
// memory, read from its header without decoding it. False for anything else.
bool ReadHeader(const std::uint8_t* bytes, std::size_t count, int& width, int& height,
                int& channels);

// The file's pixels as 8-bit red, green, blue, top row first (grey is
// repeated, alpha dropped, 16 bits cut to their high byte), in a block to be
// freed with std::free; null when the file cannot be decoded.
std::uint8_t* DecodeRgb(const std::uint8_t* bytes, std::size_t count, int& width, int& height);

// Why the last call on this thread failed, in stb_image's short words.
const char* FailureReason();

}  // namespace materials::decoder
