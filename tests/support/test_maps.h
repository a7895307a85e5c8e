#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/image/tga_image.h"

namespace splitter_testing {

// A Bgr24 map whose every pixel names its own place: blue and green are the
// low bytes of column and stored row, red holds their high nibbles. Any tile
// taken from the wrong rows, columns or channels shows it.
inline std::uint8_t Channel(std::int32_t row, std::int32_t column, int channel) {
    switch (channel) {
        case 0:
            return static_cast<std::uint8_t>(column & 0xFF);
        case 1:
            return static_cast<std::uint8_t>(row & 0xFF);
        default:
            return static_cast<std::uint8_t>(((column >> 8) & 0x0F) | ((row >> 8) << 4));
    }
}

inline TgaImage PositionMap(std::int32_t width, std::int32_t height, std::int32_t format = Bgr24) {
    TgaImage map = TgaImage::Make(format, width, height);
    const int bytes = BytesPerPixel(format);
    std::uint8_t* p = map.pixels.get();
    for (std::int32_t row = 0; row < height; ++row) {
        for (std::int32_t column = 0; column < width; ++column) {
            for (int c = 0; c < bytes; ++c) *p++ = Channel(row, column, c % 3);
        }
    }
    return map;
}

// Checks that a 512 × 512 Bgr24 block of pixels (rows stored one after
// another) is the map's block that starts at stored row firstRow and column
// firstColumn. Reports the first difference only.
inline ::testing::AssertionResult HoldsMapBlock(const std::uint8_t* pixels, std::int32_t firstRow,
                                                std::int32_t firstColumn) {
    for (std::int32_t k = 0; k < 512; ++k) {
        for (std::int32_t j = 0; j < 512; ++j) {
            for (int c = 0; c < 3; ++c) {
                const std::uint8_t want = Channel(firstRow + k, firstColumn + j, c);
                const std::uint8_t got = pixels[(static_cast<size_t>(k) * 512 + j) * 3 + c];
                if (got != want) {
                    return ::testing::AssertionFailure()
                           << "tile row " << k << ", column " << j << ", channel " << c << ": "
                           << int(got) << " instead of " << int(want) << " (map block from row "
                           << firstRow << ", column " << firstColumn << ")";
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace splitter_testing
