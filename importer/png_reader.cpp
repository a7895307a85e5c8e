#include "importer/png_reader.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "common/text/c_format.h"
#include "importer/checksums.h"
#include "stb_image.h"

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr char kExport[] = "export a 16-bit greyscale PNG";

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

struct StbFree {
    void operator()(void* pixels) const { stbi_image_free(pixels); }
};

// The header as the file states it. stb_image would turn a colour or
// paletted image into grey without a word, and scale 1-, 2- and 4-bit grey
// up to 8 bits, so what it may decode is decided here, from the header.
Status CheckHeader(std::span<const std::uint8_t> bytes, const std::string& name,
                   std::uint32_t& width, std::uint32_t& height, int& depth) {
    // Signature, then the IHDR chunk: length 13, type, width, height, depth,
    // colour type, compression, filter, interlace.
    if (bytes.size() < 33 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0 ||
        BigEndian32(bytes.data() + 8) != 13) {
        return Status::Failuref("ERROR: %s: the PNG is cut short or corrupt (no image header)",
                                name.c_str());
    }
    width = BigEndian32(bytes.data() + 16);
    height = BigEndian32(bytes.data() + 20);
    depth = bytes[24];
    const int colourType = bytes[25];
    switch (colourType) {
        case 0:
            break;
        case 2:
        case 6:
            return Status::Failuref("ERROR: %s: a colour PNG holds no single height; %s",
                                    name.c_str(), kExport);
        case 3:
            return Status::Failuref("ERROR: %s: a paletted PNG holds no heights; %s", name.c_str(),
                                    kExport);
        case 4:
            return Status::Failuref("ERROR: %s: a greyscale PNG with alpha; %s without alpha",
                                    name.c_str(), kExport);
        default:
            return Status::Failuref("ERROR: %s: the PNG is corrupt (colour type %d)", name.c_str(),
                                    colourType);
    }
    if (depth != 8 && depth != 16) {
        return Status::Failuref("ERROR: %s: a %d-bit greyscale PNG; %s (or an 8-bit one)",
                                name.c_str(), depth, kExport);
    }
    if (!InputSidesAllowed(width, height)) {
        return Status::Failuref(
            "ERROR: %s: %u x %u samples; the importer takes sides from 1 to "
            "%zu and at most %zu samples",
            name.c_str(), width, height, kMaxInputSide, kMaxInputSamples);
    }
    if (std::size_t{width} * height > kMaxPngSamples) {
        return Status::Failuref(
            "ERROR: %s: %u x %u samples, more than the %zu a PNG may hold (it is decoded "
            "whole); convert it to GeoTIFF (gdal_translate -of GTiff) or to raw samples "
            "(--raw), which are read a window at a time",
            name.c_str(), width, height, kMaxPngSamples);
    }
    return Status();
}

// stb_image sizes its buffers by what the chunks claim, before it sees
// whether the bytes are there: a few hundred bytes could have it allocate
// gigabytes. So every chunk must lie inside the file, and the image data
// must be large enough for the sides (deflate packs at most 1032 bytes into
// one), before it decodes anything. An empty first IDAT chunk, legal but
// written by no encoder, is refused too.
//
// A tRNS chunk of a greyscale image names the sample value that is
// transparent: what an elevation model's nodata becomes in a PNG.
//
// stb_image checks neither the chunks' CRCs nor the zlib stream's Adler-32,
// so a damaged file would give wrong heights without a word: each chunk's
// CRC is checked here, and `imageData` gets the IDAT chunks' spans for the
// Adler-32 check.
Status CheckChunks(std::span<const std::uint8_t> bytes, const std::string& name,
                   std::uint32_t width, std::uint32_t height, int depth,
                   std::optional<std::uint16_t>& transparent,
                   std::vector<std::span<const std::uint8_t>>& imageChunks) {
    transparent.reset();
    imageChunks.clear();
    std::uint64_t imageData = 0;
    std::size_t offset = 8;
    while (bytes.size() - offset >= 12) {
        const std::uint64_t length = BigEndian32(bytes.data() + offset);
        if (length > bytes.size() - offset - 12) break;
        const std::uint8_t* type = bytes.data() + offset + 4;
        const std::size_t dataLength = static_cast<std::size_t>(length);
        if (Crc32(type, 4 + dataLength) != BigEndian32(type + 4 + dataLength)) {
            const bool named = std::all_of(type, type + 4, [](std::uint8_t c) {
                return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            });
            return Status::Failuref(
                "ERROR: %s: the PNG is corrupt (the %s%schunk at byte %zu fails its CRC check); "
                "export it again",
                name.c_str(), named ? std::string(type, type + 4).c_str() : "",
                named ? " " : "", offset);
        }
        if (std::memcmp(type, "IDAT", 4) == 0) {
            // stb_image would copy its zero bytes to a null buffer.
            if (length == 0 && imageData == 0) break;
            imageData += length;
            imageChunks.emplace_back(type + 4, dataLength);
        }
        if (std::memcmp(type, "tRNS", 4) == 0 && length == 2) {
            transparent = static_cast<std::uint16_t>((type[4] << 8) | type[5]);
        }
        if (std::memcmp(type, "IEND", 4) == 0) {
            const std::uint64_t rowBytes = 1 + (std::uint64_t{width} * depth + 7) / 8;
            if (rowBytes * height > imageData * 1032 + 64) break;
            return Status();
        }
        offset += 12 + length;
    }
    return Status::Failuref("ERROR: %s: the PNG is cut short or corrupt", name.c_str());
}

