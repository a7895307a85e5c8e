// Elevation rasters through GDAL: the builds that have it (not Windows).
#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal.h>
#include <gdal_utils.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

#include "common/text/c_format.h"
#include "importer/raster_reader.h"

namespace {

struct DatasetCloser {
    void operator()(void* dataset) const { GDALClose(dataset); }
};

// GDAL keeps the blocks it read in a cache of 5 % of the machine's memory;
// the importer reads each window once, so a small cache keeps its memory
// bounded whatever the raster's size.
constexpr GIntBig kBlockCacheBytes = GIntBig{32} << 20;

// Drivers registered once; GDAL's own printing silenced, so that the
// importer's one message says what went wrong.
void StartGdal() {
    static const bool started = [] {
        GDALAllRegister();
        GDALSetCacheMax64(kBlockCacheBytes);
        CPLSetErrorHandler(CPLQuietErrorHandler);
        return true;
    }();
    (void)started;
}

std::string LastGdalError() {
    const char* message = CPLGetLastErrorMsg();
    return message && *message ? message : "GDAL gives no reason";
}

std::string Lower(const char* text) {
    std::string lower = text ? text : "";
    // ASCII only: a unit's name is not the desktop's language.
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return lower;
}

// Metres per unit of the band's values. Elevation models are in metres
// unless they say otherwise; feet are common enough to honour.
double VerticalUnitMetres(const char* unitType, std::vector<std::string>& notes) {
    const std::string unit = Lower(unitType);
    if (unit.empty() || unit == "m" || unit == "metre" || unit == "meter" || unit == "metres" ||
        unit == "meters") {
        return 1.0;
    }
    if (unit == "ft" || unit == "foot" || unit == "feet" || unit == "international foot") {
        notes.push_back("heights in feet, converted to metres (0.3048 m per foot)");
        return 0.3048;
    }
    if (unit == "us-ft" || unit == "ftus" || unit == "us survey foot") {
        notes.push_back("heights in US survey feet, converted to metres");
        return 1200.0 / 3937.0;
    }
    notes.push_back("unknown height unit \"" + std::string(unitType) +
                    "\", taken as metres (give --vertical-scale to say otherwise)");
    return 1.0;
}

// Metres between samples along a row and down a column, from the
// geotransform: degrees are converted on the ellipsoid at the raster's
// centre latitude, projected units by their length in metres.
void ReadSpacing(GDALDatasetH dataset, const double* transform, int width, int height,
                 HeightInfo& grid, bool noteDegrees = true) {
    const OGRSpatialReferenceH srs = GDALGetSpatialRef(dataset);
    if (srs && OSRIsGeographic(srs)) {
        const double radiansPerUnit = OSRGetAngularUnits(srs, nullptr);
        const double a = OSRGetSemiMajor(srs, nullptr);
        const double inverseFlattening = OSRGetInvFlattening(srs, nullptr);
        const double f = inverseFlattening > 0 ? 1.0 / inverseFlattening : 0.0;
        const double e2 = f * (2.0 - f);
        const double centre =
            transform[3] + transform[4] * width / 2.0 + transform[5] * height / 2.0;
        const double latitude = centre * radiansPerUnit;
        if (!(std::fabs(latitude) < std::numbers::pi / 2)) {
            grid.notes.push_back(
                "the raster's centre lies at no latitude: its spacing is not used");
            return;
        }
        const double s = std::sin(latitude);
        const double w = std::sqrt(1.0 - e2 * s * s);
        const double metresPerRadianLatitude = a * (1.0 - e2) / (w * w * w);
        const double metresPerRadianLongitude = a * std::cos(latitude) / w;
        grid.spacingX = std::fabs(transform[1]) * radiansPerUnit * metresPerRadianLongitude;
        grid.spacingY = std::fabs(transform[5]) * radiansPerUnit * metresPerRadianLatitude;
        if (noteDegrees) {
            grid.notes.push_back(FormatC(
                "spacing in degrees converted to metres at latitude %.4f: %.4g m by %.4g m",
                latitude * 180.0 / std::numbers::pi, *grid.spacingX, *grid.spacingY));
        }
        return;
    }
    double metresPerUnit = 1.0;
    if (srs) {
        metresPerUnit = OSRGetLinearUnits(srs, nullptr);
    } else {
        grid.notes.push_back("no coordinate system: the pixel size is taken as metres");
    }
    grid.spacingX = std::fabs(transform[1]) * metresPerUnit;
    grid.spacingY = std::fabs(transform[5]) * metresPerUnit;
}

// Band 1 of an open raster, read a window at a time: no data becomes NaN,
// then scale and offset apply; a south-up raster's rows are turned over.
class GdalSource final : public HeightSource {
public:
    // `warped`, when not null, is read instead of `dataset`, which it reads.
    GdalSource(std::string path, GDALDatasetH dataset, GDALDatasetH warped, bool southUp,
               bool signedBytes, HeightInfo info)
        : path_(std::move(path)),
          dataset_(dataset),
          warped_(warped),
          southUp_(southUp),
          signedBytes_(signedBytes) {
        info_ = std::move(info);
        band_ = GDALGetRasterBand(warped ? warped : dataset, 1);
        noData_ = GDALGetRasterNoDataValue(band_, &hasNoData_);
        int hasScale = 0, hasOffset = 0;
        const double scale = GDALGetRasterScale(band_, &hasScale);
        const double offset = GDALGetRasterOffset(band_, &hasOffset);
        scale_ = hasScale ? scale : 1.0;
        offset_ = hasOffset ? offset : 0.0;
    }

