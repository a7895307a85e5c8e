#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/image/tga_image.h"

// Where a TGA file's first stored row and column lie in the picture, as its
// descriptor byte says. The TGA code keeps rows in stored order; its readers
// hand the descriptor over beside the pixels.
struct TgaOrigin {
    bool topRowFirst = false;       // descriptor bit 5; clear in every file we write
    bool rightColumnFirst = false;  // descriptor bit 4
};

// The origin a TGA header's descriptor byte gives.
TgaOrigin OriginOfDescriptor(std::uint8_t descriptor);

// The bytes in front of a DDS file's pixels: "DDS " and the 124-byte header
// of a width × height picture of 32-bit pixels without mipmaps.
constexpr size_t kDdsPreambleSize = 128;
std::array<std::uint8_t, kDdsPreambleSize> DdsPreamble(std::uint32_t width, std::uint32_t height);

// Whether EncodeDdsRows can take the image: a known format and pixels.
bool CanEncodeDds(const TgaPixels& image);

// DDS rows firstRow to firstRow + rowCount - 1 of an image (counted from the
// top of the picture) into out, width × 4 bytes per row: blue, green, red,
// alpha, left column first, whatever order the TGA stored them in. Bgr24 and
// Grey8 get alpha 255. The caller keeps the rows within the image.
void EncodeDdsRows(const TgaPixels& image, TgaOrigin origin, size_t firstRow, size_t rowCount,
                   std::uint8_t* out);

// The whole DDS file of an image: preamble and every row. Empty when
// CanEncodeDds says no.
std::vector<std::uint8_t> EncodeDds(const TgaPixels& image, TgaOrigin origin);
