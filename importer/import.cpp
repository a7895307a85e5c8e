#include "importer/import.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>

#include "importer/input_file.h"
#include "importer/level_files.h"
#include "importer/quantize.h"
#include "importer/region_resample.h"
#include "importer/resample.h"
#include "importer/slope_check.h"
#include "importer/surround.h"
#include "level/base_height.h"
#include "level/heightmap_samples.h"
#include "level/level_names.h"
#include "level/settings_rewrite.h"
#include "level/terrain_settings.h"
#include "materials/default_set.h"
#include "materials/looks.h"
#include "materials/material_files.h"

namespace fs = std::filesystem;

namespace {

// A median slope above this says the spacing or the vertical scale is wrong.
constexpr double kImplausibleSlope = 60.0;

// Whether the level folder is missing but the folder it goes in exists, so
// that the import makes it.
bool LevelFolderToMake(const std::string& folder) {
    std::error_code error;
    if (fs::exists(folder, error)) return false;
    fs::path path(folder);
    if (!path.has_filename()) path = path.parent_path();
    const fs::path parent = path.parent_path();
    return fs::is_directory(parent.empty() ? fs::path(".") : parent, error);
}

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

// Metres between input samples along a row and down a column.
void InputSpacing(const HeightInfo& grid, const ImportOptions& options, double& x, double& y,
                  std::vector<std::string>& notes) {
    x = y = 1.0;
    if (options.spacing) {
        x = y = *options.spacing;
    } else if (grid.spacingX && grid.spacingY) {
        x = *grid.spacingX;
        y = *grid.spacingY;
    } else {
        notes.push_back("input samples taken to lie 1 m apart (give --spacing METRES)");
    }
}

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
            Format("%s cells are %.6g m by %.6g m; the settings hold one spacing, "
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
            Format("spacing of %.6g m between %s samples written as %lld (the "
                   "settings hold whole metres, at least 1)",
                   spacing, what, static_cast<long long>(written)));
    }
    return Status();
}

// The surrounding maps' side: asked for, else the level's own, else 257.
Status SurroundingSide(const ImportOptions& options, const std::optional<std::string>& settings,
                       const std::string& settingsName, std::size_t& side) {
    side = options.surroundSize.value_or(kDefaultSurroundingSide);
    if (options.surroundSize || !settings) return Status();
    const std::int32_t size = ParseTerrainConfig(*settings).secondary.size;
    if (size == 0) return Status();
    if (size < static_cast<std::int32_t>(kMinOutputSide) ||
        size > static_cast<std::int32_t>(kMaxSurroundingSide)) {
        return Status::Failuref(
            "ERROR: %s: the surrounding maps' size %d is not from 3 to %zu; give "
            "--surround-size M",
            settingsName.c_str(), static_cast<int>(size), kMaxSurroundingSide);
    }
    side = static_cast<std::size_t>(size);
    return Status();
}

// One map an import writes: the part of the input it comes from, its side
// and its samples.
struct MapJob {
    Region region;
    std::size_t side = 0;
    ResampledMap map;
};

}  // namespace

