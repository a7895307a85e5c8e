// Checks what a painting job left in its working folder, from the files alone.
// It has its own small readers for both file formats, so that a fault in the
// system's image code cannot hide itself by reading back what it wrote.
//
//   marvane_output_check tiles FOLDER     every tile against its square of the big maps
//   marvane_output_check surround FOLDER  the eight surrounding textures against the
//                                         material set in FOLDER/data
// Exit status 0 when every check passes, 1 otherwise; one line per finding.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int TileSize = 512;

int failures = 0;

void Problem(const std::string& text) {
    std::printf("FAIL: %s\n", text.c_str());
    ++failures;
}

// A picture as a file holds it: `channels` bytes per pixel, blue first, rows in
// the order given by whoever filled it.
struct Picture {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<std::uint8_t> bytes;

    const std::uint8_t* At(int row, int column) const {
        return bytes.data() + (static_cast<size_t>(row) * static_cast<size_t>(width) +
                               static_cast<size_t>(column)) *
                                  static_cast<size_t>(channels);
    }
};

bool ReadWhole(const fs::path& path, std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    std::uint8_t block[65536];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);
    return true;
}

std::uint32_t Word(const std::vector<std::uint8_t>& bytes, size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// An uncompressed 24-bit TGA, rows in stored order (bottom row first for every
// file the painter writes).
bool ReadTga24(const fs::path& path, Picture& picture) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWhole(path, bytes)) {
        Problem("cannot read " + path.string());
        return false;
    }
    if (bytes.size() < 18 || bytes[1] != 0 || bytes[2] != 2 || bytes[16] != 24) {
        Problem(path.string() + " is not an uncompressed 24-bit TGA");
        return false;
    }
    picture.width = bytes[12] | bytes[13] << 8;
    picture.height = bytes[14] | bytes[15] << 8;
    picture.channels = 3;
    const size_t start = 18 + bytes[0];
    const size_t size =
        static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 3;
    if (bytes.size() < start + size) {
        Problem(path.string() + " holds fewer pixels than its header says");
        return false;
    }
    picture.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                         bytes.begin() + static_cast<std::ptrdiff_t>(start + size));
    return true;
}

// An uncompressed 32-bit DDS of TileSize x TileSize as nvdxt writes it: the
// 128-byte header (magic and a 124-byte header), then blue-green-red-alpha
// rows, top row first, nothing after them.
bool ReadDds(const fs::path& path, Picture& picture) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWhole(path, bytes)) {
        Problem("cannot read " + path.string());
        return false;
    }
    const size_t expected = 128 + static_cast<size_t>(TileSize) * TileSize * 4;
    if (bytes.size() != expected) {
        Problem(path.string() + ": " + std::to_string(bytes.size()) + " bytes, not " +
                std::to_string(expected));
        return false;
    }
    const bool headerOk = Word(bytes, 0) == 0x20534444 && Word(bytes, 4) == 124 &&
                          Word(bytes, 12) == TileSize && Word(bytes, 16) == TileSize &&
                          Word(bytes, 88) == 32 && Word(bytes, 92) == 0x00FF0000 &&
                          Word(bytes, 96) == 0x0000FF00 && Word(bytes, 100) == 0x000000FF &&
                          Word(bytes, 104) == 0xFF000000;
    if (!headerOk) {
        Problem(path.string() + ": not a 512 x 512 blue-green-red-alpha DDS header");
        return false;
    }
    picture.width = picture.height = TileSize;
    picture.channels = 4;
    picture.bytes.assign(bytes.begin() + 128, bytes.end());
    return true;
}

std::string TileName(int x, int y) { return "tx0" + std::to_string(x) + "x0" + std::to_string(y); }

std::set<std::string> DdsFilesIn(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".dds") names.insert(entry.path().filename().string());
    }
    return names;
}

