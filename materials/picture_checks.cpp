#include "materials/picture_checks.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>

namespace materials {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

std::uint32_t BigEndian16(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 8) | bytes[1];
}

bool IsPng(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0;
}

// A byte as the decoder reads it: 0 past the end.
std::uint8_t At(std::span<const std::uint8_t> bytes, size_t i) {
    return i < bytes.size() ? bytes[i] : 0;
}

// Where a JPEG's segments begin, past its start-of-image marker, which the
// decoder takes with any number of FF fill bytes before it: 0 for a file
// that does not start so.
size_t JpegSegments(std::span<const std::uint8_t> bytes) {
    if (At(bytes, 0) != 0xFF) return 0;
    size_t i = 1;
    while (At(bytes, i) == 0xFF) ++i;
    return At(bytes, i) == 0xD8 ? i + 1 : 0;
}

bool IsFrameHeader(std::uint8_t type) {
    return type >= 0xC0 && type <= 0xCF && type != 0xC4 && type != 0xC8 && type != 0xCC;
}

bool IsRestart(std::uint8_t type) { return type >= 0xD0 && type <= 0xD7; }

}  // namespace

bool ClaimedSides(std::span<const std::uint8_t> bytes, int& width, int& height) {
    if (IsPng(bytes)) {
        if (bytes.size() < 24 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return false;
        const std::uint32_t w = BigEndian32(bytes.data() + 16), h = BigEndian32(bytes.data() + 20);
        if (w == 0 || h == 0 || w > INT_MAX || h > INT_MAX) return false;
        width = int(w);
        height = int(h);
        return true;
    }
    // Marker segments, each "FF type length", up to the frame header.
    size_t offset = JpegSegments(bytes);
    if (offset == 0) return false;
    while (offset + 4 <= bytes.size() && bytes[offset] == 0xFF) {
        const std::uint8_t type = bytes[offset + 1];
        if (IsFrameHeader(type)) {
            if (offset + 9 > bytes.size()) return false;
            height = int(BigEndian16(bytes.data() + offset + 5));
            width = int(BigEndian16(bytes.data() + offset + 7));
            return width > 0 && height > 0;
        }
        offset += 2 + BigEndian16(bytes.data() + offset + 2);
    }
    return false;
}

bool PngDataCanHoldSides(std::span<const std::uint8_t> bytes, std::uint64_t width,
                         std::uint64_t height) {
    // The header chunk comes first: length, "IHDR", sides, depth, colour type.
    if (!IsPng(bytes) || bytes.size() < 33) return false;
    const std::uint64_t depth = bytes[24];
    const std::uint8_t colourType = bytes[25];
    const std::uint64_t channels = colourType == 2   ? 3
                                   : colourType == 4 ? 2
                                   : colourType == 6 ? 4
                                                     : 1;
    // Without interlacing; an interlaced image takes more.
    const std::uint64_t rawBytes = height * (1 + (width * channels * depth + 7) / 8);
    std::uint64_t imageData = 0;
    size_t offset = 8;
    while (bytes.size() - offset >= 12) {
        const std::uint64_t length = BigEndian32(bytes.data() + offset);
        if (length > bytes.size() - offset - 12) return false;
        const std::uint8_t* type = bytes.data() + offset + 4;
        if (std::memcmp(type, "IDAT", 4) == 0) {
            if (length == 0 && imageData == 0) return false;
            imageData += length;
        }
        if (std::memcmp(type, "IEND", 4) == 0) return rawBytes <= imageData * 1032 + 64;
        offset += 12 + static_cast<size_t>(length);
    }
    return false;
}

bool TgaDataCanHoldSides(std::span<const std::uint8_t> bytes, std::uint64_t width,
                         std::uint64_t height) {
    constexpr std::size_t kHeaderBytes = 18;
    if (bytes.size() < kHeaderBytes) return false;
    const std::uint64_t idBytes = bytes[0];
    const std::uint64_t colourMapEntries = bytes[5] | (std::uint64_t{bytes[6]} << 8);
    const std::uint64_t colourMapBytes = bytes[1] ? colourMapEntries * ((bytes[7] + 7u) / 8u) : 0;
    const std::uint64_t pixelBytes = std::max<std::uint64_t>(1, (bytes[16] + 7u) / 8u);
    const std::uint64_t before = kHeaderBytes + idBytes + colourMapBytes;
    if (bytes.size() < before) return false;
    const std::uint64_t data = bytes.size() - before;
    const std::uint64_t pixels = width * height;
    const bool runLength = bytes[2] >= 9;
    const std::uint64_t needed =
        runLength ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes;
    return data >= needed;
}

bool LooksLikeJpeg(std::span<const std::uint8_t> bytes) { return JpegSegments(bytes) != 0; }

bool JpegTablesFit(std::span<const std::uint8_t> bytes) {
    size_t offset = JpegSegments(bytes);
    if (offset == 0) return true;
    while (offset < bytes.size()) {
        // Between segments the decoder passes over anything up to an FF,
        // and over FF fill bytes.
        if (bytes[offset] != 0xFF) {
            ++offset;
            continue;
        }
        while (offset < bytes.size() && bytes[offset] == 0xFF) ++offset;
        if (offset >= bytes.size()) break;
        const std::uint8_t type = bytes[offset++];
        if (type == 0xD9) break;                        // end of image
        if (type == 0x01 || IsRestart(type)) continue;  // no length
        const size_t end = offset + ((size_t{At(bytes, offset)} << 8) | At(bytes, offset + 1));
        if (type == 0xC4) {
            // Tables one after another, each a class byte, 16 counts of codes
            // by length and the codes' values, read on past the segment's end
            // as the decoder reads them.
            for (size_t table = offset + 2; table < end;) {
                size_t codes = 0;
                for (size_t i = 1; i <= 16; ++i) codes += At(bytes, table + i);
                if (codes > 256) return false;
                table += 17 + codes;
                if (table >= bytes.size()) break;
            }
        }
        if (type == 0xDA) {
            // A scan's coded data runs to its closing marker: an FF (with
            // any FF fill after it) that is not a stuffed FF 00 or a restart.
            size_t at = end;
            while (at < bytes.size()) {
                if (bytes[at] != 0xFF) {
                    ++at;
                    continue;
                }
                size_t next = at + 1;
                while (next < bytes.size() && bytes[next] == 0xFF) ++next;
                if (next < bytes.size() && (bytes[next] == 0x00 || IsRestart(bytes[next]))) {
                    at = next + 1;
                    continue;
                }
                break;
            }
            offset = at;
            continue;
        }
        offset = end;
    }
    return true;
}

}  // namespace materials
