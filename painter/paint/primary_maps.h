#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "painter/paint/material_set.h"
#include "painter/paint/progress.h"
#include "painter/terrain/height_field.h"

// Receives the primary maps a band of stored rows at a time, in file order
// (the bottom row, weight row S - 1, first): `rows` rows of S Bgr24 texels of
// the detail map and of the colour map. Called on a thread of its own while
// the next band is composed, one band at a time and in order; the blocks are
// reused once it returns. What it throws ends the painting.
using MapBandSink =
    std::function<void(const std::uint8_t* detail, const std::uint8_t* colour, std::size_t rows)>;

// Paints the primary maps of side `side` over a height field: the detail map
// holds the blend weights (blue steep, green high, red low), the colour map
// the textures mixed by them, repeated across the map and, with
// `mirrorColour`, every other repetition mirrored so that neighbours meet
// without a seam. Works a band of rows at a time on every core, so neither
// map nor the weights are ever held whole; the same bytes for any number of
// threads. Reports each band to `progress` and throws JobStopped before the
// next band once it asks to stop. `bandRows` other than 0 sets the rows of a
// band instead of PrimaryBandRows (for tests).
void PaintPrimaryMaps(const MaterialSet& materials, const HeightField& field, std::int32_t side,
                      bool mirrorColour, Progress& progress, const MapBandSink& sink,
                      std::size_t bandRows = 0);

// Stored rows in one band of a map of side `side`: about 16 MiB of both maps
// together, and at least one row.
std::size_t PrimaryBandRows(std::int32_t side);
