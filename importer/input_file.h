#pragma once

#include <optional>
#include <string>

#include "common/status/status.h"
#include "importer/height_grid.h"
#include "importer/raw_reader.h"

// Reads the heightmap the user brings: a raw file when a layout is given,
// else a PNG by its signature, else (on builds with GDAL) any raster GDAL
// reads. Messages name `path`.
Status ReadHeightInput(const std::string& path, const std::optional<RawLayout>& raw,
                       HeightGrid& grid);
