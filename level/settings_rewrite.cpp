#include "level/settings_rewrite.h"

#include <optional>

#include "common/text/c_format.h"
#include "common/text/c_number.h"
#include "level/settings_keys.h"
#include "level/terrain_settings.h"

namespace {

// A stretch of the old text replaced by new text; empty stretches insert.
struct Edit {
    std::size_t from;
    std::size_t to;
    std::string with;
};

}  // namespace

std::string SizeLine(std::size_t size) {
    return std::string(level::kSizeKey) + " " + std::to_string(size);
}

std::string FormatVerticalScale(float vertical) {
    for (int decimals = 1; decimals <= 60; ++decimals) {
        const std::string text = FormatC("%.*f", decimals, static_cast<double>(vertical));
        float back = 0.0f;
        if (ReadCFloat(text.c_str(), back) && back == vertical) return text;
    }
    return FormatC("%.9g", static_cast<double>(vertical));
}

std::string ScaleLine(std::int64_t spacing, float vertical) {
    return std::string(level::kScaleKey) + " " + std::to_string(spacing) + "/" +
           FormatVerticalScale(vertical);
}

namespace {

// Inserted lines end like the first line that has a line end.
std::string InsertedLineEnd(std::string_view old) {
    const std::size_t firstFeed = old.find('\n');
    return firstFeed == std::string_view::npos           ? "\r\n"
           : firstFeed > 0 && old[firstFeed - 1] == '\r' ? "\r\n"
                                                         : "\n";
}

std::string Applied(std::string_view old, const std::vector<Edit>& edits) {
    std::string text;
    std::size_t copied = 0;
    for (const Edit& change : edits) {
        text.append(old.substr(copied, change.from - copied));
        text += change.with;
        copied = change.to;
    }
    text.append(old.substr(copied));
    return text;
}

}  // namespace

SettingsEdit RewritePrimarySettings(std::string_view old, std::size_t size, std::int64_t spacing,
                                    float vertical) {
    const std::string eol = InsertedLineEnd(old);
    const std::string sizeLine = SizeLine(size);
    const std::string scaleLine = ScaleLine(spacing, vertical);

    SettingsEdit edit;
    std::vector<Edit> edits;
    bool scale = false;
    std::optional<level::SettingsLine> lastSize;
    level::WalkSettingsLines(old, [&](const level::SettingsLine& line) {
        if (line.section != level::SettingsSection::Primary) return;
        if (line.kind == level::SettingsLineKind::Size) {
            edits.push_back({line.start, line.contentEnd, sizeLine});
            lastSize = line;
        } else if (line.kind == level::SettingsLineKind::Scale) {
            if (!lastSize) {
                edits.push_back({line.start, line.start, sizeLine + eol});
                edit.notes.push_back("inserted \"" + sizeLine + "\" before the first scale line");
            }
            edits.push_back({line.start, line.contentEnd, scaleLine});
            scale = true;
        }
    });
    // A line added after the last line of a file that does not end with a
    // line feed gives that line the file's line end, and takes its place as
    // the last line without one.
    auto after = [&](std::size_t lineEnd, bool hasEnd, const std::string& lines) {
        edits.push_back({lineEnd, lineEnd, hasEnd ? lines + eol : eol + lines});
    };
    if (!scale && lastSize) {
        after(lastSize->end, lastSize->end != lastSize->contentEnd, scaleLine);
        edit.notes.push_back("inserted \"" + scaleLine + "\" after the primary size line");
    } else if (!scale) {
        if (old.empty()) {
            edits.push_back({0, 0, sizeLine + eol + scaleLine + eol});
        } else {
            after(old.size(), old.back() == '\n', sizeLine + eol + scaleLine);
        }
        edit.notes.push_back(
            "the file had no heightmap lines: appended the primary size and "
            "scale lines");
    }
    edit.text = Applied(old, edits);
    return edit;
}

SettingsEdit RewriteSurroundingSettings(std::string_view old, std::size_t size,
                                        std::int64_t spacing, float vertical) {
    const std::string eol = InsertedLineEnd(old);
    const std::string sizeLine = SizeLine(size);
    const std::string scaleLine = ScaleLine(spacing, vertical);

    SettingsEdit edit;
    std::vector<Edit> edits;
    std::optional<level::SettingsLine> primaryScale, lastSize;
    bool scale = false;
    level::WalkSettingsLines(old, [&](const level::SettingsLine& line) {
        if (line.section == level::SettingsSection::Primary) {
            if (line.kind == level::SettingsLineKind::Scale) primaryScale = line;
            return;
        }
        if (line.kind == level::SettingsLineKind::Size) {
            edits.push_back({line.start, line.contentEnd, sizeLine});
            lastSize = line;
        } else if (line.kind == level::SettingsLineKind::Scale) {
            if (!lastSize) {
                edits.push_back({line.start, line.start, sizeLine + eol});
                edit.notes.push_back("inserted \"" + sizeLine +
                                     "\" before the surrounding maps' scale line");
            }
            edits.push_back({line.start, line.contentEnd, scaleLine});
            scale = true;
        }
    });
    if (scale) {
        edit.text = Applied(old, edits);
        return edit;
    }
    // A line added after a file's last line that has no line end gives it one.
    auto after = [&](const level::SettingsLine& line, const std::string& lines) {
        const bool hasEnd = line.end != line.contentEnd;
        edits.push_back({line.end, line.end, hasEnd ? lines + eol : eol + lines});
    };
    if (lastSize) {
        after(*lastSize, scaleLine);
        edit.notes.push_back("inserted \"" + scaleLine +
                             "\" after the surrounding maps' size line");
    } else if (primaryScale) {
        after(*primaryScale, sizeLine + eol + scaleLine);
        edit.notes.push_back("added the surrounding maps' size and scale lines");
    }
    edit.text = Applied(old, edits);
    return edit;
}

std::string SettingsFileText(const SettingsFileContent& content) {
    std::string text;
    auto line = [&](const std::string& content) { text += content + "\r\n"; };
    auto section = [&](const SettingsFileSection& section) {
        for (const std::string& other : section.lines) line(other);
        line(SizeLine(section.size));
        line(ScaleLine(section.spacing, section.vertical));
    };
    for (const std::string& header : content.header) line(header);
    section(content.primary);
    if (content.surrounding) section(*content.surrounding);
    for (const std::string& trailer : content.trailer) line(trailer);
    return text;
}

std::string NewSettingsText(std::size_t size, std::int64_t spacing, float vertical) {
    return SettingsFileText(
        {{"rem Terrain settings written by marvane_import: the primary heightmap only"},
         {{}, size, spacing, vertical},
         std::nullopt,
         {}});
}

std::string NewSettingsText(std::size_t size, std::int64_t spacing, float vertical,
                            std::size_t surroundingSize, std::int64_t surroundingSpacing,
                            float surroundingVertical) {
    return SettingsFileText({{"rem Terrain settings written by marvane_import: the primary "
                              "heightmap, then the surrounding ones"},
                             {{}, size, spacing, vertical},
                             SettingsFileSection{{}, surroundingSize, surroundingSpacing,
                                                 surroundingVertical},
                             {}});
}
