#pragma once

#include <array>
#include <cstddef>
#include <optional>
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
