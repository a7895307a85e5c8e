#include "materials/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "materials/picture_test_files.h"
#include "tests/support/temp_folder.h"

namespace {

using materials::LoadPicture;
using materials::Picture;
namespace files = materials::test_files;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

constexpr int kWidth = 37, kHeight = 23;

// Samples whose every pixel differs from its neighbours, so that a picture
// decoded upside down or mirrored is told from the right one.
std::vector<std::uint8_t> Samples(int channels) {
    std::vector<std::uint8_t> samples(size_t(kWidth * kHeight * channels));
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = std::uint8_t(i * 7 + i / 5);
    return samples;
}

// The red, green, blue of pixel (x, y), counted from the top left.
std::vector<int> Pixel(const Picture& picture, int x, int y) {
    const std::uint8_t* p = picture.Row(size_t(y)) + size_t(x) * 3;
    return {p[0], p[1], p[2]};
}

TEST(Picture, DecodesEveryFormatAndDepthToRgbRowsFromTheTop) {
    const std::vector<std::uint8_t> grey = Samples(1), greyAlpha = Samples(2), rgb = Samples(3),
                                    rgba = Samples(4);
    std::vector<std::uint16_t> grey16(size_t(kWidth * kHeight));
    for (size_t i = 0; i < grey16.size(); ++i) grey16[i] = std::uint16_t(i * 997 + 0x80);
    std::vector<std::uint8_t> indices(size_t(kWidth * kHeight));
    for (size_t i = 0; i < indices.size(); ++i) indices[i] = std::uint8_t(i % 3);
    const std::vector<std::uint8_t> palette = {200, 10, 20, 255, 30, 220, 40, 0, 5, 6, 250, 128};

    // The top-left and bottom-right pixels that lossless files must give.
    auto rgbOf = [](const std::vector<std::uint8_t>& samples, int channels, size_t i) {
        const std::uint8_t* s = samples.data() + i * size_t(channels);
        return channels >= 3 ? std::vector<int>{s[0], s[1], s[2]}
                             : std::vector<int>{s[0], s[0], s[0]};
    };
    const size_t last = size_t(kWidth * kHeight - 1);
    struct Case {
        const char* name;
        std::string bytes;
        bool alphaDropped;
        std::vector<int> topLeft, bottomRight;  // empty: not exact (JPEG)
    };
    const Case cases[] = {
        {"grey.png", files::Encode(files::Kind::Png, kWidth, kHeight, 1, grey), false,
         rgbOf(grey, 1, 0), rgbOf(grey, 1, last)},
        {"grey16.png", files::EncodeGrey16Png(kWidth, kHeight, grey16), false,
         std::vector<int>(3, grey16[0] >> 8), std::vector<int>(3, grey16[last] >> 8)},
        {"grey_alpha.png", files::Encode(files::Kind::Png, kWidth, kHeight, 2, greyAlpha), true,
         rgbOf(greyAlpha, 2, 0), rgbOf(greyAlpha, 2, last)},
        {"rgb.png", files::Encode(files::Kind::Png, kWidth, kHeight, 3, rgb), false,
         rgbOf(rgb, 3, 0), rgbOf(rgb, 3, last)},
        {"rgba.png", files::Encode(files::Kind::Png, kWidth, kHeight, 4, rgba), true,
         rgbOf(rgba, 4, 0), rgbOf(rgba, 4, last)},
        {"palette.png",
         files::EncodePalettePng(kWidth, kHeight, palette, indices),
         true,
         {200, 10, 20},
         rgbOf(palette, 4, indices[last])},
        {"rgb.bmp", files::Encode(files::Kind::Bmp, kWidth, kHeight, 3, rgb), false,
         rgbOf(rgb, 3, 0), rgbOf(rgb, 3, last)},
        {"rgba.bmp", files::Encode(files::Kind::Bmp, kWidth, kHeight, 4, rgba), true,
         rgbOf(rgba, 4, 0), rgbOf(rgba, 4, last)},
        {"rgb.tga", files::Encode(files::Kind::Tga, kWidth, kHeight, 3, rgb), false,
         rgbOf(rgb, 3, 0), rgbOf(rgb, 3, last)},
        {"grey.tga", files::Encode(files::Kind::Tga, kWidth, kHeight, 1, grey), false,
         rgbOf(grey, 1, 0), rgbOf(grey, 1, last)},
        {"rgb.jpg", files::Encode(files::Kind::Jpeg, kWidth, kHeight, 3, rgb), false, {}, {}},
        {"grey.jpg", files::Encode(files::Kind::Jpeg, kWidth, kHeight, 1, grey), false, {}, {}},
    };
    TempWorkingFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.empty());
        WriteFileBytes(c.name, c.bytes);
        Picture picture;
        const Status status = LoadPicture(c.name, picture);
        ASSERT_TRUE(status.ok()) << status.message();
        EXPECT_EQ(picture.width, kWidth);
        EXPECT_EQ(picture.height, kHeight);
        ASSERT_EQ(picture.ByteCount(), size_t(kWidth * kHeight * 3));
        EXPECT_EQ(picture.alphaDropped, c.alphaDropped);
        if (!c.topLeft.empty()) {
            EXPECT_EQ(Pixel(picture, 0, 0), c.topLeft);
            EXPECT_EQ(Pixel(picture, kWidth - 1, kHeight - 1), c.bottomRight);
        }
    }
}

