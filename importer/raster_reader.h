#pragma once

#include <string>

#include "common/status/status.h"
#include "importer/height_grid.h"

// Elevation rasters of every format GDAL reads (GeoTIFF first), on builds
// that have GDAL: band 1, its nodata value (samples become NaN), its scale
// and offset, the sample spacing in metres from the geotransform and the
// band's vertical unit. Rasters of more than one band are refused.

// Whether this build reads rasters other than PNG and raw files.
bool RasterReaderAvailable();

Status ReadRaster(const std::string& path, HeightGrid& grid);
