// Files written by Save must read correctly in a widely used image program,
// and that program's TGA files must load: ImageMagick checks both directions,
// the bottom-row-first order included. Without ImageMagick the tests skip.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "common/image/tga_image.h"
#include "tests/support/temp_folder.h"

using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

// A command's standard output, or nothing when it could not be run or failed.
std::optional<std::string> Capture(const std::string& command) {
#ifdef _WIN32
    (void)command;
    return std::nullopt;
#else
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string output;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    if (pclose(pipe) != 0) return std::nullopt;
    return output;
#endif
}

// The command that converts between image files ("magick" or "convert"), or
// "" without ImageMagick. Other programs named convert are not taken.
std::string ImageMagick() {
    static const std::string found = [] {
        for (const char* candidate : {"magick", "convert"}) {
            const auto version = Capture(std::string(candidate) + " -version 2>/dev/null");
            if (version && version->find("Version: ImageMagick") != std::string::npos) {
                return std::string(candidate);
            }
        }
        return std::string();
    }();
    return found;
}

#ifdef _WIN32
#define IMAGEMAGICK_MISSING "interoperability with ImageMagick is checked by the native build"
#else
#define IMAGEMAGICK_MISSING \
    "ImageMagick is not installed (apt-get install imagemagick): interoperability not checked"
#endif
#define REQUIRE_IMAGEMAGICK() \
    if (ImageMagick().empty()) GTEST_SKIP() << IMAGEMAGICK_MISSING

// A netpbm picture (P5 grey, P6 RGB, P7 with a depth), top row first.
struct Netpbm {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::string samples;
};

