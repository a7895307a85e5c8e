#include "importer/import_report.h"

#include <algorithm>

#include "level/settings_rewrite.h"

namespace {

// The output's side and what was made of the input to reach it.
std::string OutputLine(const HeightInfo& grid, const ImportPlan& import,
                       const ImportOptions& options) {
    const ResamplePlan& plan = import.primary;
    if (options.surround) {
        const SurroundLayout& layout = import.layout;
        return ImportText(
            "Output: %zu x %zu samples from the centre cell, and 8 surrounding maps of %zu x %zu "
            "from the cells around it; cells of %zu x %zu input samples (%.6g m by %.6g m)",
            plan.side, plan.side, import.surroundingSide, import.surroundingSide,
            layout.cellColumns + 1, layout.cellRows + 1,
            static_cast<double>(layout.cellColumns) * import.inputX,
            static_cast<double>(layout.cellRows) * import.inputY);
    }
    std::string line = ImportText("Output: %zu x %zu samples", plan.side, plan.side);
    const std::size_t longer = std::max(plan.regionWidth, plan.regionHeight);
    if (plan.regionWidth != grid.width || plan.regionHeight != grid.height) {
        line +=
            ImportText(" from the centred %zu x %zu square", plan.regionWidth, plan.regionHeight);
    } else if (grid.width != grid.height) {
        line += ImportText(", each side stretched from %zu x %zu", grid.width, grid.height);
    }
    if (plan.capped) {
        line += ImportText(
            " (down-sampled from %zu: without --size the side stops at %zu; --size "
            "takes up to %zu)",
            longer, kMaxDefaultSide, kMaxOutputSide);
    } else if (plan.side == plan.regionWidth && plan.side == plan.regionHeight) {
        line += " (no resampling)";
    } else if (options.keepValues) {
        line += " (resampled, values rounded to whole samples)";
    } else {
        line += " (resampled)";
    }
    return line;
}

}  // namespace

void ReportImport(const ImportOptions& options, const HeightInfo& grid, const ImportPlan& plan,
                  const ImportHeights& heights, const ImportSettings& settings,
                  const LevelFiles& level, const ImportNotes& notes,
                  std::vector<std::string>& report) {
    const Quantized& primary = heights.primary;
    report.push_back(ImportText("Input: %s, %s, %zu x %zu samples", options.input.c_str(),
                                grid.format.c_str(), grid.width, grid.height));
    report.push_back(OutputLine(grid, plan, options));
    report.push_back(ImportText("Heights: %.7g m to %.7g m, one step %s m", primary.lowest,
                                primary.highest,
                                FormatVerticalScale(primary.verticalScale).c_str()));
    std::string written = "Written: " + level.heightmap;
    if (options.surround) written += ", the 8 surrounding maps";
    written += ", and in " + level.settings + ": " + SizeLine(plan.primary.side) + ", " +
               ScaleLine(settings.spacing, primary.verticalScale);
    if (options.surround) {
        written += ", " + SizeLine(plan.surroundingSide) + ", " +
                   ScaleLine(settings.surroundingSpacing, heights.surroundingVertical);
    }
    report.push_back(written);
    report.push_back(ImportText("Base: sample 0 is %.7g m, recorded in %s for the material rules",
                                settings.base, level.settings.c_str()));
    for (const std::string& note : notes.notes) report.push_back("Note: " + note);
    for (const std::string& warning : notes.warnings) report.push_back("Warning: " + warning);
}
