#include "importer/input_file.h"

#include <climits>
#include <cstdint>
#include <vector>

#include "common/platform/read_file.h"
#include "importer/png_reader.h"
#include "importer/raster_reader.h"

Status OpenHeightInput(const std::string& path, const std::optional<RawLayout>& raw, bool warp,
                       std::unique_ptr<HeightSource>& source) {
    source.reset();
    if (raw) return OpenRawFile(path, *raw, source);

    // The signature alone first: a large raster is left to GDAL to read.
    std::vector<std::uint8_t> start;
    if (!platform::ReadFileStart(path.c_str(), start, 8).ok())
        return Status::Failuref("ERROR: reading %s (no such file, or not a file)", path.c_str());
    if (!LooksLikePng(start)) return OpenRaster(path, warp, source);

    HeightGrid grid;
    {
        // One byte past what stb_image takes tells a file that is too large.
        std::vector<std::uint8_t> bytes;
        if (!platform::ReadFileStart(path.c_str(), bytes, std::uint64_t{INT_MAX} + 1).ok())
            return Status::Failuref("ERROR: reading %s (no such file, or not a file)",
                                    path.c_str());
        if (Status s = DecodePng(bytes, path, grid); !s.ok()) return s;
    }
    source = MakeGridSource(std::move(grid));
    return Status();
}
