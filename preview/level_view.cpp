#include "preview/level_view.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "common/image/area_average.h"
#include "common/image/tga_image.h"
#include "common/parallel/parallel_rows.h"
#include "common/platform/files_together.h"
#include "common/platform/read_file.h"
#include "common/status/status.h"
#include "common/text/c_format.h"
#include "level/base_height.h"
#include "level/heightmap_file.h"
#include "level/level_names.h"
#include "level/settings_file.h"
#include "preview/dds_reader.h"
#include "preview/slope_grid.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTileSide = level::kTileSide;
// Its header and 4 bytes a pixel, the most any tile file takes.
constexpr std::uint64_t kLargestTileFileBytes = 128 + kTileSide * kTileSide * 4;
// A surrounding texture of the largest side a DDS file may have, compressed
// with one byte a pixel (DXT3, DXT5): 256 MiB. Larger files (uncompressed
// ones of more than a quarter of that side) are cut short here and drawn
// grey, with a note.
constexpr std::uint64_t kLargestTextureFileBytes =
    128 + std::uint64_t{kLargestDdsSide} * std::uint64_t{kLargestDdsSide};
// A gap where a tile should be: magenta, which no ground is.
constexpr std::uint8_t kGap[3] = {255, 0, 255};

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A heightmap as the painter reads it, with the painter's slopes, shrunk to
// at most `limit` vertices a side; the reader's message when it is refused.
Status ReadHeights(const std::string& path, const HeightmapSettings& settings, bool sixteenBit,
                   std::size_t limit, TerrainView& view) {
    level::Heightmap field;
    if (Status read = level::ReadHeightmap(path, settings, sixteenBit, field); !read.ok()) {
        return read;
    }
    const std::size_t n = static_cast<std::size_t>(field.size);
    view.side = std::min(n, limit);
    view.heights = AverageVertexGrid(field.heights.data(), n, n, 1, view.side, view.side);
    const std::vector<float> slopes =
        ShrunkSlopes(field.heights.data(), n, field.horizontalScale, view.side);
    view.slopes.resize(slopes.size());
    for (std::size_t i = 0; i < slopes.size(); ++i) {
        const float slope = std::clamp(slopes[i], 0.0f, 1.0f);
        view.slopes[i] = static_cast<std::uint16_t>(std::lround(slope * 65535.0f));
    }
    view.heightRange = static_cast<double>(field.heightRange);
    view.spacing = static_cast<double>(field.horizontalScale) * static_cast<double>(n - 1) /
                   static_cast<double>(view.side - 1);
    return Status();
}

// Blue, green, red (and alpha) to red, green, blue.
std::vector<std::uint8_t> ToRgb(const std::vector<std::uint8_t>& pixels, std::size_t channels,
                                bool blueFirst) {
    std::vector<std::uint8_t> rgb(pixels.size() / channels * 3);
    for (std::size_t i = 0, o = 0; o < rgb.size(); i += channels, o += 3) {
        rgb[o] = pixels[i + (blueFirst ? 2 : 0)];
        rgb[o + 1] = pixels[i + 1];
        rgb[o + 2] = pixels[i + (blueFirst ? 0 : 2)];
    }
    return rgb;
}

// The sides a TGA file's header gives, or false.
bool TgaSides(const char* path, std::size_t& width, std::size_t& height) {
    std::vector<std::uint8_t> header;
    if (!platform::ReadFileStart(path, header, 18).ok() || header.size() < 18) return false;
    width = header[12] | static_cast<std::size_t>(header[13]) << 8;
    height = header[14] | static_cast<std::size_t>(header[15]) << 8;
    return true;
}

// Why a big map that is there is not the level's (a stale one of an earlier
// job, a map of another level): "" when it is. Its side must be the level's
// 4 x (N - 1), and the other big map's when that one is there.
std::string BigMapMismatch(const TgaPixels& map, const char* path, std::size_t mapSide,
                           const char* other) {
    const std::size_t width = static_cast<std::size_t>(map.width);
    const std::size_t height = static_cast<std::size_t>(map.height);
    if (width != height) {
        return FormatC("%s is %zu x %zu, not square", path, width, height);
    }
    if (width != mapSide) {
        return FormatC("%s is %zu x %zu, but the level's maps are %zu x %zu", path, width, height,
                       mapSide, mapSide);
    }
    std::size_t otherWidth = 0, otherHeight = 0;
    if (Exists(other) && TgaSides(other, otherWidth, otherHeight) &&
        (otherWidth != width || otherHeight != height)) {
        return FormatC("%s is %zu x %zu, but %s %zu x %zu", path, width, height, other, otherWidth,
                       otherHeight);
    }
    return "";
}

