#pragma once

#include <string_view>

// The two keys of a terrain description that the painter reads. Only the
// level module may know them: the reader and the rewriter must agree.
namespace level {

inline constexpr std::string_view kSizeKey = "heightmap.setSize";
inline constexpr std::string_view kScaleKey = "heightmap.setScale";

}  // namespace level
