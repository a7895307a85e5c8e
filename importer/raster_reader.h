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
//
// A raster in degrees (any geographic coordinate system) has cells that
// are not square on the ground, and narrower towards the poles; with `warp`
// it is read through a warp (done a window at a time, as read) to a
// transverse Mercator centred on it, with square cells as wide as its
// narrower ones (area averages where the importer's sample limits make them
// wider), samples outside its footprint no data; a note names the
// projection and the cell size.

// Whether this build reads rasters other than PNG and raw files.
bool RasterReaderAvailable();

Status OpenRaster(const std::string& path, bool warp, std::unique_ptr<HeightSource>& source);
