#pragma once

#include <memory>
#include <string>

#include "common/status/status.h"
#include "importer/height_source.h"

// Elevation rasters of every format GDAL reads (GeoTIFF first), on builds
// that have GDAL: band 1 (the report says so when there are more), its
// nodata value (samples become NaN), its scale and offset, the sample
// spacing in metres from the geotransform and the band's vertical unit. A
// south-up raster is read north row first; a rotated one is refused. The
// raster is read a window at a time, through a small block cache.

// Whether this build reads rasters other than PNG and raw files.
bool RasterReaderAvailable();

Status OpenRaster(const std::string& path, std::unique_ptr<HeightSource>& source);