// Tile tx0Xx0Y of a map with `count` tiles a side is cut from the map's stored
// rows (count-1-Y)*512.. and columns X*512..; shown upright (its last stored
// row on top) it is, for a side that is a multiple of 512, the square of
// weight rows Y*512.. and columns X*512.. of the picture.
void CheckTile(const Picture& big, const fs::path& path, int x, int y, int count) {
    Picture tile;
    if (!ReadDds(path, tile)) return;
    long long wrong = 0;
    std::string first;
    for (int k = 0; k < TileSize; ++k) {
        const int storedRow = (count - 1 - y) * TileSize + (TileSize - 1 - k);
        for (int i = 0; i < TileSize; ++i) {
            const std::uint8_t* want = big.At(storedRow, x * TileSize + i);
            const std::uint8_t* got = tile.At(k, i);
            if (got[0] != want[0] || got[1] != want[1] || got[2] != want[2] || got[3] != 255) {
                if (wrong++ == 0) {
                    char text[160];
                    std::snprintf(text, sizeof text,
                                  "row %d column %d is %d,%d,%d,%d, the big map has %d,%d,%d", k, i,
                                  got[0], got[1], got[2], got[3], want[0], want[1], want[2]);
                    first = text;
                }
            }
        }
    }
    if (wrong) Problem(path.string() + ": " + std::to_string(wrong) + " pixels differ; " + first);
}

void CheckTiles(const fs::path& folder) {
    Picture detail, colour;
    if (!ReadTga24(folder / "detailbig.tga", detail) ||
        !ReadTga24(folder / "colourbig.tga", colour))
        return;
    if (detail.width != colour.width || detail.width != detail.height ||
        colour.width != colour.height) {
        Problem("the big maps are not two squares of one size");
        return;
    }
    const int count = detail.width / TileSize;
    if (count == 0) Problem("the big maps are narrower than one tile");

    std::set<std::string> expectedDetail, expectedColour;
    for (int x = 0; x < count; ++x) {
        for (int y = 0; y < count; ++y) {
            expectedDetail.insert(TileName(x, y) + "_1.dds");
            expectedColour.insert(TileName(x, y) + ".dds");
            CheckTile(detail, folder / "detailmaps" / (TileName(x, y) + "_1.dds"), x, y, count);
            CheckTile(colour, folder / "colormaps" / (TileName(x, y) + ".dds"), x, y, count);
        }
    }
    for (const std::string& name : DdsFilesIn(folder / "detailmaps")) {
        if (!expectedDetail.count(name))
            Problem("detailmaps/" + name + " is not a tile of these maps");
    }
    for (const std::string& name : DdsFilesIn(folder / "colormaps")) {
        if (name.rfind("tx_s", 0) != 0 && !expectedColour.count(name))
            Problem("colormaps/" + name + " is not a tile of these maps");
    }
    std::printf("checked %d x %d tiles of each map against the big maps (side %d)\n", count, count,
                detail.width);
}

// How the colour texture is laid over the material set, for the check and for
// the wrong layouts the check must be able to tell apart from it.
enum class Layout { Upright, UpsideDown, Mirrored };

