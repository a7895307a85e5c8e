#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

// Uncompressed TGA images: no colour map, 8, 24 or 32 bits per pixel. The
// pixel block in memory is the file's pixel data byte for byte (rows in the
// order the file stores them, bottom row first in every file we write), so
// what a caller composes is exactly what lands on disk.

enum TgaFormat : std::int32_t {
    Bgra32 = 2,  // blue, green, red, alpha
    Bgr24 = 4,   // blue, green, red
    Grey8 = 5,   // one intensity byte
};

enum TgaStatus : std::int32_t {
    Ok = 0,
    FileError = 1,     // cannot open, create, read or write; sizes that the file cannot hold
    ColourMapped = 2,  // the file has a colour map
    Unsupported = 3,   // image type not 2 or 3, depth not 8, 24 or 32, or a side out of range
};

// The largest side a file can declare: the header holds each side in a signed
// 16-bit field.
constexpr std::int32_t TgaMaxSide = 32767;

// Bytes of one pixel of a format (0 for a value that is not a format).
int BytesPerPixel(std::int32_t format);

struct TgaImage {
    std::int32_t format = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::unique_ptr<std::uint8_t[]> pixels;  // width × height × BytesPerPixel(format) bytes

    TgaImage() = default;
    TgaImage(const TgaImage&) = delete;
    TgaImage& operator=(const TgaImage&) = delete;
    // A moved-from image is empty, not a size without a block.
    TgaImage(TgaImage&& other) noexcept
        : format(std::exchange(other.format, 0)),
          width(std::exchange(other.width, 0)),
          height(std::exchange(other.height, 0)),
          pixels(std::move(other.pixels)) {}
    TgaImage& operator=(TgaImage&& other) noexcept {
        if (this != &other) {
            format = std::exchange(other.format, 0);
            width = std::exchange(other.width, 0);
            height = std::exchange(other.height, 0);
            pixels = std::move(other.pixels);
        }
        return *this;
    }

    // An image of the given format and size whose block the caller fills
    // (not cleared: the large maps are written whole right after).
    static TgaImage Make(std::int32_t format, std::int32_t width, std::int32_t height);

    // Size of the pixel block in bytes, computed in 64 bits.
    // 0 for an image without a valid format or a positive size.
    size_t ByteCount() const;

    // Reads a file into this (empty) image. Every header field and the size
    // of the pixel data are checked against the file before anything is
    // allocated. On anything but Ok the image is left as it was: empty.
    TgaStatus Load(const char* path);
    // Writes the image with one write of the whole block. An image that is
    // not a format, has no block or has a side outside 1 to 32767 (what the
    // header's fields and Load take) is Unsupported and no file is touched;
    // a failed write is FileError and removes the partial file.
    TgaStatus Save(const char* path) const;
    // Frees the block and empties the image; safe on an empty image.
    void Release();
};
