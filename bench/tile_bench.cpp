// The splitter's and the converter's work on one 512 x 512 tile, without the
// processes around them: cutting the tile from a 4096 x 4096 map, and
// encoding it as DDS rows (as nvdxt does, slice by slice) from a tile that
// is in the cache and from one that is not.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "common/image/tga_image.h"
#include "converter/dds_encode.h"
#include "splitter/tile_cut.h"

namespace {

constexpr int kMapSide = 4096;

const TgaImage& Map() {
    static const TgaImage map = [] {
        TgaImage image = TgaImage::Make(Bgr24, kMapSide, kMapSide);
        for (size_t i = 0; i < image.ByteCount(); ++i)
            image.pixels[i] = static_cast<std::uint8_t>(i * 7);
        return image;
    }();
    return map;
}

void BM_CutTile(benchmark::State& state) {
    const TgaImage& map = Map();
    int tile = 0;
    for (auto _ : state) {
        const TgaImage cut = CutTile(map, kMapSide, tile % 8, tile / 8 % 8);
        benchmark::DoNotOptimize(cut.pixels.get());
        ++tile;
    }
    state.SetBytesProcessed(state.iterations() * TileSize * TileSize * 3);
}
BENCHMARK(BM_CutTile)->Unit(benchmark::kMicrosecond);

// Encodes one tile in 64 KiB slices; `cold` takes a different tile of the
// map every time, so its bytes come from memory rather than the cache.
void EncodeTiles(benchmark::State& state, bool cold) {
    const TgaImage& map = Map();
    std::vector<TgaImage> tiles;
    for (int t = 0; t < (cold ? 64 : 1); ++t) tiles.push_back(CutTile(map, kMapSide, t % 8, t / 8));
    std::vector<std::uint8_t> slice(64 * 1024);
    const size_t rows = slice.size() / (TileSize * 4);
    size_t next = 0;
    for (auto _ : state) {
        const TgaImage& tile = tiles[next++ % tiles.size()];
        for (size_t row = 0; row < TileSize; row += rows) {
            EncodeDdsRows(tile, TgaOrigin{}, row, rows, slice.data());
            benchmark::DoNotOptimize(slice.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * TileSize * TileSize * 4);
}

void BM_EncodeDdsTileCached(benchmark::State& state) { EncodeTiles(state, false); }
BENCHMARK(BM_EncodeDdsTileCached)->Unit(benchmark::kMicrosecond);

void BM_EncodeDdsTileFromMemory(benchmark::State& state) { EncodeTiles(state, true); }
BENCHMARK(BM_EncodeDdsTileFromMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
