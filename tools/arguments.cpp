#include "tools/arguments.h"

#include <charconv>
#include <cstring>
#include <string>

namespace sample_level {

const char* const kUsage =
    "usage: marvane_sample_level --out DIR [--primary N] [--secondary N] [--seed N]\n"
    "  --out DIR        level folder to write (made if missing); the painter runs in DIR/paint\n"
    "  --primary N      samples per side of HeightmapPrimary.raw (default 1025)\n"
    "  --secondary N    samples per side of the eight surrounding heightmaps (default 257)\n"
    "  --seed N         terrain and texture seed, 0 to 2^64-1 (default 1)\n";

namespace {

// Whole decimal number, digits only, no sign, no blanks, no overflow.
bool ParseUnsigned(const char* text, std::uint64_t& value) {
    if (text[0] < '0' || text[0] > '9') return false;
    const char* end = text + std::strlen(text);
    const std::from_chars_result parsed = std::from_chars(text, end, value);
    return parsed.ec == std::errc() && parsed.ptr == end;
}

Status ParseSide(const char* option, const char* text, int& side) {
    std::uint64_t value = 0;
    if (!ParseUnsigned(text, value) || value < kMinSide || value > kMaxSide) {
        return Status::Failure("ERROR: " + std::string(option) + " needs a whole number from " +
                               std::to_string(kMinSide) + " to " + std::to_string(kMaxSide) +
                               ", not \"" + text + "\"");
    }
    side = static_cast<int>(value);
    return Status();
}

}  // namespace

Status ParseArguments(int count, const char* const* arguments, LevelOptions& options) {
    options = LevelOptions();
    bool haveOut = false;
    for (int i = 0; i < count; ++i) {
        const char* option = arguments[i];
        const bool known =
            std::strcmp(option, "--out") == 0 || std::strcmp(option, "--primary") == 0 ||
            std::strcmp(option, "--secondary") == 0 || std::strcmp(option, "--seed") == 0;
        if (!known) return Status::Failure("ERROR: unknown option \"" + std::string(option) + "\"");
        if (i + 1 >= count) return Status::Failure("ERROR: " + std::string(option) + " needs a value");
        const char* value = arguments[++i];
        if (std::strcmp(option, "--out") == 0) {
            if (value[0] == '\0') return Status::Failure("ERROR: --out needs a folder");
            options.out = value;
            haveOut = true;
        } else if (std::strcmp(option, "--primary") == 0) {
            if (Status s = ParseSide(option, value, options.primarySide); !s.ok()) return s;
        } else if (std::strcmp(option, "--secondary") == 0) {
            if (Status s = ParseSide(option, value, options.secondarySide); !s.ok()) return s;
        } else if (!ParseUnsigned(value, options.seed)) {
            return Status::Failure("ERROR: --seed needs a whole number from 0 to 2^64-1, not \"" +
                                   std::string(value) + "\"");
        }
    }
    if (!haveOut) return Status::Failure("ERROR: --out DIR is required");
    return Status();
}

}  // namespace sample_level
