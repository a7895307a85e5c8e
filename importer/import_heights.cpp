#include "importer/import_heights.h"

#include "importer/slope_check.h"
#include "level/level_names.h"

namespace {

// A median slope above this says the spacing or the vertical scale is wrong.
constexpr double kImplausibleSlope = 60.0;

// What the user is likely not to mean: ground too steep for the spacing
// and the vertical scale, or a primary too small to be painted.
void WarnOfHeights(const ResampledMap& primary, const MapPlan& where, const ImportPlan& plan,
                   std::vector<std::string>& warnings) {
    const double slope =
        MedianSlopeDegrees(primary.values, where.side, plan.metresPerUnit,
                           plan.inputX * static_cast<double>(where.region.width - 1) /
                               static_cast<double>(where.side - 1),
                           plan.inputY * static_cast<double>(where.region.height - 1) /
                               static_cast<double>(where.side - 1));
    if (slope > kImplausibleSlope) {
        warnings.push_back(ImportText(
            "half the ground is steeper than %.1f degrees, which real ground rarely is: "
            "check --spacing (%.6g m between input samples) and --vertical-scale (%.6g m per "
            "unit of the input)",
            slope, (plan.inputX + plan.inputY) / 2.0, plan.metresPerUnit));
    }
    const std::size_t side = plan.primary.side;
    if (side < static_cast<std::size_t>(level::kSmallestTiledPrimary)) {
        warnings.push_back(ImportText(
            "a primary heightmap of %zu samples a side gives maps of %zu texels, less than one "
            "%d x %d tile, so the painter writes no primary tile; --size %d (or larger) gives one",
            side, (side - 1) * level::kPrimaryTexelsPerStep, level::kTileSide, level::kTileSide,
            level::kSmallestTiledPrimary));
    }
}

}  // namespace

Status QuantizeMaps(std::vector<ResampledMap>& maps, const ImportPlan& plan,
                    const ImportOptions& options, const HeightRange& range, ImportHeights& heights,
                    ImportNotes& notes) {
    ResampledMap& primary = maps.back();
    const MapPlan& where = plan.maps.back();
    WarnOfHeights(primary, where, plan, notes.warnings);
    // With surrounding maps the range spans 255 of their steps, 65280 of the
    // primary's: the highest ground fits the 8 bits too.
    if (Status s = Quantize(primary.values, where.side, range.low, range.high, plan.metresPerUnit,
                            options.keepValues, options.input, heights.primary,
                            options.surround ? kSharedRangeSteps : 65535.0);
        !s.ok()) {
        return s;
    }
    primary.values = std::vector<double>();
    if (heights.primary.level)
        notes.notes.push_back("the input is level: every sample written as 0");
    // 8-bit samples over the same full range as the primary's 16 bits.
    heights.surroundingVertical = heights.primary.verticalScale * 256.0f;
    heights.surrounding.clear();
    for (std::size_t i = 0; i + 1 < maps.size(); ++i) {
        heights.surrounding.push_back(QuantizeSurrounding(maps[i].values, plan.metresPerUnit,
                                                          heights.primary.lowest,
                                                          heights.surroundingVertical));
        maps[i].values = std::vector<double>();
    }
    return Status();
}
