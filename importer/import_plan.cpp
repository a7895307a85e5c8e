#include "importer/import_plan.h"

#include "level/terrain_settings.h"

namespace {

// Metres between input samples along a row and down a column.
void InputSpacing(const HeightInfo& grid, const ImportOptions& options, double& x, double& y,
                  std::vector<std::string>& notes) {
    x = y = 1.0;
    if (options.spacing) {
        x = y = *options.spacing;
    } else if (grid.spacingX && grid.spacingY) {
        x = *grid.spacingX;
        y = *grid.spacingY;
    } else {
        notes.push_back("input samples taken to lie 1 m apart (give --spacing METRES)");
    }
}

// The surrounding maps' side: asked for, else the level's own, else 257.
Status SurroundingSide(const ImportOptions& options, const std::optional<std::string>& settings,
                       const std::string& settingsName, std::size_t& side) {
    side = options.surroundSize.value_or(kDefaultSurroundingSide);
    if (options.surroundSize || !settings) return Status();
    const std::int32_t size = ParseTerrainConfig(*settings).secondary.size;
    if (size == 0) return Status();
    if (size < static_cast<std::int32_t>(kMinOutputSide) ||
        size > static_cast<std::int32_t>(kMaxSurroundingSide)) {
        return Status::Failuref(
            "ERROR: %s: the surrounding maps' size %d is not from 3 to %zu; give "
            "--surround-size M",
            settingsName.c_str(), static_cast<int>(size), kMaxSurroundingSide);
    }
    side = static_cast<std::size_t>(size);
    return Status();
}

}  // namespace

Status PlanImport(const ImportOptions& options, const HeightInfo& grid,
                  const std::optional<std::string>& oldSettings, const std::string& settingsName,
                  ImportPlan& plan, ImportNotes& notes) {
    plan = ImportPlan();
    notes.notes.insert(notes.notes.end(), grid.notes.begin(), grid.notes.end());
    InputSpacing(grid, options, plan.inputX, plan.inputY, notes.notes);
    plan.metresPerUnit = options.verticalScale.value_or(grid.metresPerUnit.value_or(1.0));
    if (!options.surround) {
        if (Status s = PlanResample(grid.width, grid.height, options.size, options.fit,
                                    options.input, plan.primary);
            !s.ok()) {
            return s;
        }
        const ResamplePlan& p = plan.primary;
        plan.maps.push_back({{p.left, p.top, p.regionWidth, p.regionHeight}, p.side});
        return Status();
    }
    if (Status s = PlanSurround(grid.width, grid.height, plan.inputX, plan.inputY,
                                options.surroundCell, options.input, plan.layout);
        !s.ok()) {
        return s;
    }
    if (Status s = SurroundingSide(options, oldSettings, settingsName, plan.surroundingSide);
        !s.ok()) {
        return s;
    }
    const Region& centre = plan.layout.cells[8];
    if (Status s = PlanResample(centre.width, centre.height, options.size, Fit::Stretch,
                                options.input, plan.primary);
        !s.ok()) {
        return s;
    }
    for (std::size_t i = 0; i < 8; ++i)
        plan.maps.push_back({plan.layout.cells[i], plan.surroundingSide});
    plan.maps.push_back({centre, plan.primary.side});
    return Status();
}
