#pragma once

#include <cstdint>
#include <functional>

#include "materials/rules.h"

// A gradient table read back as a rule an author can edit: the fewest
// straight pieces (at most kMostCurvePoints points) whose shares stay within
// one step of 1/255 of every byte, joined at table entries. Used when a level
// has gradient images but no materials.txt, so that the preview still shows
// its rules in metres and degrees.
inline constexpr std::size_t kMostCurvePoints = 16;

// `bytes` the 512 entries of the table, `place` the metres or degrees that
// entry k stands for (rising with k). Shares are rounded to 0.001 and places
// to 0.1 so that the rule reads well; a table too rough for 16 points within
// 1/255 gets 16 points that follow it as closely as they can.
materials::Rule RuleFromGradient(const std::uint8_t* bytes, materials::RuleKind kind,
                                 const std::function<double(int)>& place);

// The largest difference, in bytes, between the table and the table the
// rule would be written as.
int GradientDistance(const std::uint8_t* bytes, const materials::Rule& rule,
                     const std::function<double(int)>& place);
