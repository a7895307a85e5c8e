#include "materials/level_survey.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/parallel/parallel_rows.h"
#include "common/platform/read_file.h"
#include "level/heightmap_file.h"
#include "level/heightmap_samples.h"
#include "level/level_names.h"
#include "level/settings_file.h"
#include "painter/paint/blend_weights.h"
#include "painter/paint/material_set.h"

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

// The readers' message as one line: the settings reader's ends with a line
// end of its own, which the survey's report does not want.
Status WithoutLineEnd(const Status& read) {
    std::string text = read.message();
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return Status::Failure(text);
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
    if (const Status read = level::ReadSettingsFile(paths.settings, level.config); !read.ok()) {
        return WithoutLineEnd(read);
    }
    std::vector<std::uint8_t> bytes;
    if (platform::ReadFileStart(paths.settings.c_str(), bytes).ok()) {
        level.base = level::ReadBaseHeights(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    level::Heightmap primary;
    if (const Status read = level::ReadHeightmap(paths.primary, level.config.primary, true, primary);
        !read.ok()) {
        return WithoutLineEnd(read);
    }
    level.primary = HeightField::FromHeightmap(std::move(primary));
    level.primary.BuildNormalMap();
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
        level::Heightmap map;
        if (const Status read =
                level::ReadHeightmap(paths.surrounding[i], level.config.secondary, false, map);
            !read.ok()) {
            return WithoutLineEnd(read);
        }
        HeightField field = HeightField::FromHeightmap(std::move(map));
        field.BuildNormalMap();
        maps.push_back({static_cast<int>(i), paths.surrounding[i],
                        MeanWeights(field, heights, slopes, MaterialSize)});
    }
    return Status();
}

}  // namespace materials
