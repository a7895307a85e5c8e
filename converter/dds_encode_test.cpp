#include "converter/dds_encode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/tga_bytes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TgaImage MakeImage(TgaFormat format, int width, int height, const Bytes& pixels) {
    TgaImage image = TgaImage::Make(format, width, height);
    EXPECT_EQ(image.ByteCount(), pixels.size());
    std::memcpy(image.pixels.get(), pixels.data(), pixels.size());
    return image;
}

Bytes PixelsOf(const Bytes& file) { return Bytes(file.begin() + 128, file.end()); }

TEST(EncodeDds, WritesTheHeaderOfATwoByTwoImageByteForByte) {
    const TgaImage image = MakeImage(Bgr24, 2, 2, Bytes(12, 7));
    const Bytes file = EncodeDds(image, TgaOrigin{});
    ASSERT_EQ(file.size(), 4u + 124u + 2u * 2u * 4u);

    // Every byte of the preamble by its offset in the file; all others are 0.
    Bytes expected(128, 0);
    auto put = [&expected](size_t offset, std::uint32_t value) {
        for (size_t i = 0; i < 4; ++i) expected[offset + i] = (value >> (8 * i)) & 0xFF;
    };
    put(0, 0x20534444);    // "DDS "
    put(4, 124);           // header size
    put(8, 0x100F);        // flags: caps, height, width, pitch, pixel format
    put(12, 2);            // height
    put(16, 2);            // width
    put(20, 8);            // pitch: width × 4
    put(76, 32);           // pixel format size
    put(80, 0x41);         // RGB | ALPHAPIXELS
    put(88, 32);           // bits per pixel
    put(92, 0x00FF0000);   // red mask
    put(96, 0x0000FF00);   // green mask
    put(100, 0x000000FF);  // blue mask
    put(104, 0xFF000000);  // alpha mask
    put(108, 0x1000);      // caps: texture
    ASSERT_EQ(Bytes(expected.begin(), expected.begin() + 4), (Bytes{'D', 'D', 'S', ' '}));
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 128), expected);
}

// A 2 × 2 picture whose four pixels all differ, so that a missing or extra
// flip, a mirrored row or a swapped channel cannot pass.
struct PixelCase {
    const char* name;
    TgaFormat format;
    TgaOrigin origin;
    Bytes stored;    // rows as the file stores them
    Bytes expected;  // DDS pixels, top row first
};

TEST(EncodeDds, PutsThePictureUprightInEveryFormatAndOrigin) {
    const Bytes bgr = {1, 2, 3, 4, 5, 6, /* next stored row */ 7, 8, 9, 10, 11, 12};
    const Bytes bgra = {1, 2, 3,   40, 4,  5,  6,  0, /* next stored row */ 7,
                        8, 9, 128, 10, 11, 12, 255};
    const Bytes grey = {10, 20, /* next stored row */ 30, 40};
    const TgaOrigin bottomLeft{}, topLeft{true, false}, bottomRight{false, true};
    const PixelCase cases[] = {
        {"Bgr24 bottom-left",
         Bgr24,
         bottomLeft,
         bgr,
         {7, 8, 9, 255, 10, 11, 12, 255, 1, 2, 3, 255, 4, 5, 6, 255}},
        {"Bgr24 top-left",
         Bgr24,
         topLeft,
         bgr,
         {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}},
        {"Bgr24 bottom-right",
         Bgr24,
         bottomRight,
         bgr,
         {10, 11, 12, 255, 7, 8, 9, 255, 4, 5, 6, 255, 1, 2, 3, 255}},
        {"Bgra32 bottom-left keeps alpha",
         Bgra32,
         bottomLeft,
         bgra,
         {7, 8, 9, 128, 10, 11, 12, 255, 1, 2, 3, 40, 4, 5, 6, 0}},
        {"Bgra32 top-left", Bgra32, topLeft, bgra, bgra},
        {"Bgra32 bottom-right",
         Bgra32,
         bottomRight,
         bgra,
         {10, 11, 12, 255, 7, 8, 9, 128, 4, 5, 6, 0, 1, 2, 3, 40}},
        {"Grey8 bottom-left",
         Grey8,
         bottomLeft,
         grey,
         {30, 30, 30, 255, 40, 40, 40, 255, 10, 10, 10, 255, 20, 20, 20, 255}},
        {"Grey8 top-left",
         Grey8,
         topLeft,
         grey,
         {10, 10, 10, 255, 20, 20, 20, 255, 30, 30, 30, 255, 40, 40, 40, 255}},
    };
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = EncodeDds(MakeImage(c.format, 2, 2, c.stored), c.origin);
        ASSERT_EQ(file.size(), 128u + 16u);
        EXPECT_EQ(PixelsOf(file), c.expected);
    }
}

// Rows of every width, read a pixel at a time by the test: the last pixel of
// each row, and of the block, is where a faster copy could go wrong.
TEST(EncodeDds, Bgr24RowsOfAnyWidthKeepEveryPixel) {
    for (const int width : {1, 2, 3, 4, 5, 7, 8, 513}) {
        SCOPED_TRACE(width);
        const int height = 3;
        Bytes stored(static_cast<size_t>(width) * height * 3);
        for (size_t i = 0; i < stored.size(); ++i) stored[i] = static_cast<std::uint8_t>(i * 7 + 1);
        const TgaImage image = MakeImage(Bgr24, width, height, stored);
        for (const TgaOrigin origin : {TgaOrigin{}, TgaOrigin{false, true}}) {
            Bytes expected;
            for (int row = 0; row < height; ++row) {
                for (int column = 0; column < width; ++column) {
                    const int storedColumn = origin.rightColumnFirst ? width - 1 - column : column;
                    const size_t at = (static_cast<size_t>(height - 1 - row) * width + storedColumn) * 3;
                    expected.insert(expected.end(), {stored[at], stored[at + 1], stored[at + 2], 255});
                }
            }
            EXPECT_EQ(PixelsOf(EncodeDds(image, origin)), expected);
        }
    }
}

// The origin comes from the descriptor that the TGA readers hand over.
TEST(OriginOfDescriptor, ReadsTheOriginBitsOfTheDescriptor) {
    struct Case {
        int descriptor;
        bool topRowFirst, rightColumnFirst;
    };
    // 0x08: eight alpha bits, which say nothing about the origin.
    for (const Case& c : {Case{0x00, false, false}, Case{0x20, true, false},
                          Case{0x10, false, true}, Case{0x38, true, true}}) {
        SCOPED_TRACE(c.descriptor);
        const std::string file = program_testing::TgaBytes(2, 24, 1, 1, c.descriptor, "abc");
        TgaPixels pixels;
        std::uint8_t descriptor = 0;
        ASSERT_TRUE(ViewTga(program_testing::AsBytes(file), "a.tga", pixels, descriptor).ok());
        const TgaOrigin origin = OriginOfDescriptor(descriptor);
        EXPECT_EQ(origin.topRowFirst, c.topRowFirst);
        EXPECT_EQ(origin.rightColumnFirst, c.rightColumnFirst);
    }
}

}  // namespace
