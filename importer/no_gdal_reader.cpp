// A build without GDAL (the Windows one): PNG and raw files only.
#include "importer/raster_reader.h"

bool RasterReaderAvailable() { return false; }

Status OpenRaster(const std::string& path, bool /*warp*/, std::unique_ptr<HeightSource>& source) {
    source.reset();
    return Status::Failuref(
        "ERROR: %s: not a PNG file; this build reads greyscale PNG and raw "
        "files (--raw) only; export a 16-bit greyscale PNG",
        path.c_str());
}