    Status Read(std::size_t left, std::size_t top, std::size_t columns, std::size_t rows,
                float* out) override {
        const std::size_t fileTop = southUp_ ? info_.height - top - rows : top;
        if (GDALRasterIO(band_, GF_Read, static_cast<int>(left), static_cast<int>(fileTop),
                         static_cast<int>(columns), static_cast<int>(rows), out,
                         static_cast<int>(columns), static_cast<int>(rows), GDT_Float32, 0,
                         0) != CE_None) {
            return Status::Failuref("ERROR: %s: its samples cannot be read (%s)", path_.c_str(),
                                    LastGdalError().c_str());
        }
        // A window of every row is not read again: its blocks leave the
        // cache at once instead of sitting beside the samples made of them.
        if (rows == info_.height) GDALFlushRasterCache(band_);
        if (southUp_) {
            for (std::size_t r = 0; r < rows / 2; ++r) {
                std::swap_ranges(out + r * columns, out + (r + 1) * columns,
                                 out + (rows - 1 - r) * columns);
            }
        }
        // No data first, in the file's own numbers; then scale and offset.
        const float marker = static_cast<float>(noData_);
        const bool scaled = scale_ != 1.0 || offset_ != 0.0;
        for (std::size_t i = 0; i < rows * columns; ++i) {
            float& value = out[i];
            if (hasNoData_ && value == marker) {
                value = std::numeric_limits<float>::quiet_NaN();
                continue;
            }
            // Read as 0 to 255; the bytes are two's complement. The marker
            // may be written either way.
            if (signedBytes_ && value >= 128.0f) {
                value -= 256.0f;
                if (hasNoData_ && value == marker) {
                    value = std::numeric_limits<float>::quiet_NaN();
                    continue;
                }
            }
            if (scaled) value = static_cast<float>(value * scale_ + offset_);
            if (std::isinf(value)) {
                return Status::Failuref("ERROR: %s: the sample at row %zu, column %zu is infinite",
                                        path_.c_str(), top + i / columns, left + i % columns);
            }
        }
        return Status();
    }

private:
    std::string path_;
    std::unique_ptr<void, DatasetCloser> dataset_;
    std::unique_ptr<void, DatasetCloser> warped_;  // closed first: it reads dataset_
    GDALRasterBandH band_ = nullptr;
    bool southUp_;
    bool signedBytes_;
    int hasNoData_ = 0;
    double noData_ = 0.0;
    double scale_ = 1.0;
    double offset_ = 0.0;
};

struct SrsFree {
    void operator()(void* srs) const { OSRDestroySpatialReference(srs); }
};

// The importer's own limits on an input, which the warped raster must meet.
bool WarpedFits(double groundX, double groundY, double cell) {
    const double columns = groundX / cell + 2.0, rows = groundY / cell + 2.0;
    return columns <= static_cast<double>(kMaxInputSide) &&
           rows <= static_cast<double>(kMaxInputSide) &&
           columns * rows <= static_cast<double>(kMaxInputSamples);
}

// Warps a raster in degrees to a transverse Mercator centred on it, cells
// square: as wide as its narrower ones, so that no detail is lost (bilinear,
// as each axis keeps or gains samples), or wider where the importer's limits
// ask it (area averages, as the raster then shrinks). The warp is a virtual
// raster: it is done as windows are read. `info` gets its sides, spacing and
// a note.
Status WarpToMetres(const std::string& path, GDALDatasetH dataset, const double* transform,
                    int width, int height, HeightInfo& info, GDALDatasetH& warped) {
    warped = nullptr;
    const OGRSpatialReferenceH srs = GDALGetSpatialRef(dataset);
    const double degreesPerUnit = OSRGetAngularUnits(srs, nullptr) * 180.0 / std::numbers::pi;
    const double longitude =
        (transform[0] + transform[1] * width / 2.0 + transform[2] * height / 2.0) * degreesPerUnit;
    const double latitude =
        (transform[3] + transform[4] * width / 2.0 + transform[5] * height / 2.0) * degreesPerUnit;
    const double spacingX = *info.spacingX, spacingY = *info.spacingY;
    double cell = std::min(spacingX, spacingY);
    const double groundX = spacingX * width, groundY = spacingY * height;
    const bool shrinks = !WarpedFits(groundX, groundY, cell);
    while (!WarpedFits(groundX, groundY, cell)) cell *= 1.01;

    std::unique_ptr<void, SrsFree> target(OSRNewSpatialReference(nullptr));
    char* wkt = nullptr;
    if (OSRCopyGeogCSFrom(target.get(), srs) != OGRERR_NONE ||
        OSRSetProjCS(target.get(), "Transverse Mercator centred on the model") != OGRERR_NONE ||
        OSRSetTM(target.get(), latitude, longitude, 1.0, 0.0, 0.0) != OGRERR_NONE ||
        OSRSetLinearUnits(target.get(), SRS_UL_METER, 1.0) != OGRERR_NONE ||
        OSRExportToWkt(target.get(), &wkt) != OGRERR_NONE) {
        CPLFree(wkt);
        return Status::Failuref("ERROR: %s: no transverse Mercator can be centred on it (%s); "
                                "give --no-warp to read it in degrees",
                                path.c_str(), LastGdalError().c_str());
    }
    const std::string targetWkt = wkt;
    CPLFree(wkt);
    const std::string cellText = FormatC("%.17g", cell);
    std::vector<std::string> words = {"-of", "VRT", "-t_srs", targetWkt, "-tr", cellText,
                                      cellText, "-r", shrinks ? "average" : "bilinear", "-ot",
                                      "Float32", "-dstnodata", "nan"};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    GDALWarpAppOptions* options = GDALWarpAppOptionsNew(argv.data(), nullptr);
    int usageError = 0;
    GDALDatasetH source = dataset;
    warped = options ? GDALWarp("", nullptr, 1, &source, options, &usageError) : nullptr;
    GDALWarpAppOptionsFree(options);
    if (!warped) {
        return Status::Failuref("ERROR: %s: it cannot be warped from degrees to metres (%s); "
                                "give --no-warp to read it as it is",
                                path.c_str(), LastGdalError().c_str());
    }
    info.width = static_cast<std::size_t>(GDALGetRasterXSize(warped));
    info.height = static_cast<std::size_t>(GDALGetRasterYSize(warped));
    info.spacingX = info.spacingY = cell;
    info.notes.push_back(FormatC(
        "in degrees, with cells of %.4g m by %.4g m: warped to a transverse Mercator centred on "
        "latitude %.4f, longitude %.4f, as %zu x %zu square cells of %.4g m (%s; --no-warp reads "
        "it as it is)",
        spacingX, spacingY, latitude, longitude, info.width, info.height, cell,
        shrinks ? "area averages" : "bilinear"));
    return Status();
}

}  // namespace

