#include "splitter/tile_cut.h"

#include <cstring>

std::int32_t TilesPerSide(std::int32_t mapWidth) { return mapWidth / TileSize; }

bool MapFitsTheCutting(const TgaPixels& map) {
    return map.format == Bgr24 && map.pixels && map.width >= 0 &&
           map.height >= TilesPerSide(map.width) * TileSize;
}

TgaImage CutTile(const TgaPixels& map, std::int32_t mapWidth, std::int32_t x, std::int32_t r) {
    constexpr size_t pixelBytes = 3;
    constexpr size_t rowBytes = TileSize * pixelBytes;
    if (map.format != Bgr24 || !map.pixels || x < 0 || r < 0 || mapWidth <= 0 ||
        (static_cast<std::int64_t>(x) + 1) * TileSize > mapWidth) {
        return TgaImage{};
    }
    const size_t width = static_cast<size_t>(mapWidth);
    const size_t firstRow = static_cast<size_t>(r) * TileSize;
    // A tile that starts past the rows the block holds at this row length is
    // refused first, so the offsets below cannot wrap around.
    if (firstRow > map.ByteCount() / (width * pixelBytes)) return TgaImage{};
    const size_t column = static_cast<size_t>(x) * TileSize;
    // Byte just past the tile's last row: the whole tile lies within the
    // block when this does.
    const size_t end = ((firstRow + TileSize - 1) * width + column) * pixelBytes + rowBytes;
    if (end > map.ByteCount()) return TgaImage{};

    TgaImage tile = TgaImage::Make(Bgr24, TileSize, TileSize);
    for (size_t k = 0; k < TileSize; ++k) {
        std::memcpy(tile.pixels.get() + k * rowBytes,
                    map.pixels + ((firstRow + k) * width + column) * pixelBytes, rowBytes);
    }
    return tile;
}
