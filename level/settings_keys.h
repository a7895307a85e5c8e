#pragma once

#include <string_view>

// The two keys of a terrain description that the painter reads. Only the
// level module may know them: the reader and the rewriter must agree.
namespace level {

inline constexpr std::string_view kSizeKey = "heightmap.setSize";
inline constexpr std::string_view kScaleKey = "heightmap.setScale";
// A comment line, skipped by the painter, that records a section's height of
// sample 0 (level/base_height.h).
inline constexpr std::string_view kBaseHeightKey = "rem marvane.baseHeight";

}  // namespace level
