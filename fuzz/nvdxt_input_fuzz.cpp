// nvdxt's reading of its input: any bytes given as the TGA to convert, fed
// to the reader the converter maps its input through. The input is either
// refused with the converter's "ERROR: reading" message, or encoded into a DDS
// of the picture's size whose corner pixels are the ones the header's origin
// bits put there.
#include <cstdint>
#include <string>
#include <vector>

#include "common/image/tga_image.h"
#include "converter/dds_encode.h"
#include "fuzz/fuzz_support.h"

namespace {

std::int32_t Field16(const std::uint8_t* data, std::size_t offset) {
    return static_cast<std::int16_t>(data[offset] | (data[offset + 1] << 8));
}

// Pixel (column, row) of the picture, row 0 at the top, as blue, green, red,
// alpha, read from the TGA bytes themselves.
std::uint32_t PicturePixel(const std::uint8_t* data, std::int64_t width, std::int64_t height,
                           std::int64_t column, std::int64_t row) {
    const int bytesPerPixel = data[16] / 8;
    const bool topRowFirst = (data[17] & 0x20) != 0;
    const bool rightColumnFirst = (data[17] & 0x10) != 0;
    const std::int64_t storedRow = topRowFirst ? row : height - 1 - row;
    const std::int64_t storedColumn = rightColumnFirst ? width - 1 - column : column;
    const std::uint8_t* p =
        data + 18 + data[0] + (storedRow * width + storedColumn) * bytesPerPixel;
    const std::uint8_t b = p[0];
    const std::uint8_t g = bytesPerPixel == 1 ? p[0] : p[1];
    const std::uint8_t red = bytesPerPixel == 1 ? p[0] : p[2];
    const std::uint8_t a = bytesPerPixel == 4 ? p[3] : 255;
    return b | (g << 8) | (red << 16) | (static_cast<std::uint32_t>(a) << 24);
}

std::uint32_t DdsPixel(const std::vector<std::uint8_t>& dds, std::int64_t width, std::int64_t column,
                       std::int64_t row) {
    const std::size_t at = static_cast<std::size_t>(128 + (row * width + column) * 4);
    auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(dds[at + i]); };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (static_cast<std::uint32_t>(byte(3)) << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TgaPixels image;
    std::uint8_t descriptor = 0;
    const Status read = ViewTga({data, size}, "in.tga", image, descriptor);
    if (!read.ok()) {
        FUZZ_CHECK(read.message().rfind("ERROR: reading in.tga (", 0) == 0);
        FUZZ_CHECK(!image.pixels && image.ByteCount() == 0);
        return 0;
    }
    FUZZ_CHECK(CanEncodeDds(image));
    FUZZ_CHECK(descriptor == data[17]);

    FUZZ_CHECK(size >= 18);
    const std::int64_t width = Field16(data, 12);
    const std::int64_t height = Field16(data, 14);
    FUZZ_CHECK(width > 0 && height > 0);
    const std::vector<std::uint8_t> dds = EncodeDds(image, OriginOfDescriptor(descriptor));
    FUZZ_CHECK(static_cast<std::int64_t>(dds.size()) == 128 + width * height * 4);
    FUZZ_CHECK(dds[0] == 'D' && dds[1] == 'D' && dds[2] == 'S' && dds[3] == ' ');
    for (std::int64_t row : {std::int64_t{0}, height - 1}) {
        for (std::int64_t column : {std::int64_t{0}, width - 1}) {
            FUZZ_CHECK(DdsPixel(dds, width, column, row) ==
                       PicturePixel(data, width, height, column, row));
        }
    }
    return 0;
}