bool RasterReaderAvailable() { return true; }

Status OpenRaster(const std::string& path, bool warp, std::unique_ptr<HeightSource>& source) {
    source.reset();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Status::Failuref("ERROR: reading %s (no such file, or not a file)", path.c_str());
    }
    StartGdal();
    std::unique_ptr<void, DatasetCloser> dataset(GDALOpen(path.c_str(), GA_ReadOnly));
    if (!dataset) {
        return Status::Failuref(
            "ERROR: %s: neither a PNG nor a raster GDAL reads (%s); give "
            "--raw WIDTHxHEIGHT:FORMAT for raw samples",
            path.c_str(), LastGdalError().c_str());
    }
    const int bands = GDALGetRasterCount(dataset.get());
    if (bands < 1) {
        return Status::Failuref("ERROR: %s: a raster without bands holds no heights", path.c_str());
    }
    const int width = GDALGetRasterXSize(dataset.get());
    const int height = GDALGetRasterYSize(dataset.get());
    if (width < 1 || height < 1 ||
        !InputSidesAllowed(static_cast<std::size_t>(width), static_cast<std::size_t>(height))) {
        return Status::Failuref(
            "ERROR: %s: %d x %d samples; the importer takes sides from 1 to "
            "%zu and at most %zu samples",
            path.c_str(), width, height, kMaxInputSide, kMaxInputSamples);
    }
    GDALRasterBandH band = GDALGetRasterBand(dataset.get(), 1);
    const GDALDataType type = GDALGetRasterDataType(band);
    if (GDALDataTypeIsComplex(type)) {
        return Status::Failuref("ERROR: %s: complex samples are no heights", path.c_str());
    }
    double transform[6];
    const bool georeferenced = GDALGetGeoTransform(dataset.get(), transform) == CE_None;
    if (georeferenced && (transform[2] != 0.0 || transform[4] != 0.0)) {
        return Status::Failuref(
            "ERROR: %s: its grid is rotated or sheared (geotransform terms %g and %g); warp it "
            "to a north-up grid first (gdalwarp)",
            path.c_str(), transform[2], transform[4]);
    }
    const bool southUp = georeferenced && transform[5] > 0.0;

    // GDAL before 3.7 has no 8-bit signed type: such bands are bytes marked
    // as signed, which read as 0 to 255 unless turned back here.
    const char* pixelType = GDALGetMetadataItem(band, "PIXELTYPE", "IMAGE_STRUCTURE");
    const bool signedBytes =
        type == GDT_Byte && pixelType && std::string(pixelType) == "SIGNEDBYTE";

    HeightInfo info;
    info.width = static_cast<std::size_t>(width);
    info.height = static_cast<std::size_t>(height);
    info.format = std::string(GDALGetDriverLongName(GDALGetDatasetDriver(dataset.get()))) + ", " +
                  (signedBytes ? "signed Byte" : GDALGetDataTypeName(type));
    if (bands > 1) {
        info.notes.push_back(FormatC("%d bands: band 1 taken as the heights", bands));
    }
    if (southUp) {
        info.notes.push_back("south-up raster (rows run south to north): turned over, north first");
    }
    info.metresPerUnit = VerticalUnitMetres(GDALGetRasterUnitType(band), info.notes);
    const OGRSpatialReferenceH srs = GDALGetSpatialRef(dataset.get());
    const bool inDegrees = georeferenced && srs && OSRIsGeographic(srs);
    GDALDatasetH warped = nullptr;
    if (georeferenced) {
        ReadSpacing(dataset.get(), transform, width, height, info, !(inDegrees && warp));
    } else {
        info.notes.push_back("no geotransform: the sample spacing is not known from the file");
    }
    if (inDegrees && warp && info.spacingX && info.spacingY) {
        if (signedBytes) {
            return Status::Failuref("ERROR: %s: signed bytes in degrees cannot be warped; give "
                                    "--no-warp, or warp it to metres first (gdalwarp)",
                                    path.c_str());
        }
        if (Status s = WarpToMetres(path, dataset.get(), transform, width, height, info, warped);
            !s.ok()) {
            return s;
        }
    }
    // The warp's rows run north first.
    source = std::make_unique<GdalSource>(path, dataset.release(), warped, southUp && !warped,
                                          signedBytes, std::move(info));
    return Status();
}
