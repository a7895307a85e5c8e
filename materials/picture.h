#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "common/status/status.h"

// A picture that a level author brings (a photo of grass, rock or snow) to
// make a material texture from: PNG, JPEG, BMP or TGA of any size and
// depth, held as 8-bit red, green, blue.
namespace materials {

// The most pixels a picture may have: 100 million (10000 x 10000), which
// decodes in at most about 1 GB. A photo of a few tens of megapixels is far
// below it; the texture made from it has 512 x 512 texels whatever its size.
inline constexpr std::uint64_t kMaxPicturePixels = 100'000'000;
// The largest file read: more than any picture within the pixel limit needs
// (16-bit RGBA without compression takes 800 MB).
inline constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{1} << 30;

// Frees a picture's block (allocated with std::malloc, as the decoder does).
struct PictureBlockFree {
    void operator()(std::uint8_t* block) const;
};

struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    // width × height × 3 bytes: red, green, blue; rows from the top down,
    // as a viewer shows them (unlike the TGA files, stored bottom row first).
    std::unique_ptr<std::uint8_t[], PictureBlockFree> rgb;
    // The file had an alpha channel, which was dropped: transparent parts
    // show whatever colour they hold, which the author may want to know.
    bool alphaDropped = false;

    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    // A moved-from picture is empty, not a size without a block.
    Picture(Picture&& other) noexcept
        : width(std::exchange(other.width, 0)),
          height(std::exchange(other.height, 0)),
          rgb(std::move(other.rgb)),
          alphaDropped(std::exchange(other.alphaDropped, false)) {}
    Picture& operator=(Picture&& other) noexcept {
        if (this != &other) {
            width = std::exchange(other.width, 0);
            height = std::exchange(other.height, 0);
            rgb = std::move(other.rgb);
            alphaDropped = std::exchange(other.alphaDropped, false);
        }
        return *this;
    }

    // A picture of the given size whose block the caller fills (not
    // cleared). Throws std::bad_alloc when the block cannot be had.
    static Picture Make(std::int32_t width, std::int32_t height);

    // Size of the block in bytes; 0 for an empty picture.
    size_t ByteCount() const;
    // The first byte of row y, counted from the top.
    const std::uint8_t* Row(size_t y) const { return rgb.get() + y * size_t(width) * 3; }
    std::uint8_t* Row(size_t y) { return rgb.get() + y * size_t(width) * 3; }
};

// Decodes a whole picture file held in memory into `picture` (which is
// emptied first). `name` is the file's name as messages show it. The sides
// are read from the header, and a picture above kMaxPicturePixels is refused
// before anything is decoded; a PNG whose chunks do not fit in the bytes, or
// whose image data is too short for its sides, is refused as cut short
// before its sides are trusted to size anything, and a JPEG whose Huffman
// tables claim more codes than there is room for (see picture_checks.h)
// before any is built. A failure says
// "ERROR: <name>: <why>; <how to mend it>" and leaves the picture empty.
Status DecodePicture(std::span<const std::uint8_t> file, const std::string& name, Picture& picture);

// Reads the file at `path` and decodes it as DecodePicture does, with the
// path in messages. An empty file, one that cannot be read and one larger
// than kMaxPictureFileBytes are refused with a message of their own.
Status LoadPicture(const std::string& path, Picture& picture);

}  // namespace materials
