#include "importer/raw_reader.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "common/platform/read_file.h"

namespace {

// A side: decimal digits only, no sign, no blanks; false past kMaxInputSide
// by far (the exact limit is the reader's, with its own message).
bool ParseSide(const char* begin, const char* end, std::size_t& side) {
    if (begin == end || end - begin > 9) return false;
    std::size_t value = 0;
    for (const char* digit = begin; digit != end; ++digit) {
        if (*digit < '0' || *digit > '9') return false;
        value = value * 10 + static_cast<std::size_t>(*digit - '0');
    }
    side = value;
    return true;
}

Status CheckSides(const RawLayout& layout, const std::string& name) {
    if (InputSidesAllowed(layout.width, layout.height)) return Status();
    return Status::Failuref(
        "ERROR: %s: %zu x %zu samples; the importer takes sides from 1 to %zu "
        "and at most %zu samples",
        name.c_str(), layout.width, layout.height, kMaxInputSide, kMaxInputSamples);
}

// A length that is not the layout's is refused either way: a longer file is
// as likely as a shorter one to be a wrong size or sample format.
Status CheckLength(std::size_t length, const RawLayout& layout, const std::string& name) {
    const std::size_t expected = layout.FileBytes();
    if (length < expected) {
        return Status::Failuref(
            "ERROR: %s holds %zu bytes, fewer than the %zu of %zu x %zu %s "
            "samples",
            name.c_str(), length, expected, layout.width, layout.height,
            RawFormatName(layout.format));
    }
    if (length > expected) {
        return Status::Failuref(
            "ERROR: %s holds more than the %zu bytes of %zu x %zu %s samples; "
            "check the size and the sample format",
            name.c_str(), expected, layout.width, layout.height, RawFormatName(layout.format));
    }
    return Status();
}

}  // namespace

std::size_t RawLayout::SampleBytes() const {
    switch (format) {
        case RawFormat::U8:
            return 1;
        case RawFormat::U16LE:
        case RawFormat::U16BE:
            return 2;
        case RawFormat::F32LE:
            return 4;
    }
    return 1;
}

const char* RawFormatName(RawFormat format) {
    switch (format) {
        case RawFormat::U8:
            return "u8";
        case RawFormat::U16LE:
            return "u16le";
        case RawFormat::U16BE:
            return "u16be";
        case RawFormat::F32LE:
            return "f32le";
    }
    return "?";
}

bool ParseRawLayout(const char* text, RawLayout& layout) {
    const char* cross = std::strchr(text, 'x');
    const char* colon = std::strchr(text, ':');
    if (!cross || !colon || colon < cross) return false;
    RawLayout parsed;
    if (!ParseSide(text, cross, parsed.width) || !ParseSide(cross + 1, colon, parsed.height)) {
        return false;
    }
    const char* format = colon + 1;
    if (std::strcmp(format, "u8") == 0) {
        parsed.format = RawFormat::U8;
    } else if (std::strcmp(format, "u16le") == 0) {
        parsed.format = RawFormat::U16LE;
    } else if (std::strcmp(format, "u16be") == 0) {
        parsed.format = RawFormat::U16BE;
    } else if (std::strcmp(format, "f32le") == 0) {
        parsed.format = RawFormat::F32LE;
    } else {
        return false;
    }
    layout = parsed;
    return true;
}

Status DecodeRaw(std::span<const std::uint8_t> bytes, const RawLayout& layout,
                 const std::string& name, HeightGrid& grid) {
    grid = HeightGrid();
    if (Status sides = CheckSides(layout, name); !sides.ok()) return sides;
    if (Status length = CheckLength(bytes.size(), layout, name); !length.ok()) return length;

    const std::size_t count = layout.width * layout.height;
    std::vector<float> values(count);
    const std::uint8_t* in = bytes.data();
    for (std::size_t i = 0; i < count; ++i) {
        switch (layout.format) {
            case RawFormat::U8:
                values[i] = in[i];
                break;
            case RawFormat::U16LE:
                values[i] = static_cast<float>(in[2 * i] | (in[2 * i + 1] << 8));
                break;
            case RawFormat::U16BE:
                values[i] = static_cast<float>((in[2 * i] << 8) | in[2 * i + 1]);
                break;
            case RawFormat::F32LE: {
                const std::uint8_t* b = in + 4 * i;
                const std::uint32_t word = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                           (std::uint32_t{b[2]} << 16) |
                                           (std::uint32_t{b[3]} << 24);
                values[i] = std::bit_cast<float>(word);
                break;
            }
        }
    }
    grid.width = layout.width;
    grid.height = layout.height;
    grid.values = std::move(values);
    grid.format = std::string("raw ") + RawFormatName(layout.format);
    if (Status finite = RefuseInfinite(grid, name); !finite.ok()) {
        grid = HeightGrid();
        return finite;
    }
    return Status();
}

Status ReadRawFile(const std::string& path, const RawLayout& layout, HeightGrid& grid) {
    grid = HeightGrid();
    if (Status sides = CheckSides(layout, path); !sides.ok()) return sides;
    // One byte beyond the layout is enough to tell a longer file, so a huge
    // file is never read whole.
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path.c_str(), bytes, std::uint64_t{layout.FileBytes()} + 1).ok())
        return Status::Failuref("ERROR: reading %s (no such file, or not a file)", path.c_str());
    return DecodeRaw(bytes, layout, path, grid);
}