// A big map as the painter wrote it, shrunk; false when it is not there or
// is not used (with a note that says why).
bool ReadBigMap(const char* path, const char* other, std::size_t mapSide, std::size_t& side,
                std::vector<std::uint8_t>& rgb, std::vector<std::string>& notes) {
    TgaMappedFile file;
    if (!Exists(path)) return false;
    if (const Status opened = file.Open(path); !opened.ok()) {
        notes.push_back(opened.message().substr(7) + ": not used, the tiles are");
        return false;
    }
    const TgaPixels& map = file.Pixels();
    if (const std::string mismatch = BigMapMismatch(map, path, mapSide, other); !mismatch.empty()) {
        notes.push_back(mismatch + ": not used, the tiles are");
        return false;
    }
    if (map.format == Grey8) {
        notes.push_back(std::string(path) + " is greyscale: not used, the tiles are");
        return false;
    }
    const std::size_t n = static_cast<std::size_t>(map.width);
    const std::size_t channels = map.format == Bgra32 ? 4 : 3;
    const bool topFirst = (file.Descriptor() & 0x20) != 0;
    side = std::min(n, kPreviewPictureSide);
    // Rows are read from the top down: the pages of those passed are given
    // back as it goes, so that a 16384-wide map never sits in memory whole.
    constexpr std::size_t kReleaseStep = 256;
    std::size_t released = 0;
    const std::vector<std::uint8_t> shrunk = AveragePixels(
        [&](std::size_t y) { return map.pixels + (topFirst ? y : n - 1 - y) * n * channels; }, n, n,
        channels, side, side, [&](std::size_t needed) {
            for (; released + kReleaseStep <= needed; released += kReleaseStep) {
                const std::size_t first = topFirst ? released : n - released - kReleaseStep;
                file.ReleaseRows(static_cast<std::int32_t>(first),
                                 static_cast<std::int32_t>(kReleaseStep));
            }
        });
    rgb = ToRgb(shrunk, channels, true);
    return true;
}

// The tiles quillet cut, each shrunk into its place; missing ones become
// gaps. False when there is not a single tile.
bool ReadTiles(std::string (*tileFile)(int column, int row), std::size_t mapSide, std::size_t& side,
               std::vector<std::uint8_t>& rgb, std::vector<std::string>& notes) {
    const std::size_t tiles = mapSide / kTileSide;
    if (tiles == 0) return false;
    const std::size_t shrink = (tiles * kTileSide + kPreviewPictureSide - 1) / kPreviewPictureSide;
    std::size_t tileOut = kTileSide;
    while (tileOut * shrink > kTileSide) tileOut /= 2;
    side = tiles * tileOut;
    rgb.assign(side * side * 3, 0);
    // Tiles are read and shrunk on every core, each into its own square; the
    // notes of the gaps are put in order afterwards.
    std::vector<std::string> gaps(tiles * tiles);
    ParallelForRows(tiles * tiles, [&](std::size_t first, std::size_t last) {
        RgbaPicture picture;  // both reused from tile to tile
        std::vector<std::uint8_t> bytes;
        for (std::size_t tile = first; tile < last; ++tile) {
            const std::size_t column = tile / tiles;
            const std::size_t row = tile % tiles;
            const std::string path = tileFile(static_cast<int>(column), static_cast<int>(row));
            // A tile is 512 x 512: no more than the largest such file is
            // read, whatever the file holds (a larger one is cut short, a gap).
            Status read = platform::ReadFileStart(path.c_str(), bytes, kLargestTileFileBytes);
            if (read.ok()) read = DecodeDds(bytes, path, picture);
            if (read.ok() && (picture.width != static_cast<std::int32_t>(kTileSide) ||
                              picture.height != static_cast<std::int32_t>(kTileSide))) {
                read = Status::Failure("ERROR: reading " + path + " (not 512 x 512)");
            }
            if (!read.ok()) gaps[tile] = "gap (magenta): " + read.message().substr(7);
            const std::vector<std::uint8_t> shrunk =
                read.ok() ? ToRgb(AveragePixels(picture.pixels.data(), kTileSide, kTileSide, 4,
                                                tileOut, tileOut),
                                  4, false)
                          : std::vector<std::uint8_t>();
            for (std::size_t y = 0; y < tileOut; ++y) {
                for (std::size_t x = 0; x < tileOut; ++x) {
                    std::uint8_t* out = &rgb[((row * tileOut + y) * side + column * tileOut + x) * 3];
                    const std::uint8_t* in = read.ok() ? &shrunk[(y * tileOut + x) * 3] : kGap;
                    std::copy(in, in + 3, out);
                }
            }
        }
    });
    std::size_t found = 0;
    for (const std::string& gap : gaps) {
        if (gap.empty()) {
            ++found;
        } else {
            notes.push_back(gap);
        }
    }
    return found > 0;
}

