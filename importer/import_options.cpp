#include "importer/import_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/text/c_number.h"
#include "importer/raster_reader.h"

namespace {

constexpr int kOptionsError = 2;
// Limits that keep every later product finite and the painter's numbers in
// range: 1000 km between samples, a million metres per unit.
constexpr double kMaxSpacing = 1e6;
constexpr double kMaxVerticalScale = 1e6;

Status Bad(const std::string& message) {
    return Status::Failure("ERROR: " + message, kOptionsError);
}

bool ParsePositive(const char* text, double limit, double& value) {
    if (!*text || IsCBlank(*text)) return false;
    double parsed = 0.0;
    bool outOfRange = false;
    const char* end = ReadCDouble(text, parsed, &outOfRange);
    if (!end || outOfRange || *end != '\0' || !(parsed > 0.0) || !(parsed <= limit)) return false;
    value = parsed;
    return true;
}

bool ParseSide(const char* text, std::size_t& value) {
    if (!*text || std::strlen(text) > 5) return false;
    std::size_t parsed = 0;
    for (const char* digit = text; *digit; ++digit) {
        if (*digit < '0' || *digit > '9') return false;
        parsed = parsed * 10 + static_cast<std::size_t>(*digit - '0');
    }
    if (parsed < kMinOutputSide || parsed > kMaxOutputSide) return false;
    value = parsed;
    return true;
}

}  // namespace

std::string ImportUsage() {
    std::string usage =
        "usage: marvane_import INPUT --level DIR [--size N] [--spacing METRES]\n"
        "                      [--vertical-scale M] [--keep-values] [--stretch | --crop]\n"
        "                      [--raw WIDTHxHEIGHT:FORMAT]\n"
        "Writes INPUT as the level's DIR/HeightmapPrimary.raw and its size and scale lines\n"
        "in DIR/Heightdata.con. INPUT: an 8- or 16-bit greyscale PNG, a raw file with --raw";
    usage += RasterReaderAvailable() ? ",\nor an elevation raster GDAL reads (GeoTIFF, band 1).\n"
                                     : ".\n";
    usage +=
        "  --level DIR          the level folder (the one above the painter's working folder)\n"
        "  --size N             output side, 3 to 8192 (default: the smallest 2^k + 1 not\n"
        "                       below the input's longer side, at most 4097)\n"
        "  --spacing METRES     distance between input samples (default: the raster's own,\n"
        "                       else 1)\n"
        "  --vertical-scale M   metres per input unit (default: the raster's own unit, else 1)\n"
        "  --keep-values        write whole input values 0-65535 unchanged (V = M)\n"
        "                       instead of spreading the heights over the 16-bit range\n"
        "  --stretch            fit a non-square input by resampling each side to N\n"
        "  --crop               use the centred square of a non-square input\n"
        "  --raw WxH:FORMAT     INPUT is raw samples, row 0 first; FORMAT u8, u16le, u16be\n"
        "                       or f32le (NaN is no data)\n"
        "  -h, --help           this text;  --version  the version\n"
        "Exit status: 0 imported, 1 bad input or level (nothing changed), 2 bad options.\n";
    return usage;
}

Status ParseImportOptions(int count, const char* const* arguments, ImportOptions& options,
                          OptionsAction& action) {
    options = ImportOptions();
    action = OptionsAction::Import;
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(arguments[i], "-h") == 0 || std::strcmp(arguments[i], "--help") == 0) {
            action = OptionsAction::Help;
            return Status();
        }
    }
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(arguments[i], "--version") == 0) {
            action = OptionsAction::Version;
            return Status();
        }
    }

    bool haveInput = false;
    bool stretch = false;
    bool crop = false;
    for (int i = 0; i < count; ++i) {
        const std::string option = arguments[i];
        if (option == "--keep-values") {
            options.keepValues = true;
            continue;
        }
        if (option == "--stretch") {
            stretch = true;
            continue;
        }
        if (option == "--crop") {
            crop = true;
            continue;
        }
        const bool takesValue = option == "--level" || option == "--size" ||
                                option == "--spacing" || option == "--vertical-scale" ||
                                option == "--raw";
        if (!takesValue) {
            if (option.size() > 1 && option[0] == '-')
                return Bad("unknown option \"" + option + "\"");
            if (haveInput) return Bad("one INPUT only, not also \"" + option + "\"");
            options.input = option;
            haveInput = true;
            continue;
        }
        if (i + 1 >= count) return Bad(option + " needs a value");
        const char* value = arguments[++i];
        if (option == "--level") {
            if (!*value) return Bad("--level needs a folder");
            options.level = value;
        } else if (option == "--size") {
            std::size_t side = 0;
            if (!ParseSide(value, side)) {
                return Bad(
                    "--size needs a whole number from 3 to 8192 (the painter's limit), "
                    "not \"" +
                    std::string(value) + "\"");
            }
            options.size = side;
        } else if (option == "--spacing") {
            double metres = 0;
            if (!ParsePositive(value, kMaxSpacing, metres)) {
                return Bad("--spacing needs a distance in metres above 0 and at most 1e6, not \"" +
                           std::string(value) + "\"");
            }
            options.spacing = metres;
        } else if (option == "--vertical-scale") {
            double metres = 0;
            if (!ParsePositive(value, kMaxVerticalScale, metres)) {
                return Bad(
                    "--vertical-scale needs metres per unit above 0 and at most 1e6, not \"" +
                    std::string(value) + "\"");
            }
            options.verticalScale = metres;
        } else {
            RawLayout layout;
            if (!ParseRawLayout(value, layout)) {
                return Bad(
                    "--raw needs WIDTHxHEIGHT:FORMAT with FORMAT u8, u16le, u16be or "
                    "f32le (1024x1024:u16le), not \"" +
                    std::string(value) + "\"");
            }
            options.raw = layout;
        }
    }
    if (stretch && crop) return Bad("--stretch and --crop exclude each other");
    options.fit = stretch ? Fit::Stretch : crop ? Fit::Crop : Fit::Refuse;
    if (!haveInput) return Bad("INPUT is missing");
    if (options.level.empty()) return Bad("--level DIR is missing");
    return Status();
}