// A header may claim any size in a few bytes: the claim is refused from the
// header alone, before the decoder sizes anything by it.
TEST(Picture, RefusesMoreThanTheLimitOfPixelsBeforeDecoding) {
    const struct {
        const char* name;
        std::string bytes;
        const char* sides;
    } cases[] = {
        {"huge.png", files::PngClaiming(20000, 20000), "20000 x 20000"},
        {"huge.jpg", files::JpegClaiming(20000, 20000), "20000 x 20000"},
        {"huger.jpg", files::JpegClaiming(30000, 30000), "30000 x 30000"},
        {"huge.bmp", files::BmpClaiming(12000, 9000), "12000 x 9000"},
        {"huge.tga", files::TgaClaiming(10001, 10000), "10001 x 10000"},
        {"long.png", files::PngClaiming(1, 100'000'001), "1 x 100000001"},
    };
    TempWorkingFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(c.name, c.bytes);
        Picture picture;
        const Status status = LoadPicture(c.name, picture);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.message().rfind(std::string("ERROR: ") + c.name + ": ", 0), 0u)
            << status.message();
        EXPECT_NE(status.message().find(c.sides), std::string::npos) << status.message();
        EXPECT_NE(status.message().find("100 million"), std::string::npos) << status.message();
        EXPECT_EQ(picture.ByteCount(), 0u);
    }
}

// 100 million pixels exactly are within the limit; these claim them with no
// data to back them, and are refused as cut short, not decoded.
TEST(Picture, RefusesAPngTooShortForItsSidesBeforeDecoding) {
    TempWorkingFolder folder;
    WriteFileBytes("claims.png", files::PngClaiming(10000, 10000));
    Picture picture;
    const Status status = LoadPicture("claims.png", picture);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(),
              "ERROR: claims.png: the PNG is cut short or damaged; save the picture again as PNG "
              "or JPEG");
}

// The JPEG with its first Huffman table claiming 255 more codes (of 16
// bits) than there is room for: the decoder would write past its tables.
std::string OverfullTable(std::string jpeg) {
    const size_t segment = jpeg.find("\xFF\xC4");
    jpeg.at(segment + 4 + 16) = char(0xFF);  // after the length and the class byte
    return jpeg;
}

TEST(Picture, RefusesWhatIsNotAReadablePictureNamingTheFile) {
    std::vector<std::uint8_t> rgb = Samples(3);
    const std::string png = files::Encode(files::Kind::Png, kWidth, kHeight, 3, rgb);
    const std::string jpeg = files::Encode(files::Kind::Jpeg, kWidth, kHeight, 3, rgb);
    const struct {
        const char* name;
        std::string bytes;
        bool write;  // else missing, or a folder
        const char* why;
    } cases[] = {
        {"empty.png", "", true, "the file is empty"},
        {"notes.png", "Grass: the lower slopes, up to 300 m.\n", true,
         "is not a PNG, JPEG, BMP or TGA picture"},
        {"missing.jpg", "", false, "cannot be read"},
        {"folder.png", "", false, "cannot be read"},
        {"cut.png", png.substr(0, png.size() / 2), true, "the PNG is cut short or damaged"},
        {"cut.jpg", jpeg.substr(0, 40), true, "the JPEG header is damaged"},
        {"cut_data.jpg", jpeg.substr(0, jpeg.size() - 40), true, "cannot be decoded"},
        {"tables.jpg", OverfullTable(jpeg), true, "a Huffman table holds more codes"},
        {"filled.jpg", "\xFF" + OverfullTable(jpeg), true, "a Huffman table holds more codes"},
        {"anim.gif", "GIF89a", true, "a GIF picture, which is not read"},
    };
    TempWorkingFolder folder;
    std::filesystem::create_directory("folder.png");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.write) WriteFileBytes(c.name, c.bytes);
        // A picture that held one before is emptied.
        Picture picture = Picture::Make(2, 2);
        const Status status = LoadPicture(c.name, picture);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.message().rfind(std::string("ERROR: ") + c.name + ": ", 0), 0u)
            << status.message();
        EXPECT_NE(status.message().find(c.why), std::string::npos) << status.message();
        EXPECT_NE(status.message().find("; "), std::string::npos) << "says how to mend it";
        EXPECT_EQ(picture.ByteCount(), 0u);
        EXPECT_EQ(picture.width, 0);
    }
}

}  // namespace
