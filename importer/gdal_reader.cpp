// Elevation rasters through GDAL: the builds that have it (not Windows).
#include <cpl_error.h>
#include <gdal.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <numbers>

#include "common/text/c_format.h"
#include "importer/raster_reader.h"

namespace {

struct DatasetCloser {
    void operator()(void* dataset) const { GDALClose(dataset); }
};

// Drivers registered once; GDAL's own printing silenced, so that the
// importer's one message says what went wrong.
void StartGdal() {
    static const bool started = [] {
        GDALAllRegister();
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
void ReadSpacing(GDALDatasetH dataset, int width, int height, HeightGrid& grid) {
    double transform[6];
    if (GDALGetGeoTransform(dataset, transform) != CE_None) {
        grid.notes.push_back("no geotransform: the sample spacing is not known from the file");
        return;
    }
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
        grid.notes.push_back(FormatC(
            "spacing in degrees converted to metres at latitude %.4f: %.4g m by %.4g m",
            latitude * 180.0 / std::numbers::pi, *grid.spacingX, *grid.spacingY));
        return;
    }
    double metresPerUnit = 1.0;
    if (srs) {
        metresPerUnit = OSRGetLinearUnits(srs, nullptr);
    } else {
        grid.notes.push_back("no coordinate system: the pixel size is taken as metres");
    }
    grid.spacingX = std::hypot(transform[1], transform[4]) * metresPerUnit;
    grid.spacingY = std::hypot(transform[2], transform[5]) * metresPerUnit;
}

}  // namespace

bool RasterReaderAvailable() { return true; }

Status ReadRaster(const std::string& path, HeightGrid& grid) {
    grid = HeightGrid();
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
    if (bands != 1) {
        return Status::Failuref(
            "ERROR: %s: %d bands, not one height per sample; export a "
            "single-band elevation raster (GeoTIFF) or a 16-bit greyscale PNG",
            path.c_str(), bands);
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
    std::vector<float> values(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (GDALRasterIO(band, GF_Read, 0, 0, width, height, values.data(), width, height, GDT_Float32,
                     0, 0) != CE_None) {
        return Status::Failuref("ERROR: %s: its samples cannot be read (%s)", path.c_str(),
                                LastGdalError().c_str());
    }

    // No data first, in the file's own numbers; then scale and offset.
    int hasNoData = 0;
    const double noData = GDALGetRasterNoDataValue(band, &hasNoData);
    if (hasNoData) {
        const float marker = static_cast<float>(noData);
        for (float& value : values) {
            if (value == marker) value = std::numeric_limits<float>::quiet_NaN();
        }
    }
    int hasScale = 0, hasOffset = 0;
    const double scale = GDALGetRasterScale(band, &hasScale);
    const double offset = GDALGetRasterOffset(band, &hasOffset);
    if ((hasScale && scale != 1.0) || (hasOffset && offset != 0.0)) {
        for (float& value : values) {
            value =
                static_cast<float>(value * (hasScale ? scale : 1.0) + (hasOffset ? offset : 0.0));
        }
    }

    grid.width = static_cast<std::size_t>(width);
    grid.height = static_cast<std::size_t>(height);
    grid.values = std::move(values);
    grid.format = std::string(GDALGetDriverLongName(GDALGetDatasetDriver(dataset.get()))) + ", " +
                  GDALGetDataTypeName(type);
    grid.metresPerUnit = VerticalUnitMetres(GDALGetRasterUnitType(band), grid.notes);
    ReadSpacing(dataset.get(), width, height, grid);
    if (Status finite = RefuseInfinite(grid, path); !finite.ok()) {
        grid = HeightGrid();
        return finite;
    }
    return Status();
}
