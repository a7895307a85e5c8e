#include "importer/raw_reader.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

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

float SampleValue(const std::uint8_t* b, RawFormat format) {
    switch (format) {
        case RawFormat::U8:
            return b[0];
        case RawFormat::U16LE:
            return static_cast<float>(b[0] | (b[1] << 8));
        case RawFormat::U16BE:
            return static_cast<float>((b[0] << 8) | b[1]);
        case RawFormat::S16LE:
            return static_cast<float>(static_cast<std::int16_t>(b[0] | (b[1] << 8)));
        case RawFormat::F32LE:
            return std::bit_cast<float>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                        (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
    }
    return 0.0f;
}

Status Infinite(const std::string& name, std::size_t row, std::size_t column) {
    return Status::Failuref("ERROR: %s: the sample at row %zu, column %zu is infinite",
                            name.c_str(), row, column);
}

// A raw file read a window at a time: each row of the window from its own
// place in the file.
class RawFileSource final : public HeightSource {
public:
    RawFileSource(std::string path, const RawLayout& layout, std::ifstream file)
        : path_(std::move(path)), layout_(layout), file_(std::move(file)) {
        info_.width = layout.width;
        info_.height = layout.height;
        info_.format = std::string("raw ") + RawFormatName(layout.format);
    }

    Status Read(std::size_t left, std::size_t top, std::size_t columns, std::size_t rows,
                float* out) override {
        const std::size_t sampleBytes = layout_.SampleBytes();
        row_.resize(columns * sampleBytes);
        for (std::size_t r = 0; r < rows; ++r) {
            const std::size_t offset = ((top + r) * layout_.width + left) * sampleBytes;
            file_.seekg(static_cast<std::streamoff>(offset));
            file_.read(reinterpret_cast<char*>(row_.data()),
                       static_cast<std::streamsize>(row_.size()));
            if (!file_) {
                return Status::Failuref("ERROR: reading %s (it could not be read to its end)",
                                        path_.c_str());
            }
            float* line = out + r * columns;
            for (std::size_t c = 0; c < columns; ++c) {
                line[c] = SampleValue(row_.data() + c * sampleBytes, layout_.format);
                if (std::isinf(line[c])) return Infinite(path_, top + r, left + c);
            }
        }
        return Status();
    }

private:
    std::string path_;
    RawLayout layout_;
    std::ifstream file_;
    std::vector<std::uint8_t> row_;
};

}  // namespace

std::size_t RawLayout::SampleBytes() const {
    switch (format) {
        case RawFormat::U8:
            return 1;
        case RawFormat::U16LE:
        case RawFormat::U16BE:
        case RawFormat::S16LE:
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
        case RawFormat::S16LE:
            return "s16le";
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
    } else if (std::strcmp(format, "s16le") == 0) {
        parsed.format = RawFormat::S16LE;
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
    const std::size_t sampleBytes = layout.SampleBytes();
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = SampleValue(bytes.data() + i * sampleBytes, layout.format);
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

Status OpenRawFile(const std::string& path, const RawLayout& layout,
                   std::unique_ptr<HeightSource>& source) {
    source.reset();
    if (Status sides = CheckSides(layout, path); !sides.ok()) return sides;
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    const std::uintmax_t length = regular ? std::filesystem::file_size(path, error) : 0;
    std::ifstream file;
    if (regular && !error) file.open(std::filesystem::path(path), std::ios::binary);
    if (!regular || error || !file) {
        return Status::Failuref("ERROR: reading %s (no such file, or not a file)", path.c_str());
    }
    const std::size_t clamped =
        static_cast<std::size_t>(std::min<std::uintmax_t>(length, layout.FileBytes() + 1));
    if (Status s = CheckLength(clamped, layout, path); !s.ok()) return s;
    source = std::make_unique<RawFileSource>(path, layout, std::move(file));
    return Status();
}