void ReadMap(const char* bigMap, const char* otherBigMap, std::string (*tileFile)(int, int),
             const char* what, std::size_t mapSide, std::size_t& side,
             std::vector<std::uint8_t>& rgb, std::vector<std::string>& notes) {
    if (ReadBigMap(bigMap, otherBigMap, mapSide, side, rgb, notes)) {
        notes.push_back(std::string(what) + " map from " + bigMap);
        return;
    }
    std::vector<std::string> gaps;
    if (ReadTiles(tileFile, mapSide, side, rgb, gaps)) {
        notes.push_back(std::string(what) + " map from its tiles");
        notes.insert(notes.end(), gaps.begin(), gaps.end());
        return;
    }
    side = 0;
    rgb.clear();
    notes.push_back(std::string("no ") + what + " map: neither " + bigMap + " nor its tiles");
}

}  // namespace

Status ReadLevelView(LevelView& view) {
    std::error_code error;
    view.title = fs::current_path(error).parent_path().filename().string();

    const std::string up = "../";
    // A write of the level that a program ended half-way is completed (or
    // undone) before anything of it is read.
    std::string recovered;
    if (const Status s = platform::CompleteFilesTogether("..", recovered); !s.ok()) {
        // Cut to a message's length, as every failure the preview shows.
        return Status::Failuref("%s", s.message().c_str());
    }
    if (!recovered.empty()) view.notes.push_back(recovered);
    TerrainConfig config;
    if (Status s = level::ReadSettingsFile(up + level::kSettingsFile, config); !s.ok()) return s;
    if (Status s = ReadHeights(up + level::kPrimaryHeightmapFile, config.primary, true,
                               kPreviewPrimarySide, view.primary);
        !s.ok()) {
        return s;
    }
    const std::size_t mapSide =
        level::kPrimaryTexelsPerStep * (static_cast<std::size_t>(config.primary.size) - 1);
    view.primary.mapSide = mapSide;
    ReadMap(level::kColourBigMap, level::kDetailBigMap, level::ColourTileFile, "colour", mapSide,
            view.primary.colourSide, view.primary.colour, view.notes);
    ReadMap(level::kDetailBigMap, level::kColourBigMap, level::DetailTileFile, "detail", mapSide,
            view.primary.detailSide, view.primary.detail, view.notes);

    for (std::size_t i = 0; i < std::size(level::kSurroundingPlaces); ++i) {
        const level::SurroundingPlace& place = level::kSurroundingPlaces[i];
        const std::string texture = level::SurroundingColourFile(i);
        if (!Exists(texture)) continue;  // not painted
        TerrainView terrain;
        terrain.mapSide = 512;  // the painter paints every surrounding map at this side
        terrain.name = place.name;
        terrain.column = place.column;
        terrain.row = place.row;
        if (const Status s = ReadHeights(up + level::SurroundingHeightmapFile(place),
                                         config.secondary, false, kPreviewSurroundingSide, terrain);
            !s.ok()) {
            view.notes.push_back("surrounding " + terrain.name + " left out: " + s.message());
            continue;
        }
        std::vector<std::uint8_t> bytes;
        RgbaPicture picture;
        // No more than a 16384 x 16384 compressed texture takes is read.
        Status read = platform::ReadFileStart(texture.c_str(), bytes, kLargestTextureFileBytes);
        // Shrunk as it is decoded: a texture of the user's converter may be
        // far larger than the 512 x 512 the painter makes.
        if (read.ok()) read = DecodeDdsShrunk(bytes, texture, kPreviewSurroundingPictureSide, picture);
        if (read.ok()) {
            terrain.colourSide = static_cast<std::size_t>(std::min(picture.width, picture.height));
            const std::size_t w = static_cast<std::size_t>(picture.width);
            terrain.colour = ToRgb(
                AveragePixels([&](std::size_t y) { return picture.pixels.data() + y * w * 4; }, w,
                              terrain.colourSide, 4, terrain.colourSide, terrain.colourSide),
                4, false);
        } else {
            view.notes.push_back("surrounding " + terrain.name + " drawn grey: " +
                                 read.message().substr(7));
        }
        view.surroundings.push_back(std::move(terrain));
    }

    std::vector<std::uint8_t> settings;
    const std::string settingsPath = up + level::kSettingsFile;
    const std::optional<double> base =
        platform::ReadFileStart(settingsPath.c_str(), settings).ok()
            ? level::ReadBaseHeights(std::string_view(reinterpret_cast<const char*>(settings.data()),
                                                      settings.size()))
                  .primary
            : std::nullopt;
    view.materials = ReadMaterialView(view.primary.heightRange, base, view.notes);
    return Status();
}