// The surrounding colour texel mixes the three material texels at the same
// place; its low-detail texel gives the steep weight to within 1/255 (blue)
// and the rest is low and high in some proportion. So each colour byte lies
// between the smallest and the largest mix those weights allow.
long long ColourOutsideBounds(const Picture& colour, const Picture& lowDetail, const Picture& low,
                              const Picture& high, const Picture& steep, Layout layout) {
    long long outside = 0;
    for (int k = 0; k < TileSize; ++k) {
        // Upright row k of the texture is weight row k, which takes material
        // stored row k.
        const int materialRow = layout == Layout::UpsideDown ? TileSize - 1 - k : k;
        for (int i = 0; i < TileSize; ++i) {
            const int materialColumn = layout == Layout::Mirrored ? TileSize - 1 - i : i;
            const std::uint8_t* c = colour.At(k, i);
            const double steepLow = lowDetail.At(k, i)[0] / 255.0;
            const double steepHigh = std::min(1.0, (lowDetail.At(k, i)[0] + 1) / 255.0);
            for (int channel = 0; channel < 3; ++channel) {
                const double l = low.At(materialRow, materialColumn)[channel];
                const double h = high.At(materialRow, materialColumn)[channel];
                const double s = steep.At(materialRow, materialColumn)[channel];
                const double least = std::min(l, h), most = std::max(l, h);
                const double lo = std::min(steepLow * s + (1 - steepLow) * least,
                                           steepHigh * s + (1 - steepHigh) * least);
                const double hi = std::max(steepLow * s + (1 - steepLow) * most,
                                           steepHigh * s + (1 - steepHigh) * most);
                // A little slack for weights that add up to 1 only in float.
                if (c[channel] < std::floor(lo - 0.01) || c[channel] > std::floor(hi + 0.01)) {
                    ++outside;
                    break;
                }
            }
        }
    }
    return outside;
}

void CheckSurround(const fs::path& folder) {
    Picture low, high, steep;
    if (!ReadTga24(folder / "data" / "low.tga", low) ||
        !ReadTga24(folder / "data" / "high.tga", high) ||
        !ReadTga24(folder / "data" / "steep.tga", steep))
        return;
    for (const Picture* texture : {&low, &high, &steep}) {
        if (texture->width != TileSize || texture->height != TileSize) {
            Problem("a material texture is not 512 x 512");
            return;
        }
    }
    long long wrongUpsideDown = 0, wrongMirrored = 0;
    for (int index = 0; index < 8; ++index) {
        const std::string name = "tx_s" + std::to_string(index) + ".dds";
        Picture colour, lowDetail;
        if (!ReadDds(folder / "colormaps" / name, colour) ||
            !ReadDds(folder / "lowdetailmaps" / name, lowDetail))
            continue;

        long long badLowDetail = 0, badAlpha = 0;
        for (int k = 0; k < TileSize; ++k) {
            for (int i = 0; i < TileSize; ++i) {
                const std::uint8_t* d = lowDetail.At(k, i);
                const int steepPlusRest = d[0] + d[2];
                if (d[1] != 0 || steepPlusRest < 254 || steepPlusRest > 255) ++badLowDetail;
                if (d[3] != 255 || colour.At(k, i)[3] != 255) ++badAlpha;
            }
        }
        if (badLowDetail)
            Problem("lowdetailmaps/" + name + ": " + std::to_string(badLowDetail) +
                    " texels with green not 0 or blue + red not 254 or 255");
        if (badAlpha) Problem(name + ": " + std::to_string(badAlpha) + " texels not opaque");

        const long long outside =
            ColourOutsideBounds(colour, lowDetail, low, high, steep, Layout::Upright);
        if (outside)
            Problem("colormaps/" + name + ": " + std::to_string(outside) +
                    " texels are no mix of the material texels their low-detail texel allows");
        wrongUpsideDown +=
            ColourOutsideBounds(colour, lowDetail, low, high, steep, Layout::UpsideDown);
        wrongMirrored += ColourOutsideBounds(colour, lowDetail, low, high, steep, Layout::Mirrored);
    }
    // The bounds are only worth something if this level's textures would fail
    // them when laid the wrong way round.
    if (wrongUpsideDown == 0 || wrongMirrored == 0)
        Problem("the material set of this level cannot tell an upside-down or mirrored texture");
    std::printf(
        "checked 8 surrounding textures (an upside-down one would break %lld texels, a "
        "mirrored one %lld)\n",
        wrongUpsideDown, wrongMirrored);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == "tiles") {
        CheckTiles(argv[2]);
    } else if (mode == "surround") {
        CheckSurround(argv[2]);
    } else {
        std::fputs("usage: marvane_output_check tiles|surround FOLDER\n", stderr);
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
