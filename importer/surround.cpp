#include "importer/surround.h"

#include <algorithm>
#include <cmath>

#include "level/level_names.h"

Status PlanSurround(std::size_t width, std::size_t height, double spacingX, double spacingY,
                    std::optional<double> cellMetres, const std::string& name,
                    SurroundLayout& layout) {
    layout = SurroundLayout();
    std::size_t columns = 0, rows = 0;
    if (cellMetres) {
        const double x = std::floor(*cellMetres / spacingX + 0.5);
        const double y = std::floor(*cellMetres / spacingY + 0.5);
        // Beyond any input's side: refused below with the ground it needs.
        columns = static_cast<std::size_t>(std::min(x, 1e12));
        rows = static_cast<std::size_t>(std::min(y, 1e12));
    } else {
        columns = rows = (std::min(width, height) - 1) / 3;
    }
    if (columns < 1 || rows < 1 || 3 * columns + 1 > width || 3 * rows + 1 > height) {
        const double cell = cellMetres ? *cellMetres : 0.0;
        if (!cellMetres) {
            return Status::Failuref(
                "ERROR: %s: %zu x %zu samples cannot hold 3 x 3 cells for the surrounding maps; "
                "they need at least 4 x 4",
                name.c_str(), width, height);
        }
        return Status::Failuref(
            "ERROR: %s: %zu x %zu samples (%.6g m by %.6g m of ground) cannot hold 3 x 3 "
            "cells of %.6g m: that needs %.6g m by %.6g m (%.0f x %.0f samples); give a "
            "smaller --surround-cell",
            name.c_str(), width, height, static_cast<double>(width - 1) * spacingX,
            static_cast<double>(height - 1) * spacingY, cell, 3.0 * cell, 3.0 * cell,
            3.0 * std::max(1.0, std::floor(cell / spacingX + 0.5)) + 1.0,
            3.0 * std::max(1.0, std::floor(cell / spacingY + 0.5)) + 1.0);
    }
    layout.cellColumns = columns;
    layout.cellRows = rows;
    const std::size_t left = (width - (3 * columns + 1)) / 2;
    const std::size_t top = (height - (3 * rows + 1)) / 2;
    auto cell = [&](int column, int row) {
        return Region{left + static_cast<std::size_t>(column + 1) * columns,
                      top + static_cast<std::size_t>(row + 1) * rows, columns + 1, rows + 1};
    };
    for (std::size_t i = 0; i < 8; ++i) {
        const level::SurroundingPlace& place = level::kSurroundingPlaces[i];
        layout.cells[i] = cell(place.column, place.row);
    }
    layout.cells[8] = cell(0, 0);
    return Status();
}
