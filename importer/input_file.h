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
Status OpenHeightInput(const std::string& path, const std::optional<RawLayout>& raw,
                       std::unique_ptr<HeightSource>& source);
