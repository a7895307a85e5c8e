#include "materials/level_survey.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <filesystem>
#include <system_error>

#include "common/parallel/parallel_rows.h"
#include "common/platform/read_file.h"
#include "level/heightmap_samples.h"
#include "level/level_names.h"
#include "painter/paint/blend_weights.h"
#include "painter/paint/material_set.h"
#include "painter/terrain/terrain_config.h"

namespace materials {

namespace {

// Beyond this the mean of a grid changes by far less than the 0.05 points
// the report shows, and a 4097 level is reported in well under a second.
constexpr std::int32_t kLargestSurveySide = 2048;

// The mean weights of a map of `side` texels painted over `field`.
Shares MeanWeights(const HeightField& field, const GradientTable& heights,
                   const GradientTable& slopes, std::int32_t side) {
    const BlendWeights weights(field, heights, slopes, side);
    const std::size_t rows = weights.Side();
    std::vector<std::array<double, 3>> rowSums(rows);
    ParallelForRows(rows, [&](std::size_t first, std::size_t last) {
        WeightRowBuffer row = weights.MakeRowBuffer();
        for (std::size_t y = first; y < last; ++y) {
            weights.ComputeRow(y, row);
            std::array<double, 3> sum{};
            for (std::size_t x = 0; x < rows; ++x) {
                sum[0] += row.low[x];
                sum[1] += row.high[x];
                sum[2] += row.steep[x];
            }
            rowSums[y] = sum;
        }
    });
    std::array<double, 3> total{};
    for (const auto& sum : rowSums) {
        for (std::size_t i = 0; i < 3; ++i) total[i] += sum[i];
    }
    const double texels = static_cast<double>(rows) * static_cast<double>(rows);
    return {total[0] / texels, total[1] / texels, total[2] / texels};
}

}  // namespace

std::string InFolder(const std::string& dir, const std::string& path) {
    if (dir.empty() || dir == ".") return path;
    const char last = dir.back();
    return last == '/' || last == '\\' ? dir + path : dir + "/" + path;
}

LevelPaths::LevelPaths(const std::string& dir)
    : settings(InFolder(dir, std::string("../") + level::kSettingsFile)),
      primary(InFolder(dir, std::string("../") + level::kPrimaryHeightmapFile)) {
    for (const level::SurroundingPlace& place : level::kSurroundingPlaces) {
        surrounding.push_back(InFolder(dir, "../" + level::SurroundingHeightmapFile(place)));
    }
}

double SurveyedLevel::FullScale() const {
    return static_cast<double>(config.primary.verticalScale) *
           static_cast<double>(level::FullSampleRange(true));
}

Status SurveyLevel(const LevelPaths& paths, SurveyedLevel& level) {
    try {
        level.config = LoadTerrainConfig(paths.settings);
        std::vector<std::uint8_t> bytes;
        if (platform::ReadFileStart(paths.settings.c_str(), bytes).ok()) {
            level.base = level::ReadBaseHeights(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        }
        level.primary = HeightField::LoadRaw(paths.primary, level.config.primary, true);
        level.primary.BuildNormalMap();
    } catch (const FatalError& error) {
        std::string text = error.text;
        while (!text.empty() && text.back() == '\n') text.pop_back();
        return Status::Failure(text);
    }
    const auto [lowest, highest] =
        std::minmax_element(level.primary.heights.begin(), level.primary.heights.end());
    level.lowest = level.Base() + *lowest;
    level.highest = level.Base() + *highest;
    const auto [flattest, steepest] =
        std::minmax_element(level.primary.normalMap.begin(), level.primary.normalMap.end());
    level.flattest = *flattest * 90.0;
    level.steepest = *steepest * 90.0;
    return Status();
}

Shares PrimaryShares(const SurveyedLevel& level, const GradientTable& heights,
                     const GradientTable& slopes) {
    const std::int32_t painted = 4 * (level.primary.size - 1);
    return MeanWeights(level.primary, heights, slopes, std::min(painted, kLargestSurveySide));
}

Status SurveySurrounding(const LevelPaths& paths, const SurveyedLevel& level,
                         const GradientTable& heights, const GradientTable& slopes,
                         std::vector<SurroundingShares>& maps) {
    maps.clear();
    for (std::size_t i = 0; i < paths.surrounding.size(); ++i) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(paths.surrounding[i], error)) continue;
        try {
            HeightField field =
                HeightField::LoadRaw(paths.surrounding[i], level.config.secondary, false);
            field.BuildNormalMap();
            maps.push_back({static_cast<int>(i), paths.surrounding[i],
                            MeanWeights(field, heights, slopes, MaterialSize)});
        } catch (const FatalError& failure) {
            std::string text = failure.text;
            while (!text.empty() && text.back() == '\n') text.pop_back();
            return Status::Failure(text);
        }
    }
    return Status();
}

}  // namespace materials
