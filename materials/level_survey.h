#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "level/base_height.h"
#include "level/terrain_settings.h"
#include "painter/paint/gradient_table.h"
#include "painter/terrain/height_field.h"

// What a material set does to a level, worked out with the painter's own
// code (its settings reader, heightmap loader, slope map and blend weights),
// so that the shares reported are the shares painted.
namespace materials {

// `path` inside the folder `dir` ("" or "." for the current folder), with
// '/' (which Windows takes too), as messages show it.
std::string InFolder(const std::string& dir, const std::string& path);

// The level's files as seen from the painter's working folder `dir` ("" for
// the current folder), named as messages show them.
struct LevelPaths {
    std::string settings;
    std::string primary;
    std::vector<std::string> surrounding;  // in the painter's order

    explicit LevelPaths(const std::string& dir);
};

// The primary map, with what the rules need to know of it.
struct SurveyedLevel {
    TerrainConfig config;
    level::BaseHeights base;
    HeightField primary;  // with its slope map
    double lowest = 0.0;  // metres, counted from the base when there is one
    double highest = 0.0;
    double flattest = 0.0;  // degrees
    double steepest = 0.0;

    // The height of the primary's sample 0: the recorded base, else 0.
    double Base() const { return base.primary.value_or(0.0); }
    // Entry k of the height table stands for Base() + k / 511 × FullScale().
    double FullScale() const;
};

// Reads the settings and the primary heightmap with the painter's messages.
Status SurveyLevel(const LevelPaths& paths, SurveyedLevel& level);

// Mean weights of a map, 0 to 1 each.
struct Shares {
    double low = 0.0;
    double high = 0.0;
    double steep = 0.0;
};

// The mean weights the painter gives the primary map: its own weight code
// on a grid of at most 2048 texels a side (the painted map's 4 × (N - 1)
// when that is smaller), rows on every core, summed in one order.
Shares PrimaryShares(const SurveyedLevel& level, const GradientTable& heights,
                     const GradientTable& slopes);

// The same for each surrounding map whose heightmap is there (painted at
// 512 a side); `index` is the painter's index of the map.
struct SurroundingShares {
    int index = 0;
    std::string path;
    Shares shares;
};
Status SurveySurrounding(const LevelPaths& paths, const SurveyedLevel& level,
                         const GradientTable& heights, const GradientTable& slopes,
                         std::vector<SurroundingShares>& maps);

}  // namespace materials
