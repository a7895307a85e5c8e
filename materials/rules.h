#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/status/status.h"

// The rules a level author writes in data/materials.txt: where high ground
// replaces low ground, by height in metres, and where steep ground covers
// both, by slope in degrees. One rule a line, comments after '#':
//
//   high 650 m .. 750 m                            none below 650 m, all above 750 m
//   high 0 at -5 m, 1 at 2 m, 1 at 40 m, 0 at 60 m  a band: a beach up to 40 m
//   steep 30 deg .. 40 deg                         none up to 30°, all from 40°
//   steep 0                                        no steep ground anywhere
//
// A share is a number from 0 to 1; between two points it changes linearly,
// and beyond the first and the last it stays at their share. Numbers are
// read the same whatever the desktop's locale ("0.5", never "0,5").
namespace materials {

// The two shares the painter's gradient tables hold.
enum class RuleKind { High, Steep };

struct RulePoint {
    double at = 0.0;     // metres (high) or degrees (steep)
    double share = 0.0;  // 0 to 1
};

// A share as a piecewise-linear function of height or slope.
struct Rule {
    RuleKind kind = RuleKind::High;
    std::vector<RulePoint> points;  // at least one, positions never falling
    int line = 0;                   // where it was written, for messages

    // The share at a height or slope: the points' shares joined by straight
    // lines, level beyond the ends. Where two points share a position (a
    // sudden step), the later one holds from that position on.
    double ShareAt(double at) const;
};

struct MaterialRules {
    std::optional<Rule> high;
    std::optional<Rule> steep;
};

// Reads rules from text; `name` is the file's name for messages. A line
// that cannot be read fails with "ERROR: <name> line N: ..." saying what
// was expected there, with an example.
Status ParseRules(std::string_view text, const std::string& name, MaterialRules& rules);

// A rule as a line of the grammar: a band when it is one ("high 650 m ..
// 750 m"), the points otherwise. Numbers as short as they read back.
std::string FormatRule(const Rule& rule);

// The unit a kind is written in: "m" or "deg".
const char* RuleUnit(RuleKind kind);
// "high" or "steep".
const char* RuleName(RuleKind kind);

}  // namespace materials