Status RunImport(const ImportOptions& options, std::vector<std::string>& report) {
    report.clear();
    const LevelFiles level(options.level);
    // A missing level folder is made, when the folder it goes in exists.
    const bool makeFolder = LevelFolderToMake(level.folder);
    // An import or a program ended half-way through writing the level is
    // completed or undone before the settings are read.
    std::string recovered;
    if (Status s = CompleteLevelWrite(level, recovered); !s.ok()) return s;
    if (!recovered.empty()) report.push_back("Note: " + recovered);
    std::optional<std::string> oldSettings;
    if (!makeFolder) {
        if (Status s = ReadLevelSettings(level, oldSettings); !s.ok()) return s;
    }
    const bool newLevel = !oldSettings || options.newLevel;

    std::unique_ptr<HeightSource> source;
    if (Status s = OpenHeightInput(options.input, options.raw, options.warp, source); !s.ok()) return s;
    const HeightInfo grid = source->info();
    std::vector<std::string> notes = grid.notes;
    double inputX = 1.0, inputY = 1.0;
    InputSpacing(grid, options, inputX, inputY, notes);

    // The maps to make: the primary alone, or the eight surrounding maps
    // then the primary (always the last).
    std::vector<MapJob> jobs;
    ResamplePlan plan;
    SurroundLayout layout;
    std::size_t surroundingSide = 0;
    if (options.surround) {
        if (Status s = PlanSurround(grid.width, grid.height, inputX, inputY, options.surroundCell,
                                    options.input, layout);
            !s.ok()) {
            return s;
        }
        if (Status s = SurroundingSide(options, oldSettings, level.settings, surroundingSide);
            !s.ok()) {
            return s;
        }
        const Region& centre = layout.cells[8];
        if (Status s = PlanResample(centre.width, centre.height, options.size, Fit::Stretch,
                                    options.input, plan);
            !s.ok()) {
            return s;
        }
        for (std::size_t i = 0; i < 8; ++i) jobs.push_back({layout.cells[i], surroundingSide, {}});
        jobs.push_back({centre, plan.side, {}});
    } else {
        if (Status s = PlanResample(grid.width, grid.height, options.size, options.fit,
                                    options.input, plan);
            !s.ok()) {
            return s;
        }
        jobs.push_back({{plan.left, plan.top, plan.regionWidth, plan.regionHeight}, plan.side, {}});
    }

    std::size_t filled = 0;
    bool averaged = false, filledAveraged = false;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (MapJob& job : jobs) {
        // A surrounding cell may lie wholly over ground without data (the
        // sea, the edge of a survey): it is filled from its neighbours below.
        if (Status s = ResampleRegion(*source, job.region, job.side, options.keepValues,
                                      options.input, job.map, options.surround);
            !s.ok()) {
            return s;
        }
    }
    if (options.surround) {
        std::array<ResampledMap*, 9> maps;
        for (std::size_t i = 0; i < 9; ++i) maps[i] = &jobs[i].map;
        std::vector<std::string> places;
        if (Status s = FillEmptyCells(maps, options.input, places); !s.ok()) return s;
        for (const std::string& place : places) {
            notes.push_back("the surrounding cell " + place +
                            " holds no data: it continues the ground at its neighbours' edges");
        }
    }
    for (MapJob& job : jobs) {
        filled += job.map.filled;
        averaged = averaged || job.map.averaged;
        filledAveraged = filledAveraged || (job.map.filled > 0 && job.map.averaged);
        ExtendRange(job.map.values, low, high);
    }
    // Closed before the samples are made: GDAL's block cache goes with it.
    source.reset();
    if (filled > 0) {
        notes.push_back(Format(filledAveraged
                                   ? "%zu output sample%s over ground without data took the "
                                     "nearest valid height"
                                   : "%zu sample%s without data took the nearest valid height",
                               filled, filled == 1 ? "" : "s"));
    }
    if (averaged) {
        notes.push_back(
            "shrunk by area averages: each output sample is the mean of the input "
            "over its cell");
    }

    const double metresPerUnit = options.verticalScale.value_or(grid.metresPerUnit.value_or(1.0));
    MapJob& primary = jobs.back();
    const double slope =
        MedianSlopeDegrees(primary.map.values, primary.side, metresPerUnit,
                           inputX * static_cast<double>(primary.region.width - 1) /
                               static_cast<double>(primary.side - 1),
                           inputY * static_cast<double>(primary.region.height - 1) /
                               static_cast<double>(primary.side - 1));
    std::vector<std::string> warnings;
    if (slope > kImplausibleSlope) {
        warnings.push_back(Format(
            "half the ground is steeper than %.1f degrees, which real ground rarely is: "
            "check --spacing (%.6g m between input samples) and --vertical-scale (%.6g m per "
            "unit of the input)",
            slope, (inputX + inputY) / 2.0, metresPerUnit));
    }
    if (plan.side < static_cast<std::size_t>(level::kSmallestTiledPrimary)) {
        warnings.push_back(Format(
            "a primary heightmap of %zu samples a side gives maps of %zu texels, less than one "
            "%d x %d tile, so the painter writes no primary tile; --size %d (or larger) gives one",
            plan.side, (plan.side - 1) * level::kPrimaryTexelsPerStep, level::kTileSide,
            level::kTileSide, level::kSmallestTiledPrimary));
    }
    Quantized heights;
    // With surrounding maps the range spans 255 of their steps, 65280 of the
    // primary's: the highest ground fits the 8 bits too.
    if (Status s =
            Quantize(primary.map.values, primary.side, low, high, metresPerUnit, options.keepValues,
                     options.input, heights, options.surround ? kSharedRangeSteps : 65535.0);
        !s.ok()) {
        return s;
    }
    primary.map.values = std::vector<double>();
    if (heights.level) notes.push_back("the input is level: every sample written as 0");
    // 8-bit samples over the same full range as the primary's 16 bits.
    const float surroundingVertical = heights.verticalScale * 256.0f;
    std::vector<std::vector<std::uint8_t>> surrounding;
    for (std::size_t i = 0; i + 1 < jobs.size(); ++i) {
        surrounding.push_back(QuantizeSurrounding(jobs[i].map.values, metresPerUnit, heights.lowest,
                                                  surroundingVertical));
        jobs[i].map.values = std::vector<double>();
    }

    std::int64_t spacing = 1, surroundingSpacing = 1;
    if (Status s = OutputSpacing(inputX, inputY, primary.region.width, primary.region.height,
                                 primary.side, "output", options, spacing, notes);
        !s.ok()) {
        return s;
    }
    if (options.surround) {
        // Every cell is as wide as the centre one, so a surrounding map must
        // span what the primary spans: its spacing comes from the primary's
        // whole metres, not rounded on its own, which would open a gap (or an
        // overlap) of many metres between the primary and its neighbours.
        const std::int64_t primaryWidth = spacing * static_cast<std::int64_t>(primary.side - 1);
        const std::int64_t intervals = static_cast<std::int64_t>(surroundingSide - 1);
        surroundingSpacing = std::max<std::int64_t>(1, (primaryWidth + intervals / 2) / intervals);
        if (surroundingSpacing * intervals != primaryWidth) {
            notes.push_back(Format(
                "the surrounding maps span %lld m and the primary %lld m: whole metres "
                "between samples cannot make them meet at %zu and %zu samples a side",
                static_cast<long long>(surroundingSpacing * intervals),
                static_cast<long long>(primaryWidth), surroundingSide, primary.side));
        }
    }

    std::string settings;
    if (!newLevel) {
        SettingsEdit edit =
            RewritePrimarySettings(*oldSettings, plan.side, spacing, heights.verticalScale);
        settings = std::move(edit.text);
        for (const std::string& note : edit.notes) notes.push_back(level.settings + ": " + note);
        if (options.surround) {
            edit = RewriteSurroundingSettings(settings, surroundingSide, surroundingSpacing,
                                              surroundingVertical);
            settings = std::move(edit.text);
            for (const std::string& note : edit.notes)
                notes.push_back(level.settings + ": " + note);
        }
    } else if (options.surround) {
        settings = NewSettingsText(plan.side, spacing, heights.verticalScale, surroundingSide,
                                   surroundingSpacing, surroundingVertical);
        notes.push_back(level.settings + (oldSettings ? " written afresh" : " was missing") +
                        ": written with both sections");
    } else {
        settings = NewSettingsText(plan.side, spacing, heights.verticalScale);
        notes.push_back(level.settings + (oldSettings ? " written afresh" : " was missing") +
                        ": written with the primary heightmap's "
                        "lines only; surrounding terrain (-surround 1) needs its own size and "
                        "scale lines after them");
    }
    // The height of sample 0, so that material rules can speak of metres of
    // the elevation model: the lowest height, or 0 where the values were
    // written unscaled. The surrounding maps count from the primary's lowest.
    const double base = options.keepValues ? 0.0 : heights.lowest;
    settings = level::SetBaseHeight(settings, level::SettingsSection::Primary, base);
    if (options.surround) {
        settings = level::SetBaseHeight(settings, level::SettingsSection::Secondary, heights.lowest);
    }
    std::vector<HeightmapFile> files;
    for (std::size_t i = 0; i < surrounding.size(); ++i) {
        files.push_back({level.surrounding[i], &surrounding[i]});
    }
    files.push_back({level.heightmap, &heights.bytes});
    std::error_code error;
    if (makeFolder && !fs::create_directory(level.folder, error)) {
        return Status::Failuref("ERROR: creating %s (%s)", level.folder.c_str(),
                                error.message().c_str());
    }
    if (Status s = WriteLevelFiles(files, level, settings, oldSettings); !s.ok()) {
        if (makeFolder) fs::remove(level.folder, error);
        return s;
    }
    if (newLevel) {
        // The painter's working folder, with a material set to paint with:
        // the user's own files there are kept.
        const std::string data = level.folder + "/paint/" + materials::kDataFolder;
        int written = 0;
        fs::create_directories(data, error);
        if (error) {
            return Status::Failuref("ERROR: creating %s (%s); the level's heightmaps are written",
                                    data.c_str(), error.message().c_str());
        }
        const materials::Look* look = materials::FindLook(options.look);
        const int files = look ? 6 : 5;
        const Status s =
            look ? materials::WriteLookSet(data, *look, heights.lowest,
                                           heights.highest, base,
                                           static_cast<double>(heights.verticalScale) *
                                               static_cast<double>(level::FullSampleRange(true)),
                                           true, written)
                 : materials::WriteDefaultSet(data, materials::kDefaultSeed, true, written);
        if (!s.ok()) return Status::Failure(s.message() + "; the level's heightmaps are written");
        notes.push_back(Format("a new level: %d file%s of the %s%s material set written to %s%s",
                               written, written == 1 ? "" : "s", look ? look->name : "default",
                               look ? " look's" : "", data.c_str(),
                               written < files ? " (the files already there kept)" : ""));
    } else if (!options.look.empty()) {
        warnings.push_back("--look makes the material set of a new level only; for this one, run "
                           "marvane_materials --look " + options.look +
                           " --force in its painter's folder");
    }

    report.push_back(Format("Input: %s, %s, %zu x %zu samples", options.input.c_str(),
                            grid.format.c_str(), grid.width, grid.height));
    if (options.surround) {
        report.push_back(Format(
            "Output: %zu x %zu samples from the centre cell, and 8 surrounding maps of %zu x %zu "
            "from the cells around it; cells of %zu x %zu input samples (%.6g m by %.6g m)",
            plan.side, plan.side, surroundingSide, surroundingSide, layout.cellColumns + 1,
            layout.cellRows + 1, static_cast<double>(layout.cellColumns) * inputX,
            static_cast<double>(layout.cellRows) * inputY));
    } else {
        report.push_back(OutputLine(grid, plan, options));
    }
    report.push_back(Format("Heights: %.7g m to %.7g m, one step %s m", heights.lowest,
                            heights.highest, FormatVerticalScale(heights.verticalScale).c_str()));
    std::string written = "Written: " + level.heightmap;
    if (options.surround) written += ", the 8 surrounding maps";
    written += ", and in " + level.settings + ": " + SizeLine(plan.side) + ", " +
               ScaleLine(spacing, heights.verticalScale);
    if (options.surround) {
        written += ", " + SizeLine(surroundingSide) + ", " +
                   ScaleLine(surroundingSpacing, surroundingVertical);
    }
    report.push_back(written);
    report.push_back(Format("Base: sample 0 is %.7g m, recorded in %s for the material rules",
                            options.keepValues ? 0.0 : heights.lowest, level.settings.c_str()));
    for (const std::string& note : notes) report.push_back("Note: " + note);
    for (const std::string& warning : warnings) report.push_back("Warning: " + warning);
    return Status();
}
