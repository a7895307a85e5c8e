#include "level/terrain_settings.h"

#include <cstdint>
#include <cstring>

#include "common/text/c_number.h"
#include "level/heightmap_samples.h"
#include "level/settings_keys.h"

namespace {

// A "%d" field: blanks, an optional sign, decimal digits. Null when there is
// no number, or one that a 32-bit integer cannot hold (which a scanf would
// turn into anything at all); otherwise the text after it.
// A number out of range is kept in `beyondRange` as written.
const char* ReadWholeNumber(const char* text, std::int32_t& value, std::string& beyondRange) {
    long long number = 0;
    bool overflow = false;
    const char* end = ReadCInteger(text, number, &overflow);
    if (!end) return nullptr;
    if (overflow || number < INT32_MIN || number > INT32_MAX) {
        const char* start = SkipCBlanks(text);
        beyondRange.assign(start, static_cast<size_t>(end - start));
        return nullptr;
    }
    value = static_cast<std::int32_t>(number);
    return end;
}

// "heightmap.setSize %d": the size stays as it was if no number follows.
void ReadSizeLine(const level::SettingsLine& line, HeightmapSettings& settings) {
    std::int32_t size = 0;
    std::string beyondRange;
    if (ReadWholeNumber(line.plain.c_str() + level::kSizeKey.size(), size, beyondRange)) {
        settings.size = size;
        settings.sizeBeyondRange.clear();
    } else if (!beyondRange.empty()) {
        settings.sizeBeyondRange = beyondRange;
    } else {
        return;
    }
    settings.sizeLineNumber = static_cast<int>(line.number);
    settings.sizeLine = line.plain;
}

// "heightmap.setScale %d/%f": stores what could be read in order, zero for the
// rest, so a broken line never leaves a value from elsewhere behind. The "%f"
// is read as strtof reads it in the "C" locale (blanks, then the number; an
// out-of-range number gives infinity or zero).
void ReadScaleLine(const level::SettingsLine& line, HeightmapSettings& settings) {
    settings.horizontalScale = 0.0f;
    settings.verticalScale = 0.0f;
    settings.scaleLineNumber = static_cast<int>(line.number);
    settings.scaleLine = line.plain;
    std::int32_t whole = 0;
    settings.horizontalScaleBeyondRange.clear();
    const char* rest = ReadWholeNumber(line.plain.c_str() + level::kScaleKey.size(), whole,
                                       settings.horizontalScaleBeyondRange);
    if (!rest) return;
    settings.horizontalScale = static_cast<float>(whole);
    if (*rest != '/') return;
    float vertical = 0.0f;
    if (ReadCFloat(rest + 1, vertical)) settings.verticalScale = vertical;
}

bool StartsWith(const std::string& line, std::string_view key) {
    return line.compare(0, key.size(), key) == 0;
}

}  // namespace

namespace level {

void WalkSettingsLines(std::string_view text, const std::function<void(const SettingsLine&)>& visit) {
    SettingsSection section = SettingsSection::Primary;
    std::size_t position = 0;
    for (std::size_t number = 1; position < text.size(); ++number) {
        SettingsLine line{number, position, 0, 0, {}, SettingsLineKind::Other, section};
        std::size_t end = text.find('\n', position);
        end = end == std::string_view::npos ? text.size() : end;
        for (std::size_t i = position; i < end; ++i) {
            if (text[i] != '\r') line.plain += text[i];
        }
        line.contentEnd = end > position && end < text.size() && text[end - 1] == '\r' ? end - 1 : end;
        line.end = end < text.size() ? end + 1 : end;
        if (StartsWith(line.plain, kSizeKey)) {
            line.kind = SettingsLineKind::Size;
        } else if (StartsWith(line.plain, kScaleKey)) {
            line.kind = SettingsLineKind::Scale;
        }
        position = line.end;
        visit(line);
        if (line.kind == SettingsLineKind::Scale) {
            if (section == SettingsSection::Secondary) return;
            section = SettingsSection::Secondary;
        }
    }
}

}  // namespace level

TerrainConfig ParseTerrainConfig(std::string_view text) {
    TerrainConfig config;
    level::WalkSettingsLines(text, [&](const level::SettingsLine& line) {
        HeightmapSettings& settings =
            line.section == level::SettingsSection::Primary ? config.primary : config.secondary;
        if (line.kind == level::SettingsLineKind::Size) ReadSizeLine(line, settings);
        if (line.kind == level::SettingsLineKind::Scale) ReadScaleLine(line, settings);
    });
    config.primary.heightRange = config.primary.verticalScale * level::FullSampleRange(true);
    config.secondary.heightRange = config.secondary.verticalScale * level::FullSampleRange(false);
    return config;
}
