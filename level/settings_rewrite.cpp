#include "importer/settings_rewrite.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr std::string_view kSizeKey = "heightmap.setSize";
constexpr std::string_view kScaleKey = "heightmap.setScale";

struct Line {
    std::string content;  // without its line end
    std::string end;      // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.push_back({std::string(text.substr(start)), ""});
            break;
        }
        std::size_t contentEnd = feed;
        if (contentEnd > start && text[contentEnd - 1] == '\r') --contentEnd;
        lines.push_back({std::string(text.substr(start, contentEnd - start)),
                         std::string(text.substr(contentEnd, feed + 1 - contentEnd))});
        start = feed + 1;
    }
    return lines;
}

// The key test of the painter's reader, which drops carriage returns
// wherever they stand.
bool StartsWithKey(const std::string& content, std::string_view key) {
    std::string plain;
    for (char ch : content) {
        if (ch != '\r') plain += ch;
        if (plain.size() == key.size()) break;
    }
    return plain == key;
}

std::string SizeLine(std::size_t size) {
    return std::string(kSizeKey) + " " + std::to_string(size);
}

}  // namespace

std::string FormatVerticalScale(float vertical) {
    char text[128];
    for (int decimals = 1; decimals <= 60; ++decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(vertical));
        if (std::strtof(text, nullptr) == vertical) return text;
    }
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(vertical));
    return text;
}

std::string ScaleLine(std::int64_t spacing, float vertical) {
    return std::string(kScaleKey) + " " + std::to_string(spacing) + "/" +
           FormatVerticalScale(vertical);
}

SettingsEdit RewritePrimarySettings(std::string_view old, std::size_t size, std::int64_t spacing,
                                    float vertical) {
    std::vector<Line> lines = SplitLines(old);
    std::string eol = "\r\n";
    for (const Line& line : lines) {
        if (!line.end.empty()) {
            eol = line.end;
            break;
        }
    }

    std::optional<std::size_t> scale;
    std::optional<std::size_t> lastSize;
    for (std::size_t i = 0; i < lines.size() && !scale; ++i) {
        if (StartsWithKey(lines[i].content, kSizeKey)) {
            lines[i].content = SizeLine(size);
            lastSize = i;
        } else if (StartsWithKey(lines[i].content, kScaleKey)) {
            lines[i].content = ScaleLine(spacing, vertical);
            scale = i;
        }
    }

    SettingsEdit edit;
    // A line inserted after `index` (or at the end): the line before it
    // gets the file's line end if it had none, and the new line takes over
    // its place as the last.
    auto insertAfter = [&](std::size_t index, const std::string& content) {
        std::string end = eol;
        if (lines[index].end.empty()) {
            lines[index].end = eol;
            end.clear();
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index) + 1, Line{content, end});
    };
    if (scale && !lastSize) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*scale),
                     Line{SizeLine(size), eol});
        edit.notes.push_back("inserted \"" + SizeLine(size) + "\" before the first scale line");
    } else if (!scale && lastSize) {
        insertAfter(*lastSize, ScaleLine(spacing, vertical));
        edit.notes.push_back("inserted \"" + ScaleLine(spacing, vertical) +
                             "\" after the primary size line");
    } else if (!scale) {
        if (lines.empty()) {
            lines.push_back({SizeLine(size), eol});
            lines.push_back({ScaleLine(spacing, vertical), eol});
        } else {
            insertAfter(lines.size() - 1, SizeLine(size));
            insertAfter(lines.size() - 1, ScaleLine(spacing, vertical));
        }
        edit.notes.push_back(
            "the file had no heightmap lines: appended the primary size and "
            "scale lines");
    }
    for (const Line& line : lines) edit.text += line.content + line.end;
    return edit;
}

std::string NewSettingsText(std::size_t size, std::int64_t spacing, float vertical) {
    // Level files come from Windows tools: CR LF line ends.
    return "rem Terrain settings written by marvane_import: the primary heightmap only\r\n" +
           SizeLine(size) + "\r\n" + ScaleLine(spacing, vertical) + "\r\n";
}
