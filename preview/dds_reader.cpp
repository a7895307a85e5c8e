#include "preview/dds_reader.h"

#include <algorithm>
#include <array>
#include <functional>

#include "common/image/area_average.h"

namespace {

constexpr std::size_t kMagicBytes = 4;
constexpr std::size_t kHeaderBytes = 124;
constexpr std::size_t kDataStart = kMagicBytes + kHeaderBytes;

// Pixel format flags.
constexpr std::uint32_t kAlphaPixels = 0x1;
constexpr std::uint32_t kFourCC = 0x4;
constexpr std::uint32_t kRgb = 0x40;

constexpr std::uint32_t FourCC(char a, char b, char c, char d) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(d)) << 24;
}

std::uint32_t Word(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

// Where an 8-bit channel lies in a pixel word, from its mask: its byte, or
// -1 for a mask of 0 (no such channel). Any other mask is not 8 bits.
bool ChannelByte(std::uint32_t mask, int& byte) {
    if (mask == 0) {
        byte = -1;
        return true;
    }
    for (int b = 0; b < 4; ++b) {
        if (mask == 0xFFu << (8 * b)) {
            byte = b;
            return true;
        }
    }
    return false;
}

using Colour = std::array<std::uint8_t, 4>;

Colour Expand565(unsigned c) {
    const unsigned r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    return {static_cast<std::uint8_t>(r << 3 | r >> 2), static_cast<std::uint8_t>(g << 2 | g >> 4),
            static_cast<std::uint8_t>(b << 3 | b >> 2), 255};
}

std::uint8_t Mix(unsigned a, unsigned b, unsigned wa, unsigned wb, unsigned total) {
    return static_cast<std::uint8_t>((a * wa + b * wb) / total);
}

// The four colours of a block and which of them each of its 16 texels takes.
void DecodeColourBlock(const std::uint8_t* block, bool fourColoursAlways,
                       std::array<Colour, 16>& texels) {
    const unsigned c0 = block[0] | block[1] << 8;
    const unsigned c1 = block[2] | block[3] << 8;
    std::array<Colour, 4> palette{Expand565(c0), Expand565(c1), Colour{}, Colour{}};
    for (int ch = 0; ch < 3; ++ch) {
        const unsigned a = palette[0][ch], b = palette[1][ch];
        if (fourColoursAlways || c0 > c1) {
            palette[2][ch] = Mix(a, b, 2, 1, 3);
            palette[3][ch] = Mix(a, b, 1, 2, 3);
        } else {
            palette[2][ch] = Mix(a, b, 1, 1, 2);
            palette[3][ch] = 0;
        }
    }
    palette[2][3] = 255;
    palette[3][3] = fourColoursAlways || c0 > c1 ? 255 : 0;
    const std::uint32_t indices = block[4] | block[5] << 8 | block[6] << 16 |
                                  static_cast<std::uint32_t>(block[7]) << 24;
    for (int i = 0; i < 16; ++i) texels[i] = palette[(indices >> (2 * i)) & 3];
}

void DecodeExplicitAlpha(const std::uint8_t* block, std::array<Colour, 16>& texels) {
    for (int i = 0; i < 16; ++i) {
        const unsigned nibble = (block[i / 2] >> (4 * (i % 2))) & 15;
        texels[i][3] = static_cast<std::uint8_t>(nibble * 17);
    }
}

void DecodeInterpolatedAlpha(const std::uint8_t* block, std::array<Colour, 16>& texels) {
    const unsigned a0 = block[0], a1 = block[1];
    std::array<std::uint8_t, 8> values{static_cast<std::uint8_t>(a0),
                                       static_cast<std::uint8_t>(a1)};
    if (a0 > a1) {
        for (unsigned i = 2; i < 8; ++i) values[i] = Mix(a0, a1, 8 - i, i - 1, 7);
    } else {
        for (unsigned i = 2; i < 6; ++i) values[i] = Mix(a0, a1, 6 - i, i - 1, 5);
        values[6] = 0;
        values[7] = 255;
    }
    std::uint64_t bits = 0;
    for (int b = 7; b >= 2; --b) bits = bits << 8 | block[b];
    for (int i = 0; i < 16; ++i) texels[i][3] = values[(bits >> (3 * i)) & 7];
}

// Decodes the file band by band, from the top: `band` gets the first row,
// the number of rows and their 8-bit red, green, blue, alpha pixels, so that
// a caller may keep every row or only what it shrinks them to. Sets `width`
// and `height` once the header is read.
using BandSink = std::function<void(std::size_t firstRow, std::size_t rows, const std::uint8_t*)>;

Status DecodeBands(std::span<const std::uint8_t> bytes, const std::string& name,
                   std::int32_t& pictureWidth, std::int32_t& pictureHeight,
                   const std::function<void()>& sized, const BandSink& band) {
    pictureWidth = pictureHeight = 0;
    auto refuse = [&](const char* reason) {
        return Status::Failure("ERROR: reading " + name + " (" + reason + ")");
    };
    if (bytes.size() < kDataStart || Word(bytes, 0) != FourCC('D', 'D', 'S', ' ') ||
        Word(bytes, 4) != kHeaderBytes) {
        return refuse("not a DDS file");
    }
    const std::uint32_t height = Word(bytes, 4 + 8);
    const std::uint32_t width = Word(bytes, 4 + 12);
    if (width == 0 || height == 0 || width > kLargestDdsSide || height > kLargestDdsSide) {
        return refuse("a side of 0 or beyond 16384");
    }
    const std::uint32_t formatFlags = Word(bytes, 4 + 76);
    const std::uint32_t fourCC = Word(bytes, 4 + 80);
    const std::uint32_t bitCount = Word(bytes, 4 + 84);
    const std::size_t w = width, h = height;
    const std::span<const std::uint8_t> data = bytes.subspan(kDataStart);

    if (formatFlags & kFourCC) {
        const bool dxt1 = fourCC == FourCC('D', 'X', 'T', '1');
        const bool dxt3 = fourCC == FourCC('D', 'X', 'T', '3');
        const bool dxt5 = fourCC == FourCC('D', 'X', 'T', '5');
        if (!dxt1 && !dxt3 && !dxt5) return refuse("a compression other than DXT1, DXT3, DXT5");
        const std::size_t blockBytes = dxt1 ? 8 : 16;
        const std::size_t across = (w + 3) / 4, down = (h + 3) / 4;
        if (data.size() < across * down * blockBytes) return refuse("cut short");
        pictureWidth = static_cast<std::int32_t>(width);
        pictureHeight = static_cast<std::int32_t>(height);
        if (sized) sized();
        // One row of blocks at a time.
        std::vector<std::uint8_t> rows(w * 4 * 4, 0);
        std::array<Colour, 16> texels{};
        for (std::size_t by = 0; by < down; ++by) {
            for (std::size_t bx = 0; bx < across; ++bx) {
                const std::uint8_t* block = data.data() + (by * across + bx) * blockBytes;
                const std::uint8_t* colour = dxt1 ? block : block + 8;
                DecodeColourBlock(colour, !dxt1, texels);
                if (dxt3) DecodeExplicitAlpha(block, texels);
                if (dxt5) DecodeInterpolatedAlpha(block, texels);
                for (std::size_t i = 0; i < 16; ++i) {
                    const std::size_t x = bx * 4 + i % 4, y = i / 4;
                    if (x >= w) continue;
                    std::copy(texels[i].begin(), texels[i].end(),
                              rows.begin() + static_cast<std::ptrdiff_t>((y * w + x) * 4));
                }
            }
            band(by * 4, std::min<std::size_t>(4, h - by * 4), rows.data());
        }
        return Status();
    }

    if (!(formatFlags & kRgb) || (bitCount != 24 && bitCount != 32)) {
        return refuse("not 24- or 32-bit RGB, nor DXT1, DXT3 or DXT5");
    }
    int red = 0, green = 0, blue = 0, alpha = -1;
    const std::uint32_t alphaMask = formatFlags & kAlphaPixels ? Word(bytes, 4 + 100) : 0;
    if (!ChannelByte(Word(bytes, 4 + 88), red) || !ChannelByte(Word(bytes, 4 + 92), green) ||
        !ChannelByte(Word(bytes, 4 + 96), blue) || !ChannelByte(alphaMask, alpha) || red < 0 ||
        green < 0 || blue < 0 || (bitCount == 24 && std::max({red, green, blue, alpha}) > 2)) {
        return refuse("channels other than 8 bits each");
    }
    const std::size_t pixelBytes = bitCount / 8;
    if (data.size() < w * h * pixelBytes) return refuse("cut short");
    pictureWidth = static_cast<std::int32_t>(width);
    pictureHeight = static_cast<std::int32_t>(height);
    if (sized) sized();
    std::vector<std::uint8_t> row(w * 4);
    for (std::size_t y = 0; y < h; ++y) {
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint8_t* in = data.data() + (y * w + x) * pixelBytes;
            std::uint8_t* out = row.data() + x * 4;
            out[0] = in[red];
            out[1] = in[green];
            out[2] = in[blue];
            out[3] = alpha < 0 ? 255 : in[alpha];
        }
        band(y, 1, row.data());
    }
    return Status();
}

}  // namespace

