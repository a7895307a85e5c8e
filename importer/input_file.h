#pragma once

#include <memory>
#include <optional>
#include <string>

#include "common/status/status.h"
#include "importer/height_source.h"
#include "importer/raw_reader.h"

// Opens the heightmap the user brings: a raw file when a layout is given,
// else a PNG by its signature (decoded whole, within its size limit), else
// (on builds with GDAL) any raster GDAL reads. Messages name `path`.
// A raster in degrees is warped to square cells in metres unless `warp` is
// false (see OpenRaster).
Status OpenHeightInput(const std::string& path, const std::optional<RawLayout>& raw, bool warp,
                       std::unique_ptr<HeightSource>& source);
