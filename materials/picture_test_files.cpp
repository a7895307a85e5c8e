#include "materials/picture_test_files.h"

#include <algorithm>
#include <cstdlib>

// The test's own static copy: preview/stb_image_write.cpp holds another.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include "stb_image_write.h"

namespace materials::test_files {

namespace {

void Append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
}

void Put32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(char((value >> shift) & 0xFF));
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    Put32(png, std::uint32_t(data.size()));
    const std::string typed = std::string(type, 4) + data;
    png += typed;
    Put32(png, Crc32(typed));
}

std::string Header(std::uint32_t width, std::uint32_t height, int depth, int colourType) {
    std::string ihdr;
    Put32(ihdr, width);
    Put32(ihdr, height);
    ihdr += {char(depth), char(colourType), 0, 0, 0};
    return ihdr;
}

// A PNG of rows already laid out, each behind its filter byte 0.
std::string Png(std::uint32_t width, std::uint32_t height, int depth, int colourType,
                const std::string& rows, const std::string& palette = {},
                const std::string& transparency = {}) {
    std::string png("\x89PNG\r\n\x1A\n", 8);
    Chunk(png, "IHDR", Header(width, height, depth, colourType));
    if (!palette.empty()) Chunk(png, "PLTE", palette);
    if (!transparency.empty()) Chunk(png, "tRNS", transparency);
    int length = 0;
    std::string raw = rows;
    unsigned char* zlib = stbi_zlib_compress(reinterpret_cast<unsigned char*>(raw.data()),
                                             int(raw.size()), &length, 8);
    Chunk(png, "IDAT", std::string(reinterpret_cast<const char*>(zlib), size_t(length)));
    STBIW_FREE(zlib);
    Chunk(png, "IEND", {});
    return png;
}

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string Encode(Kind kind, int width, int height, int channels,
                   const std::vector<std::uint8_t>& samples) {
    std::string out;
    switch (kind) {
        case Kind::Png:
            stbi_write_png_to_func(Append, &out, width, height, channels, samples.data(),
                                   width * channels);
            break;
        case Kind::Bmp:
            stbi_write_bmp_to_func(Append, &out, width, height, channels, samples.data());
            break;
        case Kind::Tga:
            stbi_write_tga_to_func(Append, &out, width, height, channels, samples.data());
            break;
        case Kind::Jpeg:
            stbi_write_jpg_to_func(Append, &out, width, height, channels, samples.data(), 95);
            break;
    }
    return out;
}

std::string EncodeGrey16Png(int width, int height, const std::vector<std::uint16_t>& samples) {
    std::string rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) {
            const std::uint16_t value = samples[size_t(y) * size_t(width) + size_t(x)];
            rows.push_back(char(value >> 8));
            rows.push_back(char(value & 0xFF));
        }
    }
    return Png(std::uint32_t(width), std::uint32_t(height), 16, 0, rows);
}

std::string EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& rgba,
                             const std::vector<std::uint8_t>& indices) {
    std::string palette, alpha, rows;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        palette += {char(rgba[i]), char(rgba[i + 1]), char(rgba[i + 2])};
        alpha.push_back(char(rgba[i + 3]));
    }
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) rows.push_back(char(indices[size_t(y * width + x)]));
    }
    return Png(std::uint32_t(width), std::uint32_t(height), 8, 3, rows, palette, alpha);
}

std::string PngClaiming(std::uint32_t width, std::uint32_t height) {
    return Png(width, height, 8, 2, std::string(64, '\0'));
}

std::string JpegClaiming(std::uint16_t width, std::uint16_t height) {
    // Start of image, then a baseline frame header of three components.
    std::string jpeg("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
    jpeg += {char(height >> 8), char(height & 0xFF), char(width >> 8), char(width & 0xFF), 3};
    for (char id = 1; id <= 3; ++id) jpeg += {id, 0x11, 0};
    jpeg += "\xFF\xD9";
    return jpeg;
}

std::string BmpClaiming(std::int32_t width, std::int32_t height) {
    std::string bmp = "BM";
    PutLittle(bmp, 54 + 64, 4);  // file size
    PutLittle(bmp, 0, 4);
    PutLittle(bmp, 54, 4);  // where the pixels start
    PutLittle(bmp, 40, 4);  // BITMAPINFOHEADER
    PutLittle(bmp, std::uint32_t(width), 4);
    PutLittle(bmp, std::uint32_t(height), 4);
    PutLittle(bmp, 1, 2);   // planes
    PutLittle(bmp, 24, 2);  // bits per pixel
    for (int i = 0; i < 6; ++i) PutLittle(bmp, 0, 4);
    bmp += std::string(64, '\0');
    return bmp;
}

std::string TgaClaiming(std::uint16_t width, std::uint16_t height) {
    std::string tga(12, '\0');
    tga[2] = 2;  // uncompressed true colour
    PutLittle(tga, width, 2);
    PutLittle(tga, height, 2);
    tga += {24, 0};
    tga += std::string(64, '\0');
    return tga;
}

Picture GradientWithNoise(std::int32_t width, std::int32_t height, int noise) {
    Picture picture = Picture::Make(width, height);
    std::uint32_t state = 12345;
    auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(2 * noise + 1)) - noise;
    };
    for (std::int32_t y = 0; y < height; ++y) {
        std::uint8_t* row = picture.Row(size_t(y));
        for (std::int32_t x = 0; x < width; ++x) {
            const int across = 200 * x / width, down = 160 * y / height;
            const int values[3] = {30 + across + next(), 60 + down + next(),
                                   200 - (across + down) / 2 + next()};
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = std::uint8_t(std::clamp(values[c], 0, 255));
        }
    }
    return picture;
}

Picture PictureOfTexture(const TgaImage& image) {
    Picture picture = Picture::Make(image.width, image.height);
    const size_t width = size_t(image.width), height = size_t(image.height);
    for (size_t y = 0; y < height; ++y) {
        const std::uint8_t* in = image.pixels.get() + (height - 1 - y) * width * 3;
        std::uint8_t* out = picture.Row(y);
        for (size_t x = 0; x < width; ++x) {
            out[x * 3 + 0] = in[x * 3 + 2];
            out[x * 3 + 1] = in[x * 3 + 1];
            out[x * 3 + 2] = in[x * 3 + 0];
        }
    }
    return picture;
}

TgaImage TextureOfPicture(const Picture& picture) {
    TgaImage image = TgaImage::Make(Bgr24, picture.width, picture.height);
    const size_t width = size_t(picture.width), height = size_t(picture.height);
    for (size_t y = 0; y < height; ++y) {
        const std::uint8_t* in = picture.Row(y);
        std::uint8_t* out = image.pixels.get() + (height - 1 - y) * width * 3;
        for (size_t x = 0; x < width; ++x) {
            out[x * 3 + 0] = in[x * 3 + 2];
            out[x * 3 + 1] = in[x * 3 + 1];
            out[x * 3 + 2] = in[x * 3 + 0];
        }
    }
    return image;
}

}  // namespace materials::test_files
