#pragma once

#include <cstddef>
#include <cstdint>

// The header of an uncompressed DDS file as it lies on disk: every field a
// little-endian 32-bit word, no padding. Readers find fields by offset, so the
// layout is pinned at compile time.

#pragma pack(push, 1)
struct DdsPixelFormat {
    std::uint32_t size;
    std::uint32_t flags;
    std::uint32_t fourCC;
    std::uint32_t rgbBitCount;
    std::uint32_t rMask;
    std::uint32_t gMask;
    std::uint32_t bMask;
    std::uint32_t aMask;
};

struct DdsHeader {
    std::uint32_t size;
    std::uint32_t flags;
    std::uint32_t height;
    std::uint32_t width;
    std::uint32_t pitchOrLinearSize;
    std::uint32_t depth;
    std::uint32_t mipMapCount;
    std::uint32_t reserved1[11];
    DdsPixelFormat pixelFormat;
    std::uint32_t caps;
    std::uint32_t caps2;
    std::uint32_t caps3;
    std::uint32_t caps4;
    std::uint32_t reserved2;
};
#pragma pack(pop)

static_assert(sizeof(DdsPixelFormat) == 32);
static_assert(sizeof(DdsHeader) == 124);
static_assert(offsetof(DdsHeader, height) == 8 && offsetof(DdsHeader, width) == 12);
static_assert(offsetof(DdsHeader, pitchOrLinearSize) == 16);
static_assert(offsetof(DdsHeader, mipMapCount) == 24);
static_assert(offsetof(DdsHeader, pixelFormat) == 72);
static_assert(offsetof(DdsHeader, caps) == 104);

// "DDS " as it is read from the first four bytes of the file.
constexpr std::uint32_t kDdsMagic = 0x20534444;

constexpr std::uint32_t kDdsCaps = 0x1;
constexpr std::uint32_t kDdsHeight = 0x2;
constexpr std::uint32_t kDdsWidth = 0x4;
constexpr std::uint32_t kDdsPitch = 0x8;
constexpr std::uint32_t kDdsPixelFormatFlag = 0x1000;

constexpr std::uint32_t kDdsAlphaPixels = 0x1;
constexpr std::uint32_t kDdsRgb = 0x40;

constexpr std::uint32_t kDdsCapsTexture = 0x1000;

// Header of a width × height picture of 32-bit pixels stored blue, green, red,
// alpha, without mipmaps.
DdsHeader MakeBgra32Header(std::uint32_t width, std::uint32_t height);
