#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a level's Heightdata.con that describe its primary heightmap,
// as the painter reads them: the "heightmap.setSize" lines up to the first
// "heightmap.setScale" line, and that line.

// V as the settings hold it: the shortest decimal (never an exponent) that
// reads back as the same float.
std::string FormatVerticalScale(float vertical);

// "heightmap.setSize N".
std::string SizeLine(std::size_t size);

// "heightmap.setScale H/V".
std::string ScaleLine(std::int64_t spacing, float vertical);

struct SettingsEdit {
    std::string text;
    // What was not a plain replacement: lines inserted.
    std::vector<std::string> notes;
};

// Gives every primary size line the size N and the first scale line H/V.
// Every other line and every line end (LF, CR LF or none at the end) stays
// byte for byte. A primary section without a size line gets one just before
// its scale line; a file without a scale line gets one after its last size
// line, or both lines at its end. Inserted lines end like the file's first
// line (CR LF when it has no line end).
SettingsEdit RewritePrimarySettings(std::string_view old, std::size_t size, std::int64_t spacing,
                                    float vertical);

// The same for the section of the eight surrounding heightmaps: every size
// line after the first scale line gets the size M, and the second scale
// line H/V. A file without that section gets both lines just after the
// first scale line (which the primary rewrite makes sure of); one with size
// lines but no second scale line gets it after the last of them, and one
// with a second scale line but no size line gets the size line before it.
SettingsEdit RewriteSurroundingSettings(std::string_view old, std::size_t size,
                                        std::int64_t spacing, float vertical);

// A whole settings file as a level's writers make it, every line ending in
// CR LF (level files come from Windows tools): the header's lines, then each
// section's own lines followed by its size and scale lines, the surrounding
// maps' section when there is one, then the trailer's lines.
struct SettingsFileSection {
    std::vector<std::string> lines;  // before its size line: remarks, other keys
    std::size_t size = 0;
    std::int64_t spacing = 0;
    float vertical = 0.0f;
};
struct SettingsFileContent {
    std::vector<std::string> header;
    SettingsFileSection primary;
    std::optional<SettingsFileSection> surrounding;
    std::vector<std::string> trailer;
};
std::string SettingsFileText(const SettingsFileContent& content);

// The settings file of a level that has none: the primary section only.
std::string NewSettingsText(std::size_t size, std::int64_t spacing, float vertical);

// The same with the surrounding maps' section after it.
std::string NewSettingsText(std::size_t size, std::int64_t spacing, float vertical,
                            std::size_t surroundingSize, std::int64_t surroundingSpacing,
                            float surroundingVertical);
