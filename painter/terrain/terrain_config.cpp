#include "painter/terrain/terrain_config.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "common/platform/read_file.h"
#include "common/status/status.h"

namespace {

constexpr char SizeKey[] = "heightmap.setSize";
constexpr char ScaleKey[] = "heightmap.setScale";

bool StartsWith(const std::string& line, const char* key) {
    return line.compare(0, std::strlen(key), key) == 0;
}

const char* SkipBlanks(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    return text;
}

// A "%d" field: blanks, an optional sign, decimal digits. Null when there is
// no number, or one that a 32-bit integer cannot hold (which a scanf would
// turn into anything at all); otherwise the text after it.
const char* ReadWholeNumber(const char* text, std::int32_t& value) {
    text = SkipBlanks(text);
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (!std::isdigit(static_cast<unsigned char>(*text))) return nullptr;
    std::int64_t magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) return nullptr;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return nullptr;
    value = static_cast<std::int32_t>(signedValue);
    return text;
}

// A "%f" field; strtof skips the blanks and, unlike scanf, defines what an
// out-of-range number gives (infinity).
bool ReadDecimal(const char* text, float& value) {
    char* end = nullptr;
    const float number = std::strtof(text, &end);
    if (end == text) return false;
    value = number;
    return true;
}

// "heightmap.setSize %d": the size stays as it was if no number follows.
void ReadSizeLine(const std::string& line, HeightmapSettings& settings) {
    std::int32_t size = 0;
    if (ReadWholeNumber(line.c_str() + std::strlen(SizeKey), size)) settings.size = size;
}

// "heightmap.setScale %d/%f": stores what could be read in order, zero for the
// rest, so a broken line never leaves a value from elsewhere behind.
void ReadScaleLine(const std::string& line, HeightmapSettings& settings) {
    settings.horizontalScale = 0.0f;
    settings.verticalScale = 0.0f;
    std::int32_t whole = 0;
    const char* rest = ReadWholeNumber(line.c_str() + std::strlen(ScaleKey), whole);
    if (!rest) return;
    settings.horizontalScale = static_cast<float>(whole);
    if (*rest != '/') return;
    float vertical = 0.0f;
    if (ReadDecimal(rest + 1, vertical)) settings.verticalScale = vertical;
}

// The next line of `text` from `position` into `line`, without its line
// feed and with every carriage return dropped. False only when the text ends
// before the first character of a new line.
bool NextLine(std::string_view text, std::size_t& position, std::string& line) {
    line.clear();
    if (position >= text.size()) return false;
    for (; position < text.size() && text[position] != '\n'; ++position) {
        if (text[position] != '\r') line += text[position];
    }
    ++position;  // past the line feed, if there is one
    return true;
}

}  // namespace

TerrainConfig ParseTerrainConfig(std::string_view text) {
    TerrainConfig config;
    HeightmapSettings* section = &config.primary;
    std::string line;
    std::size_t position = 0;
    while (section && NextLine(text, position, line)) {
        if (StartsWith(line, SizeKey)) {
            ReadSizeLine(line, *section);
        } else if (StartsWith(line, ScaleKey)) {
            ReadScaleLine(line, *section);
            section = section == &config.primary ? &config.secondary : nullptr;
        }
    }
    config.primary.heightRange = config.primary.verticalScale * 65536.0f;
    config.secondary.heightRange = config.secondary.verticalScale * 256.0f;
    return config;
}

TerrainConfig LoadTerrainConfig(const std::string& path) {
    // A file that opens but cannot be read (a folder of that name) fails like
    // a missing one, rather than passing for an empty description.
    const std::optional<std::vector<std::uint8_t>> bytes = platform::ReadFileStart(path.c_str());
    if (!bytes) Fail("ERROR: reading \"%s\"\n", path.c_str());
    return ParseTerrainConfig(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}
