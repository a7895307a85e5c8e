#include "importer/import.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>

#include "importer/input_file.h"
#include "importer/level_files.h"
#include "importer/quantize.h"
#include "importer/region_resample.h"
#include "importer/resample.h"
#include "level/settings_rewrite.h"

namespace {

// The settings hold the spacing as a 32-bit whole number.
constexpr double kMaxWrittenSpacing = 2147483647.0;

std::string Format(const char* format, ...) MARVANE_PRINTF(1, 2);
std::string Format(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string text = FormatCV(format, arguments, MessageCapacity - 1);
    va_end(arguments);
    return text;
}

std::string OutputLine(const HeightInfo& grid, const ResamplePlan& plan,
                       const ImportOptions& options) {
    std::string line = Format("Output: %zu x %zu samples", plan.side, plan.side);
    const std::size_t longer = std::max(plan.regionWidth, plan.regionHeight);
    if (plan.regionWidth != grid.width || plan.regionHeight != grid.height) {
        line += Format(" from the centred %zu x %zu square", plan.regionWidth, plan.regionHeight);
    } else if (grid.width != grid.height) {
        line += Format(", each side stretched from %zu x %zu", grid.width, grid.height);
    }
    if (plan.capped) {
        line += Format(
            " (down-sampled from %zu: without --size the side stops at %zu; --size "
            "takes up to %zu)",
            longer, kMaxDefaultSide, kMaxOutputSide);
    } else if (plan.side == plan.regionWidth && plan.side == plan.regionHeight) {
        line += " (no resampling)";
    } else if (options.keepValues) {
        line += " (resampled, values rounded to whole samples)";
    } else {
        line += " (resampled)";
    }
    return line;
}

// Metres between output samples, from the input's spacing scaled by how far
// each axis was stretched; the settings hold one whole number.
Status OutputSpacing(const HeightInfo& grid, const ResamplePlan& plan, const ImportOptions& options,
                     std::int64_t& written, std::vector<std::string>& notes) {
    double inputX = 1.0, inputY = 1.0;
    if (options.spacing) {
        inputX = inputY = *options.spacing;
    } else if (grid.spacingX && grid.spacingY) {
        inputX = *grid.spacingX;
        inputY = *grid.spacingY;
    } else {
        notes.push_back("input samples taken to lie 1 m apart (give --spacing METRES)");
    }
    const double n = static_cast<double>(plan.side - 1);
    const double x = inputX * static_cast<double>(plan.regionWidth - 1) / n;
    const double y = inputY * static_cast<double>(plan.regionHeight - 1) / n;
    const double spacing = (x + y) / 2.0;
    if (std::fabs(x - y) > 0.01 * spacing) {
        notes.push_back(
            Format("output cells are %.6g m by %.6g m; the settings hold one spacing, "
                   "their mean",
                   x, y));
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
            Format("spacing of %.6g m between output samples written as %lld (the "
                   "settings hold whole metres, at least 1)",
                   spacing, static_cast<long long>(written)));
    }
    return Status();
}

}  // namespace

Status RunImport(const ImportOptions& options, std::vector<std::string>& report) {
    report.clear();
    const LevelFiles level(options.level);
    std::optional<std::string> oldSettings;
    if (Status s = ReadLevelSettings(level, oldSettings); !s.ok()) return s;

    std::unique_ptr<HeightSource> source;
    if (Status s = OpenHeightInput(options.input, options.raw, source); !s.ok()) return s;
    const HeightInfo& grid = source->info();
    std::vector<std::string> notes = grid.notes;

    ResamplePlan plan;
    if (Status s =
            PlanResample(grid.width, grid.height, options.size, options.fit, options.input, plan);
        !s.ok()) {
        return s;
    }
    ResampledMap map;
    const Region region{plan.left, plan.top, plan.regionWidth, plan.regionHeight};
    if (Status s =
            ResampleRegion(*source, region, plan.side, options.keepValues, options.input, map);
        !s.ok()) {
        return s;
    }
    if (map.filled > 0) {
        notes.push_back(Format(map.averaged
                                   ? "%zu output sample%s over ground without data took the "
                                     "nearest valid height"
                                   : "%zu sample%s without data took the nearest valid height",
                               map.filled, map.filled == 1 ? "" : "s"));
    }
    if (map.averaged) {
        notes.push_back(
            "shrunk by area averages: each output sample is the mean of the input "
            "over its cell");
    }
    const double metresPerUnit = options.verticalScale.value_or(grid.metresPerUnit.value_or(1.0));
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    ExtendRange(map.values, low, high);
    Quantized heights;
    if (Status s = Quantize(map.values, map.side, low, high, metresPerUnit, options.keepValues,
                            options.input, heights);
        !s.ok()) {
        return s;
    }
    map.values = std::vector<double>();
    if (heights.level) notes.push_back("the input is level: every sample written as 0");
    std::int64_t spacing = 1;
    if (Status s = OutputSpacing(grid, plan, options, spacing, notes); !s.ok()) return s;

    std::string settings;
    if (oldSettings) {
        SettingsEdit edit =
            RewritePrimarySettings(*oldSettings, plan.side, spacing, heights.verticalScale);
        settings = std::move(edit.text);
        for (const std::string& note : edit.notes) notes.push_back(level.settings + ": " + note);
    } else {
        settings = NewSettingsText(plan.side, spacing, heights.verticalScale);
        notes.push_back(level.settings +
                        " was missing: written with the primary heightmap's "
                        "lines only; surrounding terrain (-surround 1) needs its own size and "
                        "scale lines after them");
    }
    if (Status s = WriteLevelFiles(level, heights.bytes, settings, oldSettings); !s.ok()) return s;

    report.push_back(Format("Input: %s, %s, %zu x %zu samples", options.input.c_str(),
                            grid.format.c_str(), grid.width, grid.height));
    report.push_back(OutputLine(grid, plan, options));
    report.push_back(Format("Heights: %.7g m to %.7g m, one step %s m", heights.lowest,
                            heights.highest, FormatVerticalScale(heights.verticalScale).c_str()));
    report.push_back("Written: " + level.heightmap + ", and in " + level.settings + ": " +
                     SizeLine(plan.side) + ", " + ScaleLine(spacing, heights.verticalScale));
    for (const std::string& note : notes) report.push_back("Note: " + note);
    return Status();
}
