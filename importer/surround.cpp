#include "importer/surround.h"

#include <algorithm>
#include <cmath>

#include "importer/nodata_fill.h"
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

namespace {

enum class Edge { North, South, West, East };

// Where sample k of a side × side map's edge lies in its values.
std::size_t EdgeIndex(std::size_t side, Edge edge, std::size_t k) {
    switch (edge) {
        case Edge::North: return k;
        case Edge::South: return (side - 1) * side + k;
        case Edge::West: return k * side;
        case Edge::East: return k * side + side - 1;
    }
    return 0;
}

// A map's edge at fraction t of its length, linear between its samples: the
// centre has another side than the maps around it.
double EdgeAt(const ResampledMap& map, Edge edge, double t) {
    const std::size_t n = map.side;
    const double x = t * static_cast<double>(n - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(std::floor(x)), n - 1);
    const double w = x - static_cast<double>(i);
    const double here = map.values[EdgeIndex(n, edge, i)];
    if (w <= 0.0 || i + 1 >= n) return here;
    return (1.0 - w) * here + w * map.values[EdgeIndex(n, edge, i + 1)];
}

}  // namespace

Status FillEmptyCells(std::array<ResampledMap*, 9> maps, const std::string& name,
                      std::vector<std::string>& filledPlaces) {
    filledPlaces.clear();
    if (std::all_of(maps.begin(), maps.end(), [](const ResampledMap* map) { return map->empty; })) {
        return Status::Failuref("ERROR: %s: every sample is no data", name.c_str());
    }
    if (maps[8]->empty) {
        return Status::Failuref(
            "ERROR: %s: the centre cell of --surround, the primary heightmap's ground, holds no "
            "data; give a model with heights there",
            name.c_str());
    }
    // The map at a place around the centre, or null.
    auto at = [&](int column, int row) -> ResampledMap* {
        if (column == 0 && row == 0) return maps[8];
        for (std::size_t i = 0; i < 8; ++i) {
            const level::SurroundingPlace& place = level::kSurroundingPlaces[i];
            if (place.column == column && place.row == row) return maps[i];
        }
        return nullptr;
    };
    struct Side {
        int column, row;
        Edge mine, theirs;
    };
    constexpr Side kSides[] = {{0, -1, Edge::North, Edge::South},
                               {0, 1, Edge::South, Edge::North},
                               {-1, 0, Edge::West, Edge::East},
                               {1, 0, Edge::East, Edge::West}};
    // A corner cell whose two neighbours are empty too is reached once they
    // are filled.
    for (bool filledOne = true; filledOne;) {
        filledOne = false;
        for (std::size_t i = 0; i < 8; ++i) {
            ResampledMap& map = *maps[i];
            if (!map.empty) continue;
            const level::SurroundingPlace& place = level::kSurroundingPlaces[i];
            bool edged = false;
            for (const Side& side : kSides) {
                const ResampledMap* next = at(place.column + side.column, place.row + side.row);
                if (!next || next->empty) continue;
                for (std::size_t k = 0; k < map.side; ++k) {
                    const double t = static_cast<double>(k) / static_cast<double>(map.side - 1);
                    map.values[EdgeIndex(map.side, side.mine, k)] = EdgeAt(*next, side.theirs, t);
                }
                edged = true;
            }
            if (!edged) continue;
            FillFromNearest(map.values.data(), map.side, map.side);
            map.filled = map.side * map.side;
            map.empty = false;
            filledPlaces.push_back(place.name);
            filledOne = true;
        }
    }
    for (std::size_t i = 0; i < 8; ++i) {
        if (maps[i]->empty) {
            return Status::Failuref("ERROR: %s: the surrounding cell %s holds no data",
                                    name.c_str(), level::kSurroundingPlaces[i].name);
        }
    }
    return Status();
}
