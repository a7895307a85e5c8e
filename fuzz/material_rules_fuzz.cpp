// The texts marvane_materials reads, on any bytes: the rules parse or fail
// with a message naming the file and line; rules that parse hold finite,
// ordered points with shares from 0 to 1, and read back the same when
// written out. A base-height record set into any settings text reads back.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "level/base_height.h"
#include "materials/gradients.h"
#include "materials/rules.h"

namespace {

void CheckRule(const materials::Rule& rule) {
    FUZZ_CHECK(!rule.points.empty());
    for (std::size_t i = 0; i < rule.points.size(); ++i) {
        const materials::RulePoint& point = rule.points[i];
        FUZZ_CHECK(std::isfinite(point.at));
        FUZZ_CHECK(point.share >= 0.0 && point.share <= 1.0);
        if (i > 0) FUZZ_CHECK(rule.points[i - 1].at <= point.at);
    }
    // Written out and read again: the same points.
    materials::MaterialRules again;
    FUZZ_CHECK(materials::ParseRules(materials::FormatRule(rule), "again", again).ok());
    const std::optional<materials::Rule>& back =
        rule.kind == materials::RuleKind::High ? again.high : again.steep;
    FUZZ_CHECK(back && back->points.size() == rule.points.size());
    for (std::size_t i = 0; i < rule.points.size(); ++i) {
        FUZZ_CHECK(back->points[i].at == rule.points[i].at);
        FUZZ_CHECK(back->points[i].share == rule.points[i].share);
    }
    for (const double at : {-1e300, -1.0, 0.0, 45.0, 1e300}) {
        const double share = rule.ShareAt(at);
        FUZZ_CHECK(share >= 0.0 && share <= 1.0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    materials::MaterialRules rules;
    const Status parsed = materials::ParseRules(text, "data/materials.txt", rules);
    if (parsed.ok()) {
        if (rules.high) CheckRule(*rules.high);
        if (rules.steep) CheckRule(*rules.steep);
    } else {
        FUZZ_CHECK(parsed.code() == 2);
        FUZZ_CHECK(parsed.message().rfind("ERROR: data/materials.txt line ", 0) == 0);
    }

    for (const double metres : {0.0, -12.5, 8848.86}) {
        const std::string settings =
            level::SetBaseHeight(text, level::SettingsSection::Primary, metres);
        FUZZ_CHECK(level::ReadBaseHeights(settings).primary == metres);
    }
    return 0;
}
