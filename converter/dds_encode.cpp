#include "converter/dds_encode.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>

#include "converter/dds_header.h"

// Both file formats are little-endian, and so is every machine we build for;
// the header is copied into the file as it lies in memory.
static_assert(std::endian::native == std::endian::little);
static_assert(kDdsPreambleSize == 4 + sizeof(DdsHeader));

namespace {

// One row in DDS order from one stored row, with a loop per format so that
// the common case, Bgr24 left to right, is a plain loop.
void EncodeRow(const std::uint8_t* in, std::int32_t format, size_t width, bool rightColumnFirst,
               std::uint8_t* out) {
    const size_t bytesPerPixel = static_cast<size_t>(BytesPerPixel(format));
    auto source = [&](size_t column) {
        return in + (rightColumnFirst ? width - 1 - column : column) * bytesPerPixel;
    };
    switch (format) {
        case Bgra32:
            if (!rightColumnFirst) {
                std::memcpy(out, in, width * 4);
                break;
            }
            for (size_t column = 0; column < width; ++column) {
                std::memcpy(out + column * 4, source(column), 4);
            }
            break;
        case Bgr24:
            if (!rightColumnFirst && width > 0) {
                // Every pixel but the row's last is read as four bytes, the
                // fourth (the next pixel's blue) replaced by alpha 255.
                for (size_t column = 0; column + 1 < width; ++column) {
                    std::uint32_t pixel;
                    std::memcpy(&pixel, in + column * 3, 4);
                    pixel |= 0xFF000000u;
                    std::memcpy(out + column * 4, &pixel, 4);
                }
                const std::uint8_t* src = in + (width - 1) * 3;
                std::uint8_t* dst = out + (width - 1) * 4;
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                dst[3] = 255;
                break;
            }
            for (size_t column = 0; column < width; ++column) {
                const std::uint8_t* src = source(column);
                std::uint8_t* dst = out + column * 4;
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                dst[3] = 255;
            }
            break;
        default:  // Grey8
            for (size_t column = 0; column < width; ++column) {
                std::uint8_t* dst = out + column * 4;
                dst[0] = dst[1] = dst[2] = *source(column);
                dst[3] = 255;
            }
            break;
    }
}

}  // namespace

TgaOrigin OriginOfDescriptor(std::uint8_t descriptor) {
    TgaOrigin origin;
    origin.topRowFirst = (descriptor & 0x20) != 0;
    origin.rightColumnFirst = (descriptor & 0x10) != 0;
    return origin;
}

std::array<std::uint8_t, kDdsPreambleSize> DdsPreamble(std::uint32_t width, std::uint32_t height) {
    std::array<std::uint8_t, kDdsPreambleSize> preamble;
    const std::uint32_t magic = kDdsMagic;
    const DdsHeader header = MakeBgra32Header(width, height);
    std::memcpy(preamble.data(), &magic, 4);
    std::memcpy(preamble.data() + 4, &header, sizeof header);
    return preamble;
}

bool CanEncodeDds(const TgaPixels& image) {
    return BytesPerPixel(image.format) != 0 && image.pixels && image.width > 0 && image.height > 0;
}

void EncodeDdsRows(const TgaPixels& image, TgaOrigin origin, size_t firstRow, size_t rowCount,
                   std::uint8_t* out) {
    const size_t width = static_cast<size_t>(image.width);
    const size_t height = static_cast<size_t>(image.height);
    const size_t storedRowBytes = width * static_cast<size_t>(BytesPerPixel(image.format));
    for (size_t row = firstRow; row < firstRow + rowCount; ++row, out += width * 4) {
        // A DDS stores its top row first.
        const size_t storedRow = origin.topRowFirst ? row : height - 1 - row;
        EncodeRow(image.pixels + storedRow * storedRowBytes, image.format, width,
                  origin.rightColumnFirst, out);
    }
}

std::vector<std::uint8_t> EncodeDds(const TgaPixels& image, TgaOrigin origin) {
    if (!CanEncodeDds(image)) return {};
    const size_t width = static_cast<size_t>(image.width);
    const size_t height = static_cast<size_t>(image.height);
    std::vector<std::uint8_t> file(kDdsPreambleSize + width * height * 4);
    const auto preamble =
        DdsPreamble(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    std::memcpy(file.data(), preamble.data(), preamble.size());
    EncodeDdsRows(image, origin, 0, height, file.data() + kDdsPreambleSize);
    return file;
}
