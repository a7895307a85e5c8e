#include "preview/gradient_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "materials/gradients.h"
#include "materials/material_files.h"

namespace {

constexpr int kEntries = materials::kGradientLength;

// To 1 / `per` (10 or 1000), so that the shortest text of the result is short.
double Rounded(double value, double per) { return std::round(value * per) / per; }

// The entries where the pieces join: each piece runs as far as a straight
// line from its first entry stays within `tolerance` bytes of every entry.
std::vector<int> Joins(const std::uint8_t* bytes, double tolerance) {
    std::vector<int> joins{0};
    int from = 0;
    while (from < kEntries - 1) {
        int to = from + 1;
        for (int next = to + 1; next < kEntries; ++next) {
            bool fits = true;
            for (int k = from + 1; k < next && fits; ++k) {
                const double line = bytes[from] + (bytes[next] - bytes[from]) *
                                                      static_cast<double>(k - from) / (next - from);
                fits = std::abs(line - bytes[k]) <= tolerance;
            }
            if (!fits) break;
            to = next;
        }
        joins.push_back(to);
        from = to;
    }
    return joins;
}

}  // namespace

materials::Rule RuleFromGradient(const std::uint8_t* bytes, materials::RuleKind kind,
                                 const std::function<double(int)>& place) {
    const auto build = [&](double tolerance) {
        std::vector<int> joins = Joins(bytes, tolerance);
        // A level start or end needs no point: a rule stays level beyond its ends.
        if (joins.size() > 1 && bytes[joins[0]] == bytes[joins[1]]) joins.erase(joins.begin());
        if (joins.size() > 1 && bytes[joins[joins.size() - 1]] == bytes[joins[joins.size() - 2]]) {
            joins.pop_back();
        }
        materials::Rule rule;
        rule.kind = kind;
        for (const int k : joins) {
            rule.points.push_back(
                {Rounded(place(k), 10.0), Rounded(materials::ShareOfByte(bytes[k]), 1000.0)});
        }
        // A table that is the same everywhere reads as one share.
        if (rule.points.size() == 1) rule.points[0].at = 0.0;
        return rule;
    };
    // The loosest fit that reads back within one step, then, for a rough
    // table, looser ones until the points are few enough.
    for (const double tolerance : {1.0, 0.75, 0.5, 0.25}) {
        materials::Rule rule = build(tolerance);
        if (rule.points.size() <= kMostCurvePoints && GradientDistance(bytes, rule, place) <= 1) {
            return rule;
        }
    }
    for (double tolerance = 1.5;; tolerance *= 1.5) {
        materials::Rule rule = build(tolerance);
        if (rule.points.size() <= kMostCurvePoints) return rule;
    }
}

int GradientDistance(const std::uint8_t* bytes, const materials::Rule& rule,
                     const std::function<double(int)>& place) {
    int worst = 0;
    for (int k = 0; k < kEntries; ++k) {
        worst = std::max(worst, std::abs(materials::ShareByte(rule.ShareAt(place(k))) - bytes[k]));
    }
    return worst;
}