Status DecodeDds(std::span<const std::uint8_t> bytes, const std::string& name,
                 RgbaPicture& picture) {
    // Emptied but not given back: a reader of many tiles reuses one buffer.
    picture.pixels.clear();
    picture.sourceWidth = picture.sourceHeight = 0;
    const Status decoded = DecodeBands(
        bytes, name, picture.width, picture.height,
        [&] {
            picture.pixels.resize(static_cast<std::size_t>(picture.width) *
                                  static_cast<std::size_t>(picture.height) * 4);
        },
        [&](std::size_t first, std::size_t rows, const std::uint8_t* pixels) {
            const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4;
            std::copy(pixels, pixels + rows * rowBytes,
                      picture.pixels.begin() + static_cast<std::ptrdiff_t>(first * rowBytes));
        });
    if (!decoded.ok()) {
        picture.width = picture.height = 0;
        picture.pixels.clear();
        return decoded;
    }
    picture.sourceWidth = picture.width;
    picture.sourceHeight = picture.height;
    return decoded;
}

Status DecodeDdsShrunk(std::span<const std::uint8_t> bytes, const std::string& name,
                       std::size_t largestSide, RgbaPicture& picture) {
    // A picture within the limit is decoded as it is.
    std::int32_t width = 0, height = 0;
    if (bytes.size() >= kDataStart) {
        height = static_cast<std::int32_t>(std::min<std::uint32_t>(Word(bytes, 4 + 8), 1u << 30));
        width = static_cast<std::int32_t>(std::min<std::uint32_t>(Word(bytes, 4 + 12), 1u << 30));
    }
    if (largestSide == 0 || static_cast<std::size_t>(std::max(width, height)) <= largestSide) {
        return DecodeDds(bytes, name, picture);
    }
    picture.pixels.clear();
    // First a box of k x k pixels summed into one as the bands come, k the
    // whole number of pixels per output pixel, so that only a picture of at
    // most twice the limit a side is held; then area averages down to the
    // limit.
    std::size_t w = 0, h = 0, k = 1, boxAcross = 0, boxDown = 0;
    std::vector<std::uint64_t> sums;
    std::vector<std::uint8_t> boxes;
    const Status decoded = DecodeBands(
        bytes, name, width, height,
        [&] {
            w = static_cast<std::size_t>(width);
            h = static_cast<std::size_t>(height);
            k = std::max(w, h) / largestSide;
            boxAcross = (w + k - 1) / k;
            boxDown = (h + k - 1) / k;
            boxes.assign(boxAcross * boxDown * 4, 0);
            sums.assign(boxAcross * 4, 0);
        },
        [&](std::size_t first, std::size_t rows, const std::uint8_t* pixels) {
            for (std::size_t r = 0; r < rows; ++r) {
                const std::size_t y = first + r;
                const std::uint8_t* row = pixels + r * w * 4;
                for (std::size_t x = 0; x < w; ++x) {
                    for (std::size_t c = 0; c < 4; ++c) sums[(x / k) * 4 + c] += row[x * 4 + c];
                }
                if ((y + 1) % k != 0 && y + 1 != h) continue;
                const std::size_t boxRow = y / k;
                const std::size_t tall = y + 1 - boxRow * k;
                for (std::size_t bx = 0; bx < boxAcross; ++bx) {
                    const std::size_t count = tall * (std::min(w, (bx + 1) * k) - bx * k);
                    for (std::size_t c = 0; c < 4; ++c) {
                        boxes[(boxRow * boxAcross + bx) * 4 + c] =
                            static_cast<std::uint8_t>((sums[bx * 4 + c] + count / 2) / count);
                    }
                }
                std::fill(sums.begin(), sums.end(), std::uint64_t{0});
            }
        });
    if (!decoded.ok()) {
        picture.width = picture.height = picture.sourceWidth = picture.sourceHeight = 0;
        return decoded;
    }
    const std::size_t longest = std::max(w, h);
    const std::size_t outWidth = std::max<std::size_t>(1, w * largestSide / longest);
    const std::size_t outHeight = std::max<std::size_t>(1, h * largestSide / longest);
    picture.pixels = AveragePixels(boxes.data(), boxAcross, boxDown, 4, outWidth, outHeight);
    picture.width = static_cast<std::int32_t>(outWidth);
    picture.height = static_cast<std::int32_t>(outHeight);
    picture.sourceWidth = width;
    picture.sourceHeight = height;
    return Status();
}
