#include "importer/import_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "common/text/c_number.h"
#include "importer/raster_reader.h"
#include "materials/looks.h"

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

bool ParseSide(const char* text, std::size_t largest, std::size_t& value) {
    if (!*text || std::strlen(text) > 5) return false;
    std::size_t parsed = 0;
    for (const char* digit = text; *digit; ++digit) {
        if (*digit < '0' || *digit > '9') return false;
        parsed = parsed * 10 + static_cast<std::size_t>(*digit - '0');
    }
    if (parsed < kMinOutputSide || parsed > largest) return false;
    value = parsed;
    return true;
}

bool PowerOfTwoPlusOneSide(std::size_t side) { return PowerOfTwoPlusOne(side) == side; }

}  // namespace

namespace {

std::string LookNames() {
    std::string names;
    for (const materials::Look& look : materials::kLooks) {
        names += (names.empty() ? "" : ", ") + std::string(look.name);
    }
    return names;
}

}  // namespace

std::string ImportUsage() {
    std::string usage =
        "usage: marvane_import INPUT --level DIR [--size N] [--spacing METRES]\n"
        "                      [--vertical-scale M] [--keep-values] [--stretch | --crop]\n"
        "                      [--raw WIDTHxHEIGHT:FORMAT] [--any-size] [--new]\n"
        "                      [--surround] [--surround-cell METRES] [--surround-size M]\n"
        "                      [--look NAME]";
    usage += RasterReaderAvailable() ? " [--no-warp]\n" : "\n";
    usage +=
        "Writes INPUT as the level's DIR/HeightmapPrimary.raw and its size and scale lines\n"
        "in DIR/Heightdata.con. INPUT: an 8- or 16-bit greyscale PNG, a raw file with --raw";
    usage += RasterReaderAvailable() ? ",\nor an elevation raster GDAL reads (GeoTIFF, band 1).\n"
                                     : ".\n";
    usage +=
        "  --level DIR          the level folder (the one above the painter's working folder);\n"
        "                       a new level is made when it holds no Heightdata.con or is\n"
        "                       missing: its settings, and in DIR/paint/data the default\n"
        "                       material set\n"
        "  --new                make a new level even where DIR has settings: write them\n"
        "                       afresh instead of changing their heightmap lines\n"
        "  --size N             output side, 2^k + 1 from 3 to 4097, or up to 8192 with\n"
        "                       --any-size (default: the smallest 2^k + 1 not below the\n"
        "                       input's longer side, at most 4097)\n"
        "  --spacing METRES     distance between input samples (default: the raster's own,\n"
        "                       else 1)\n"
        "  --vertical-scale M   metres per input unit (default: the raster's own unit, else 1)\n"
        "  --keep-values        write whole input values 0-65535 unchanged (V = M)\n"
        "                       instead of spreading the heights over the 16-bit range\n"
        "  --stretch            fit a non-square input by resampling each side to N\n"
        "  --crop               use the centred square of a non-square input\n"
        "  --raw WxH:FORMAT     INPUT is raw samples, row 0 first; FORMAT u8, u16le, u16be,\n"
        "                       s16le or f32le (NaN is no data)\n"
        "  --any-size           take a --size that is not 2^k + 1 (the painter then leaves\n"
        "                       the maps' top and right strips without tiles)\n"
        "  --surround           split the input's centred square of 3 x 3 cells: the centre\n"
        "                       becomes the primary heightmap, the other eight the\n"
        "                       surrounding heightmaps, all on one height scale\n"
        "  --surround-cell METRES  the cells' side (default: a third of the shorter side)\n"
        "  --surround-size M    the surrounding maps' side, 3 to 1025 (default: the\n"
        "                       level's own, else 257)\n"
        "  --look NAME          a new level's material set: the procedural set and rules of\n"
        "                       a kind of place, " + LookNames() + "\n"
        "                       (default: the sample level's set)\n"
        "  -h, --help           this text;  --version  the version\n";
    if (RasterReaderAvailable()) {
        usage +=
            "A raster in degrees is first warped to a transverse Mercator centred on it, with\n"
            "square cells; --no-warp reads it as it is.\n";
    }
    usage +=
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
        std::string option = arguments[i];
        // --option=value: the value joined to its option.
        std::optional<std::string> joined;
        if (const std::size_t equals = option.find('=');
            option.rfind("--", 0) == 0 && equals != std::string::npos) {
            joined = option.substr(equals + 1);
            option.resize(equals);
        }
        const bool flag = option == "--keep-values" || option == "--stretch" ||
                          option == "--crop" || option == "--surround" || option == "--any-size" ||
                          option == "--new" || option == "--no-warp";
        if (flag && joined) return Bad(option + " takes no value");
        if (option == "--surround") {
            options.surround = true;
            continue;
        }
        if (option == "--any-size") {
            options.anySize = true;
            continue;
        }
        if (option == "--no-warp") {
            options.warp = false;
            continue;
        }
        if (option == "--new") {
            options.newLevel = true;
            continue;
        }
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
                                option == "--raw" || option == "--surround-cell" ||
                                option == "--surround-size" || option == "--look";
        if (!takesValue) {
            if (option.size() > 1 && option[0] == '-')
                return Bad("unknown option \"" + option + "\"");
            if (haveInput) return Bad("one INPUT only, not also \"" + option + "\"");
            options.input = option;
            haveInput = true;
            continue;
        }
        if (!joined && i + 1 >= count) return Bad(option + " needs a value");
        const std::string valueText = joined ? *joined : std::string(arguments[++i]);
        const char* value = valueText.c_str();
        if (option == "--look") {
            if (!materials::FindLook(valueText)) {
                return Bad("--look needs one of " + LookNames() + ", not \"" + valueText + "\"");
            }
            options.look = valueText;
        } else if (option == "--level") {
            if (!*value) return Bad("--level needs a folder");
            options.level = value;
        } else if (option == "--size") {
            std::size_t side = 0;
            if (!ParseSide(value, kMaxOutputSide, side)) {
                return Bad("--size needs a whole number from " + std::to_string(kMinOutputSide) +
                           " to " + std::to_string(kMaxOutputSide) + " (the painter's limit), not \"" +
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
        } else if (option == "--surround-cell") {
            double metres = 0;
            if (!ParsePositive(value, 1e9, metres)) {
                return Bad("--surround-cell needs a width in metres above 0, not \"" +
                           std::string(value) + "\"");
            }
            options.surroundCell = metres;
            options.surround = true;
        } else if (option == "--surround-size") {
            std::size_t side = 0;
            if (!ParseSide(value, kMaxSurroundingSide, side)) {
                return Bad("--surround-size needs a whole number from 3 to 1025, not \"" +
                           std::string(value) + "\"");
            }
            options.surroundSize = side;
            options.surround = true;
        } else {
            RawLayout layout;
            if (!ParseRawLayout(value, layout)) {
                return Bad(
                    "--raw needs WIDTHxHEIGHT:FORMAT with FORMAT u8, u16le, u16be, s16le "
                    "or f32le (1024x1024:u16le), not \"" +
                    std::string(value) + "\"");
            }
            options.raw = layout;
        }
    }
    if (stretch && crop) return Bad("--stretch and --crop exclude each other");
    if (options.size && !options.anySize && !PowerOfTwoPlusOneSide(*options.size)) {
        return Bad("--size " + std::to_string(*options.size) +
                   " is not 2^k + 1 (129, 257, 513, 1025, 2049, 4097): the painter would leave "
                   "the top and right edges of its maps without tiles; give --any-size to "
                   "have it all the same");
    }
    if (options.surround && stretch) return Bad("--surround cuts square cells: no --stretch");
    if (options.surround && options.keepValues) {
        return Bad("--surround puts all nine maps on one height scale: no --keep-values");
    }
    options.fit = stretch ? Fit::Stretch : crop ? Fit::Crop : Fit::Refuse;
    if (!haveInput) return Bad("INPUT is missing");
    if (options.level.empty()) return Bad("--level DIR is missing");
    return Status();
}
