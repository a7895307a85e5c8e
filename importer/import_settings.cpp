#include "importer/import_settings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "level/base_height.h"
#include "level/settings_rewrite.h"

namespace {

// The settings hold the spacing as a 32-bit whole number.
constexpr double kMaxWrittenSpacing = 2147483647.0;

// Metres between output samples, from the input's spacing scaled by how far
// each axis was stretched; the settings hold one whole number. `what` names
// the maps in the notes.
Status OutputSpacing(double inputX, double inputY, std::size_t regionWidth,
                     std::size_t regionHeight, std::size_t side, const char* what,
                     const ImportOptions& options, std::int64_t& written,
                     std::vector<std::string>& notes) {
    const double n = static_cast<double>(side - 1);
    const double x = inputX * static_cast<double>(regionWidth - 1) / n;
    const double y = inputY * static_cast<double>(regionHeight - 1) / n;
    const double spacing = (x + y) / 2.0;
    if (std::fabs(x - y) > 0.01 * spacing) {
        notes.push_back(
            ImportText("%s cells are %.6g m by %.6g m; the settings hold one spacing, "
                       "their mean",
                       what, x, y));
    }
    if (!(spacing < kMaxWrittenSpacing)) {
        return Status::Failuref(
            "ERROR: %s: %g m between output samples is more than the "
            "settings hold",
            options.input.c_str(), spacing);
    }
    written = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::floor(spacing + 0.5)));
    if (static_cast<double>(written) != spacing) {
        notes.push_back(
            ImportText("spacing of %.6g m between %s samples written as %lld (the "
                       "settings hold whole metres, at least 1)",
                       spacing, what, static_cast<long long>(written)));
    }
    return Status();
}

// Every cell is as wide as the centre one, so a surrounding map must span
// what the primary spans: its spacing comes from the primary's whole
// metres, not rounded on its own, which would open a gap (or an overlap) of
// many metres between the primary and its neighbours.
std::int64_t SurroundingSpacing(std::int64_t spacing, std::size_t primarySide,
                                std::size_t surroundingSide, std::vector<std::string>& notes) {
    const std::int64_t primaryWidth = spacing * static_cast<std::int64_t>(primarySide - 1);
    const std::int64_t intervals = static_cast<std::int64_t>(surroundingSide - 1);
    const std::int64_t surrounding =
        std::max<std::int64_t>(1, (primaryWidth + intervals / 2) / intervals);
    if (surrounding * intervals != primaryWidth) {
        notes.push_back(
            ImportText("the surrounding maps span %lld m and the primary %lld m: whole metres "
                       "between samples cannot make them meet at %zu and %zu samples a side",
                       static_cast<long long>(surrounding * intervals),
                       static_cast<long long>(primaryWidth), surroundingSide, primarySide));
    }
    return surrounding;
}

}  // namespace

Status MakeSettings(const ImportPlan& plan, const ImportHeights& heights,
                    const ImportOptions& options, const std::optional<std::string>& oldSettings,
                    const std::string& settingsName, ImportSettings& settings, ImportNotes& notes) {
    settings = ImportSettings();
    const MapPlan& primary = plan.maps.back();
    if (Status s =
            OutputSpacing(plan.inputX, plan.inputY, primary.region.width, primary.region.height,
                          primary.side, "output", options, settings.spacing, notes.notes);
        !s.ok()) {
        return s;
    }
    if (options.surround) {
        settings.surroundingSpacing =
            SurroundingSpacing(settings.spacing, primary.side, plan.surroundingSide, notes.notes);
    }

    const std::size_t side = plan.primary.side;
    const float vertical = heights.primary.verticalScale;
    std::string& text = settings.text;
    if (!WritesNewLevel(options, oldSettings)) {
        SettingsEdit edit = RewritePrimarySettings(*oldSettings, side, settings.spacing, vertical);
        text = std::move(edit.text);
        for (const std::string& note : edit.notes)
            notes.notes.push_back(settingsName + ": " + note);
        if (options.surround) {
            edit =
                RewriteSurroundingSettings(text, plan.surroundingSide, settings.surroundingSpacing,
                                           heights.surroundingVertical);
            text = std::move(edit.text);
            for (const std::string& note : edit.notes)
                notes.notes.push_back(settingsName + ": " + note);
        }
    } else if (options.surround) {
        text = NewSettingsText(side, settings.spacing, vertical, plan.surroundingSide,
                               settings.surroundingSpacing, heights.surroundingVertical);
        notes.notes.push_back(settingsName + (oldSettings ? " written afresh" : " was missing") +
                              ": written with both sections");
    } else {
        text = NewSettingsText(side, settings.spacing, vertical);
        notes.notes.push_back(settingsName + (oldSettings ? " written afresh" : " was missing") +
                              ": written with the primary heightmap's "
                              "lines only; surrounding terrain (-surround 1) needs its own size "
                              "and scale lines after them");
    }
    // The height of sample 0, so that material rules can speak of metres of
    // the elevation model: the lowest height, or 0 where the values were
    // written unscaled. The surrounding maps count from the primary's lowest.
    settings.base = options.keepValues ? 0.0 : heights.primary.lowest;
    text = level::SetBaseHeight(text, level::SettingsSection::Primary, settings.base);
    if (options.surround) {
        text =
            level::SetBaseHeight(text, level::SettingsSection::Secondary, heights.primary.lowest);
    }
    return Status();
}
