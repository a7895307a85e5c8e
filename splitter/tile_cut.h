#pragma once

#include <cstdint>

#include "common/image/tga_image.h"

// The side of a tile in pixels, for the tile count and the cutting alike.
constexpr std::int32_t TileSize = 512;

// Tiles per side for a row length: a strip narrower than a tile is not cut.
std::int32_t TilesPerSide(std::int32_t mapWidth);

// Whether the cutting can take every tile of a map whose own width is its row
// length: Bgr24 pixels and at least TilesPerSide × 512 stored rows. The
// cutting reads nothing past a map's block only within these limits.
bool MapFitsTheCutting(const TgaPixels& map);

// Tile (x, r) of a map as a new 512 × 512 Bgr24 image: the map's stored rows
// r × 512 to r × 512 + 511 and its columns x × 512 to x × 512 + 511, rows kept
// in stored order, one block copy per row. mapWidth is the row length that
// addresses the map. Empty when that block does not lie wholly within the
// map's pixels.
TgaImage CutTile(const TgaPixels& map, std::int32_t mapWidth, std::int32_t x, std::int32_t r);
