#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>
#include <string>

#include "common/status/status.h"
#include "importer/height_source.h"
#include "importer/region_resample.h"

// The input's centred square of 3 × 3 cells that share their edges: the
// centre cell becomes the primary heightmap, the eight around it the
// surrounding heightmaps. Row 0 of the input is its north edge.
struct SurroundLayout {
    // Sample intervals along a cell's side: a cell spans that many + 1
    // samples, and the square 3 × that + 1.
    std::size_t cellColumns = 0;
    std::size_t cellRows = 0;
    // The cells in the painter's order of the surrounding maps (L1D1, D1,
    // R1D1, R1, R1U1, U1, L1U1, L1), then the centre.
    std::array<Region, 9> cells;
};

// Lays the cells out over a width × height input whose samples lie
// spacingX by spacingY metres apart: cells of `cellMetres` when given, else
// of a third of the shorter side. Fails, naming `name` and the ground the
// cells would need, when the input cannot hold them.
Status PlanSurround(std::size_t width, std::size_t height, double spacingX, double spacingY,
                    std::optional<double> cellMetres, const std::string& name,
                    SurroundLayout& layout);

// Gives each surrounding map that holds no data at all (`empty`) the ground
// of its neighbours, as any sample without data gets the nearest valid
// height: the edges it shares with maps that hold data are copied (the
// centre's resampled to its side), and the rest filled from the nearest of
// them. `maps` are in the layout's order, the centre last. Returns the
// places filled (e.g. "L1D1"); fails, naming the cell, when the centre has
// no data, or a map has no neighbour with any.
Status FillEmptyCells(std::array<ResampledMap*, 9> maps, const std::string& name,
                      std::vector<std::string>& filledPlaces);
