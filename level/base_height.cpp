#include "level/base_height.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>
#include <vector>

#include "level/settings_keys.h"

namespace level {

namespace {

const char* SectionName(SettingsSection section) {
    return section == SettingsSection::Primary ? "primary" : "surrounding";
}

struct Record {
    std::size_t start;       // offset of the line
    std::size_t contentEnd;  // before its line end
    SettingsSection section;
    double metres;
};

// "<key> <section> <number>", blanks and a carriage return allowed at the end.
bool ReadRecord(std::string_view line, SettingsSection& section, double& metres) {
    if (line.substr(0, kBaseHeightKey.size()) != kBaseHeightKey) return false;
    line.remove_prefix(kBaseHeightKey.size());
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    for (const SettingsSection candidate : {SettingsSection::Primary, SettingsSection::Secondary}) {
        const std::string prefix = std::string(" ") + SectionName(candidate) + " ";
        if (line.substr(0, prefix.size()) != prefix) continue;
        const std::string_view number = line.substr(prefix.size());
        double value = 0.0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
            return false;
        }
        section = candidate;
        metres = value;
        return true;
    }
    return false;
}

std::vector<Record> Records(std::string_view text) {
    std::vector<Record> records;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::size_t contentEnd = end;
        if (contentEnd > start && text[contentEnd - 1] == '\r') --contentEnd;
        Record record{start, contentEnd, SettingsSection::Primary, 0.0};
        if (ReadRecord(text.substr(start, contentEnd - start), record.section, record.metres)) {
            records.push_back(record);
        }
        start = end + 1;
    }
    return records;
}

}  // namespace

BaseHeights ReadBaseHeights(std::string_view text) {
    BaseHeights heights;
    for (const Record& record : Records(text)) {
        (record.section == SettingsSection::Primary ? heights.primary : heights.surrounding) =
            record.metres;
    }
    return heights;
}

std::string BaseHeightLine(SettingsSection section, double metres) {
    char number[400];
    const auto result =
        std::to_chars(number, number + sizeof number, metres == 0.0 ? 0.0 : metres,
                      std::chars_format::fixed);
    return std::string(kBaseHeightKey) + " " + SectionName(section) + " " +
           std::string(number, result.ptr);
}

std::string SetBaseHeight(std::string_view text, SettingsSection section, double metres) {
    const std::string line = BaseHeightLine(section, metres);
    std::string out;
    std::size_t copied = 0;
    bool replaced = false;
    for (const Record& record : Records(text)) {
        if (record.section != section) continue;
        out.append(text.substr(copied, record.start - copied));
        out += line;
        copied = record.contentEnd;
        replaced = true;
    }
    if (replaced) return out.append(text.substr(copied));

    const std::size_t firstFeed = text.find('\n');
    const std::string eol =
        firstFeed == std::string_view::npos || (firstFeed > 0 && text[firstFeed - 1] == '\r')
            ? "\r\n"
            : "\n";
    std::optional<std::size_t> scaleLine;
    WalkSettingsLines(text, [&](const SettingsLine& settingsLine) {
        if (settingsLine.kind == SettingsLineKind::Scale && settingsLine.section == section) {
            scaleLine = settingsLine.start;
        }
    });
    std::string result(text);
    if (scaleLine) return result.insert(*scaleLine, line + eol);
    if (!result.empty() && result.back() != '\n') result += eol;
    return result + line + eol;
}

}  // namespace level
