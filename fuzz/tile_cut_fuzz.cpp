// The splitter's checks and cutting. Two maps of any format and size, the
// way quillet's entry takes them: each named map must fit the cutting and
// both must be of one width, or the run is refused before any tile is made;
// an accepted pair gives every tile, each the right block of its map byte for
// byte. Then CutTile once more with any row length and tile position: it
// either refuses or copies a block that lies wholly within the map.
//
// Input: a byte saying which maps are named (bit 0 detail, bit 1 colour);
// for each map a format byte and width and height (16 bits each, the top bit
// dropped as a TGA header allows no more); then a row length, a column and a
// row (32 bits each) for the last cut.
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/image/tga_image.h"
#include "fuzz/fuzz_support.h"
#include "splitter/tile_cut.h"

namespace {

// Larger maps are not made: a run stays fast. Up to 2 x 2 tiles fit, or
// one row of 63 for the widest map.
constexpr std::size_t kLargestBlock = 1024 * 1024 * 3;

constexpr std::int32_t kFormats[] = {Bgr24, Bgra32, Grey8, 0, 7};

TgaImage MakeMap(fuzz_support::InputReader& input, bool& tooLarge) {
    const std::int32_t format = kFormats[input.Byte() % 5];
    const std::int32_t width = input.Word() & 0x7FFF;
    const std::int32_t height = input.Word() & 0x7FFF;
    TgaImage probe;
    probe.format = format;
    probe.width = width;
    probe.height = height;
    if (probe.ByteCount() > kLargestBlock) {
        tooLarge = true;
        return TgaImage{};
    }
    // Also a code that is not a format: then the image has a size and no block.
    TgaImage map = TgaImage::Make(format, width, height);
    // Every byte tells where it lies, so a tile from the wrong place shows.
    static const std::vector<std::uint8_t> pattern = [] {
        std::vector<std::uint8_t> bytes(kLargestBlock);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<std::uint8_t>(i ^ (i >> 8) ^ (i >> 16));
        }
        return bytes;
    }();
    if (map.pixels) std::memcpy(map.pixels.get(), pattern.data(), map.ByteCount());
    return map;
}

// A tile must be the block that the tile addressing names.
void CheckTile(const TgaImage& tile, const TgaImage& map, std::int64_t mapWidth, std::int64_t x,
               std::int64_t r) {
    FUZZ_CHECK(tile.format == Bgr24 && tile.width == TileSize && tile.height == TileSize);
    FUZZ_CHECK(tile.pixels);
    constexpr std::int64_t rowBytes = TileSize * 3;
    for (std::int64_t k = 0; k < TileSize; ++k) {
        const std::int64_t offset = ((r * TileSize + k) * mapWidth + x * TileSize) * 3;
        FUZZ_CHECK(offset >= 0 && offset + rowBytes <= static_cast<std::int64_t>(map.ByteCount()));
        FUZZ_CHECK(std::memcmp(tile.pixels.get() + k * rowBytes, map.pixels.get() + offset,
                               rowBytes) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::InputReader input(data, size);
    const std::uint8_t named = input.Byte();
    const bool haveDetail = (named & 1) != 0;
    const bool haveColour = (named & 2) != 0;
    bool tooLarge = false;
    const TgaImage detail = MakeMap(input, tooLarge);
    const TgaImage colour = MakeMap(input, tooLarge);
    if (tooLarge) return 0;

    // The entry's checks, in its order.
    bool accepted = true;
    std::int32_t mapWidth = 0;
    if (haveDetail) {
        accepted = accepted && MapFitsTheCutting(detail);
        mapWidth = detail.width;
    }
    if (haveColour) {
        accepted = accepted && MapFitsTheCutting(colour);
        mapWidth = colour.width;
    }
    if (haveDetail && haveColour && detail.width != colour.width) accepted = false;

    if (accepted) {
        const std::int32_t n = TilesPerSide(mapWidth);
        FUZZ_CHECK(n >= 0 && n <= mapWidth / TileSize);
        for (std::int32_t x = 0; x < n; ++x) {
            for (std::int32_t r = 0; r < n; ++r) {
                if (haveDetail) CheckTile(CutTile(detail, mapWidth, x, r), detail, mapWidth, x, r);
                if (haveColour) CheckTile(CutTile(colour, mapWidth, x, r), colour, mapWidth, x, r);
            }
        }
    }

    const auto rowLength = static_cast<std::int32_t>(input.Long());
    const auto x = static_cast<std::int32_t>(input.Long());
    const auto r = static_cast<std::int32_t>(input.Long());
    const TgaImage& map = haveDetail ? detail : colour;
    const TgaImage tile = CutTile(map, rowLength, x, r);
    if (tile.pixels) CheckTile(tile, map, rowLength, x, r);
    return 0;
}