// The zlib stream of the IDAT chunks inflated (by stb_image's own inflater,
// into a block freed before the image is decoded) and its Adler-32, the
// last four bytes of the stream, checked: a bit flipped inside the
// compressed data often still inflates, to wrong samples.
Status CheckImageData(const std::vector<std::span<const std::uint8_t>>& imageChunks,
                      const std::string& name, std::size_t expectedBytes) {
    std::vector<std::uint8_t> stream;
    for (const auto& chunk : imageChunks) stream.insert(stream.end(), chunk.begin(), chunk.end());
    const char* corrupt = "ERROR: %s: the PNG is corrupt (its compressed image data fails its "
                          "Adler-32 check); export it again";
    if (stream.size() < 6 || stream.size() > static_cast<std::size_t>(INT_MAX)) {
        return Status::Failuref(corrupt, name.c_str());
    }
    const std::uint32_t expected = BigEndian32(stream.data() + stream.size() - 4);
    int inflatedSize = 0;
    std::unique_ptr<char, StbFree> inflated(stbi_zlib_decode_malloc_guesssize_headerflag(
        reinterpret_cast<const char*>(stream.data()), static_cast<int>(stream.size()),
        static_cast<int>(std::min<std::size_t>(expectedBytes, INT_MAX)), &inflatedSize, 1));
    if (!inflated) {
        return Status::Failuref("ERROR: %s: the PNG is cut short or corrupt (its compressed image "
                                "data cannot be inflated)",
                                name.c_str());
    }
    if (Adler32(reinterpret_cast<const std::uint8_t*>(inflated.get()),
                static_cast<std::size_t>(inflatedSize)) != expected) {
        return Status::Failuref(corrupt, name.c_str());
    }
    return Status();
}

}  // namespace

bool LooksLikePng(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= sizeof kSignature &&
           std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

Status DecodePng(std::span<const std::uint8_t> bytes, const std::string& name, HeightGrid& grid) {
    grid = HeightGrid();
    if (!LooksLikePng(bytes)) {
        return Status::Failuref("ERROR: %s: not a PNG file", name.c_str());
    }
    std::uint32_t width = 0, height = 0;
    int depth = 0;
    if (Status header = CheckHeader(bytes, name, width, height, depth); !header.ok()) {
        return header;
    }
    std::optional<std::uint16_t> transparent;
    std::vector<std::span<const std::uint8_t>> imageChunks;
    if (Status chunks = CheckChunks(bytes, name, width, height, depth, transparent, imageChunks);
        !chunks.ok()) {
        return chunks;
    }
    const std::size_t rowBytes = 1 + (std::size_t{width} * static_cast<std::size_t>(depth) + 7) / 8;
    if (Status data = CheckImageData(imageChunks, name, rowBytes * height); !data.ok()) {
        return data;
    }
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return Status::Failuref("ERROR: %s: a PNG file of more than 2 GiB", name.c_str());
    }
    const int length = static_cast<int>(bytes.size());
    int x = 0, y = 0, channels = 0;
    std::unique_ptr<void, StbFree> pixels(depth == 16
                                              ? static_cast<void*>(stbi_load_16_from_memory(
                                                    bytes.data(), length, &x, &y, &channels, 1))
                                              : static_cast<void*>(stbi_load_from_memory(
                                                    bytes.data(), length, &x, &y, &channels, 1)));
    if (!pixels) {
        // stb_image's reason is a word or two ("outofdata"), and not always given.
        const char* reason = stbi_failure_reason();
        return Status::Failuref("ERROR: %s: the PNG is cut short or corrupt%s%s%s", name.c_str(),
                                reason && *reason ? " (" : "", reason ? reason : "",
                                reason && *reason ? ")" : "");
    }
    // stb_image counts the transparency as a second channel, and leaves it
    // out of the grey samples it gives.
    if (static_cast<std::uint32_t>(x) != width || static_cast<std::uint32_t>(y) != height ||
        channels != (transparent ? 2 : 1)) {
        return Status::Failuref("ERROR: %s: the PNG is corrupt (its image differs from its header)",
                                name.c_str());
    }
    const std::size_t count = std::size_t{width} * height;
    grid.values.resize(count);
    const float noData = std::numeric_limits<float>::quiet_NaN();
    if (depth == 16) {
        const auto* samples = static_cast<const std::uint16_t*>(pixels.get());
        for (std::size_t i = 0; i < count; ++i) {
            grid.values[i] = transparent && samples[i] == *transparent ? noData : samples[i];
        }
    } else {
        const auto* samples = static_cast<const std::uint8_t*>(pixels.get());
        for (std::size_t i = 0; i < count; ++i) {
            grid.values[i] = transparent && samples[i] == *transparent ? noData : samples[i];
        }
    }
    if (transparent) {
        grid.notes.push_back(FormatC("samples of %u, the PNG's transparent value, are no data",
                                     static_cast<unsigned>(*transparent)));
    }
    grid.width = width;
    grid.height = height;
    grid.format = depth == 16 ? "16-bit greyscale PNG" : "8-bit greyscale PNG";
    return Status();
}