std::optional<Netpbm> ParseNetpbm(const std::string& bytes) {
    Netpbm picture;
    size_t at = 0;
    auto token = [&]() -> std::string {
        while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
        const size_t start = at;
        while (at < bytes.size() && !std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
        return bytes.substr(start, at - start);
    };
    const std::string magic = token();
    if (magic == "P5" || magic == "P6") {
        picture.channels = magic == "P5" ? 1 : 3;
        picture.width = std::stoi(token());
        picture.height = std::stoi(token());
        if (token() != "255") return std::nullopt;
    } else if (magic == "P7") {
        for (std::string key = token(); key != "ENDHDR" && !key.empty(); key = token()) {
            if (key == "WIDTH") picture.width = std::stoi(token());
            if (key == "HEIGHT") picture.height = std::stoi(token());
            if (key == "DEPTH") picture.channels = std::stoi(token());
            if (key == "MAXVAL" && token() != "255") return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    ++at;  // the one white-space byte before the samples
    const size_t count = static_cast<size_t>(picture.width) * picture.height * picture.channels;
    if (at + count != bytes.size()) return std::nullopt;
    picture.samples = bytes.substr(at);
    return picture;
}

// Every pixel of the picture differs from its neighbours in every channel.
TgaImage TestPicture(std::int32_t format, int width, int height) {
    TgaImage image = TgaImage::Make(format, width, height);
    for (size_t i = 0; i < image.ByteCount(); ++i) {
        image.pixels[i] = static_cast<std::uint8_t>((i * 53 + 7) & 0xFF);
    }
    return image;
}

// The picture's sample in netpbm order (top row first, R G B A) for stored
// row `row` (bottom first unless topFirst), column `x` and channel `c`.
std::uint8_t StoredSample(const TgaImage& image, bool topFirst, int pictureRow, int x, int c) {
    const int bpp = BytesPerPixel(image.format);
    const int row = topFirst ? pictureRow : image.height - 1 - pictureRow;
    const int byte = bpp == 1 ? 0 : (c < 3 ? 2 - c : 3);  // R G B A from B G R A
    return image.pixels[(static_cast<size_t>(row) * image.width + x) * bpp + byte];
}

void ExpectSamePicture(const TgaImage& image, bool topFirst, const Netpbm& picture) {
    ASSERT_EQ(picture.width, image.width);
    ASSERT_EQ(picture.height, image.height);
    ASSERT_EQ(picture.channels, BytesPerPixel(image.format));
    size_t at = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            for (int c = 0; c < picture.channels; ++c, ++at) {
                ASSERT_EQ(static_cast<std::uint8_t>(picture.samples[at]),
                          StoredSample(image, topFirst, y, x, c))
                    << "picture row " << y << ", column " << x << ", channel " << c;
            }
        }
    }
}

const char* NetpbmTarget(std::int32_t format) {
    switch (format) {
        case Grey8:
            return "pgm:-";
        case Bgr24:
            return "ppm:-";
        default:
            return "pam:-";
    }
}

TEST(TgaInterop, ImageMagickReadsWhatSaveWrites) {
    REQUIRE_IMAGEMAGICK();
    TempWorkingFolder folder;
    for (std::int32_t format : {Grey8, Bgr24, Bgra32}) {
        SCOPED_TRACE(format);
        const TgaImage image = TestPicture(format, 7, 5);
        ASSERT_TRUE(image.Save("saved.tga").ok());
        // -auto-orient turns the file's bottom-left origin into the picture
        // as seen, so a file whose rows lie in the wrong order fails here.
        const auto output =
            Capture(ImageMagick() + " saved.tga -auto-orient -depth 8 " + NetpbmTarget(format));
        ASSERT_TRUE(output) << "ImageMagick could not read the file";
        const auto picture = ParseNetpbm(*output);
        ASSERT_TRUE(picture);
        ExpectSamePicture(image, false, *picture);
    }
}

TEST(TgaInterop, LoadReadsWhatImageMagickWrites) {
    REQUIRE_IMAGEMAGICK();
    TempWorkingFolder folder;
    struct Row {
        std::int32_t format;
        const char* input;
        const char* options;
    };
    for (const Row& row :
         {Row{Grey8, "in.pgm", "-type Grayscale"}, Row{Bgr24, "in.ppm", "-type TrueColor"},
          Row{Bgra32, "in.pam", "-type TrueColorAlpha"}}) {
        SCOPED_TRACE(row.format);
        // The picture goes in as netpbm (top row first, R G B A) ...
        const TgaImage expected = TestPicture(row.format, 6, 4);
        const int channels = BytesPerPixel(row.format);
        std::string netpbm;
        if (channels == 1) netpbm = "P5\n6 4\n255\n";
        if (channels == 3) netpbm = "P6\n6 4\n255\n";
        if (channels == 4) {
            netpbm = "P7\nWIDTH 6\nHEIGHT 4\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
        }
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                for (int c = 0; c < channels; ++c) {
                    netpbm += static_cast<char>(StoredSample(expected, false, y, x, c));
                }
            }
        }
        WriteFileBytes(row.input, netpbm);
        // ImageMagick 6 stores rows in its own order and takes the origin bit
        // from the orientation setting; left unset it would label top-first
        // rows as bottom-first. Naming the orientation keeps the file honest.
        ASSERT_TRUE(Capture(ImageMagick() + " " + row.input + " -orient TopLeft " + row.options +
                            " -compress none im.tga"));

        // ... and must come out of the TGA as the same picture, in whichever
        // row order ImageMagick chose to store it.
        const std::string file = ReadFileBytes("im.tga");
        ASSERT_GE(file.size(), 18u);
        const bool topFirst = (static_cast<unsigned char>(file[17]) & 0x20) != 0;
        TgaImage loaded;
        ASSERT_TRUE(loaded.Load("im.tga").ok());
        EXPECT_EQ(loaded.format, row.format);
        ASSERT_EQ(loaded.width, 6);
        ASSERT_EQ(loaded.height, 4);
        ExpectSamePicture(loaded, topFirst, *ParseNetpbm(netpbm));
    }
}

}  // namespace
