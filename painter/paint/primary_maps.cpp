#include "painter/paint/primary_maps.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <utility>
#include <vector>

#include "common/parallel/parallel_rows.h"
#include "painter/paint/blend_weights.h"
#include "painter/paint/map_rows.h"

namespace {

// Texture coordinate of a map coordinate: the textures repeat every
// MaterialSize texels, and with mirroring every other repetition runs
// backwards so that neighbouring repetitions meet without a seam.
std::size_t TextureCoordinate(std::size_t mapCoordinate, bool mirror) {
    const std::size_t t = mapCoordinate % MaterialSize;
    const bool backwards = mirror && (mapCoordinate / MaterialSize) % 2 == 1;
    return backwards ? MaterialSize - 1 - t : t;
}

// Both maps' bytes of one band (two are held, one being written while the
// next is composed): small enough to keep the memory held far below the
// maps', large enough that the threads of a band have plenty to share.
constexpr std::size_t kBandBytes = std::size_t{16} << 20;

}  // namespace

std::size_t PrimaryBandRows(std::int32_t side) {
    const std::size_t rowBytes = static_cast<std::size_t>(std::max(side, 1)) * 3 * 2;
    return std::max<std::size_t>(1, kBandBytes / rowBytes);
}

void PaintPrimaryMaps(const MaterialSet& materials, const HeightField& field, std::int32_t side,
                      bool mirrorColour, Progress& progress, const MapBandSink& sink,
                      std::size_t bandRows) {
    const BlendWeights weights(field, materials.heightGradient, materials.angleGradient, side);
    const std::size_t width = weights.Side();

    // Texture columns of the map columns are the same in every row, and
    // repeat every MaterialSize columns, or every two with mirroring.
    const std::size_t period =
        std::min<std::size_t>(width, mirrorColour ? 2 * MaterialSize : MaterialSize);
    std::vector<std::size_t> textureColumns(period);
    for (std::size_t x = 0; x < period; ++x) textureColumns[x] = TextureCoordinate(x, mirrorColour);
    const MaterialTexels textures{materials.lowTexture.pixels.get(),
                                  materials.highTexture.pixels.get(),
                                  materials.steepTexture.pixels.get()};

    if (bandRows == 0) bandRows = PrimaryBandRows(side);
    bandRows = std::min(bandRows, width);
    // Two sets of band blocks: the sink takes one band on a thread of its own
    // while the next is composed into the other set, so that writing the
    // files does not leave the cores idle.
    const std::size_t bandBytes = bandRows * width * 3;
    std::unique_ptr<std::uint8_t[]> detailBands[2] = {
        std::make_unique_for_overwrite<std::uint8_t[]>(bandBytes),
        std::make_unique_for_overwrite<std::uint8_t[]>(bandBytes)};
    std::unique_ptr<std::uint8_t[]> colourBands[2] = {
        std::make_unique_for_overwrite<std::uint8_t[]>(bandBytes),
        std::make_unique_for_overwrite<std::uint8_t[]>(bandBytes)};
    // Waited for before its blocks are used again and before returning; a
    // failure of the sink is thrown here. Declared after the blocks, so that
    // on the way out of a failure it is waited for before they go.
    std::future<void> handedOver;
    std::vector<std::pair<std::size_t, std::size_t>> order;  // texture row, row of the band
    for (std::size_t first = 0, band = 0; first < width; first += bandRows, band ^= 1) {
        if (progress.StopRequested()) throw JobStopped{};
        std::uint8_t* detailBand = detailBands[band].get();
        std::uint8_t* colourBand = colourBands[band].get();
        const std::size_t count = std::min(bandRows, width - first);
        // Stored row r is weight row width - 1 - r. Rows that take the same
        // texture row are done one after the other, so that each texture row
        // is laid out once per band and thread.
        order.clear();
        for (std::size_t k = 0; k < count; ++k) {
            order.emplace_back(TextureCoordinate(width - 1 - (first + k), mirrorColour), k);
        }
        std::sort(order.begin(), order.end());
        ParallelForRows(count, [&](std::size_t begin, std::size_t end) {
            WeightRowBuffer row = weights.MakeRowBuffer();
            MaterialRow texture;
            std::size_t loaded = MaterialSize;  // no texture row yet
            for (std::size_t i = begin; i < end; ++i) {
                const auto [textureRow, k] = order[i];
                if (textureRow != loaded) {
                    texture.Load(textures, textureRow * MaterialSize * 3, textureColumns.data(),
                                 period);
                    loaded = textureRow;
                }
                weights.ComputeRow(width - 1 - (first + k), row);
                ComposeColourRow(texture, row.View(), width, colourBand + k * width * 3);
                ComposeDetailRow(row.View(), width, detailBand + k * width * 3);
            }
        });
        if (handedOver.valid()) handedOver.get();
        handedOver = std::async(std::launch::async,
                                [&sink, detailBand, colourBand, count] {
                                    sink(detailBand, colourBand, count);
                                });
        progress.Advance(static_cast<double>(first + count) / static_cast<double>(width));
    }
    if (handedOver.valid()) handedOver.get();
}
