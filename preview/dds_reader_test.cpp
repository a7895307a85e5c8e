#include "preview/dds_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "converter/dds_encode.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// A DXT file: our converter's header, marked compressed, around `blocks`.
Bytes DxtFile(const char* fourCC, std::uint32_t width, std::uint32_t height, const Bytes& blocks) {
    const auto preamble = DdsPreamble(width, height);
    Bytes bytes(preamble.size() + blocks.size());
    std::copy(preamble.begin(), preamble.end(), bytes.begin());
    std::copy(blocks.begin(), blocks.end(), bytes.begin() + static_cast<std::ptrdiff_t>(preamble.size()));
    PutWord(bytes, 4 + 76, 0x4);  // compressed
    PutWord(bytes, 4 + 80, static_cast<std::uint32_t>(fourCC[0] | fourCC[1] << 8 | fourCC[2] << 16 |
                                                      fourCC[3] << 24));
    return bytes;
}

std::array<std::uint8_t, 4> Texel(const RgbaPicture& picture, int x, int y) {
    const std::uint8_t* p = &picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

TEST(DdsReader, ReadsWhatTheConverterWritesAndTheThreeDxtFormats) {
    // Blue, green, red: one red and one green pixel.
    const std::uint8_t bgr[] = {0, 0, 255, 0, 255, 0};
    TgaPixels image;
    image.format = static_cast<std::int32_t>(TgaFormat::Bgr24);
    image.width = 2;
    image.height = 1;
    image.pixels = bgr;
    RgbaPicture picture;
    ASSERT_TRUE(DecodeDds(EncodeDds(image, TgaOrigin{}), "t.dds", picture).ok());
    EXPECT_EQ(Texel(picture, 0, 0), (std::array<std::uint8_t, 4>{255, 0, 0, 255}));
    EXPECT_EQ(Texel(picture, 1, 0), (std::array<std::uint8_t, 4>{0, 255, 0, 255}));

    // Pure red and pure blue, texels 0..3 taking the four colours; a 2 x 2
    // picture keeps only the block's first two columns and rows.
    const Bytes colour = {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0, 0, 0};
    ASSERT_TRUE(DecodeDds(DxtFile("DXT1", 2, 2, colour), "t.dds", picture).ok());
    EXPECT_EQ(picture.pixels.size(), 2u * 2 * 4);
    EXPECT_EQ(Texel(picture, 0, 0), (std::array<std::uint8_t, 4>{255, 0, 0, 255}));
    EXPECT_EQ(Texel(picture, 1, 0), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
    // c0 <= c1: the third colour is the midpoint, the fourth transparent black.
    const Bytes threeColour = {0x1F, 0x00, 0x00, 0xF8, 0x38, 0, 0, 0};
    ASSERT_TRUE(DecodeDds(DxtFile("DXT1", 4, 1, threeColour), "t.dds", picture).ok());
    EXPECT_EQ(Texel(picture, 1, 0), (std::array<std::uint8_t, 4>{127, 0, 127, 255}));
    EXPECT_EQ(Texel(picture, 2, 0), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

    Bytes dxt3(16, 0);
    dxt3[0] = 0x5F;  // texel 0 alpha 15 * 17, texel 1 alpha 5 * 17
    std::copy(colour.begin(), colour.end(), dxt3.begin() + 8);
    ASSERT_TRUE(DecodeDds(DxtFile("DXT3", 4, 4, dxt3), "t.dds", picture).ok());
    EXPECT_EQ(Texel(picture, 0, 0)[3], 255);
    EXPECT_EQ(Texel(picture, 1, 0)[3], 85);

    Bytes dxt5(16, 0);
    dxt5[0] = 255;
    dxt5[1] = 0;
    dxt5[2] = 0x08;  // texel 0: index 0 (255), texel 1: index 1 (0)
    std::copy(colour.begin(), colour.end(), dxt5.begin() + 8);
    ASSERT_TRUE(DecodeDds(DxtFile("DXT5", 4, 4, dxt5), "t.dds", picture).ok());
    EXPECT_EQ(Texel(picture, 0, 0)[3], 255);
    EXPECT_EQ(Texel(picture, 1, 0)[3], 0);
}

TEST(DdsReader, RefusesWhatItCannotReadWithoutReadingPastTheFile) {
    const Bytes colour(8, 0);
    const Bytes good = DxtFile("DXT1", 8, 8, Bytes(4 * 8, 0));
    Bytes huge = good;
    PutWord(huge, 4 + 12, 65536);
    Bytes zero = good;
    PutWord(zero, 4 + 8, 0);
    const struct {
        const char* name;
        Bytes file;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a DDS file"},
        {"cut in the header", Bytes(good.begin(), good.begin() + 100), "not a DDS file"},
        {"blocks cut short", Bytes(good.begin(), good.end() - 1), "cut short"},
        {"a side beyond the limit", huge, "a side of 0 or beyond 16384"},
        {"a side of 0", zero, "a side of 0 or beyond 16384"},
        {"another compression", DxtFile("BC7 ", 4, 4, Bytes(16, 0)),
         "a compression other than DXT1, DXT3, DXT5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RgbaPicture picture;
        const Status status = DecodeDds(c.file, "x.dds", picture);
        EXPECT_EQ(status.message(), std::string("ERROR: reading x.dds (") + c.reason + ")");
    }
}

}  // namespace

// A texture beyond the limit comes out shrunk, its longer side at the limit
// and its colours kept, with the file's own sides beside it.
TEST(DdsReader, ShrinksALargeTextureAsItDecodes) {
    // 2048 x 1024 DXT1: the left half pure red, the right half pure blue.
    const std::size_t across = 2048 / 4, down = 1024 / 4;
    Bytes blocks(across * down * 8, 0);
    for (std::size_t by = 0; by < down; ++by) {
        for (std::size_t bx = 0; bx < across; ++bx) {
            const std::uint16_t colour = bx < across / 2 ? 0xF800 : 0x001F;
            blocks[(by * across + bx) * 8] = static_cast<std::uint8_t>(colour);
            blocks[(by * across + bx) * 8 + 1] = static_cast<std::uint8_t>(colour >> 8);
        }
    }
    RgbaPicture picture;
    ASSERT_TRUE(DecodeDdsShrunk(DxtFile("DXT1", 2048, 1024, blocks), "big.dds", 512, picture).ok());
    EXPECT_EQ(picture.width, 512);
    EXPECT_EQ(picture.height, 256);
    EXPECT_EQ(picture.sourceWidth, 2048);
    EXPECT_EQ(picture.sourceHeight, 1024);
    EXPECT_EQ(Texel(picture, 0, 0), (std::array<std::uint8_t, 4>{255, 0, 0, 255}));
    EXPECT_EQ(Texel(picture, 511, 255), (std::array<std::uint8_t, 4>{0, 0, 255, 255}));
    // Within the limit: as DecodeDds gives it.
    ASSERT_TRUE(DecodeDdsShrunk(DxtFile("DXT1", 2048, 1024, blocks), "big.dds", 4096, picture).ok());
    EXPECT_EQ(picture.width, 2048);
}
