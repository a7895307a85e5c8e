#include "painter/paint/surrounding_maps.h"

#include <cstddef>

#include "common/parallel/parallel_rows.h"
#include "painter/paint/blend_weights.h"
#include "painter/paint/map_rows.h"

SurroundingMaps PaintSurroundingMaps(const MaterialSet& materials, const HeightField& field) {
    constexpr std::size_t side = MaterialSize;
    const BlendWeights weights(field, materials.heightGradient, materials.angleGradient,
                               MaterialSize);
    SurroundingMaps maps{TgaImage::Make(Bgr24, MaterialSize, MaterialSize),
                         TgaImage::Make(Bgr24, MaterialSize, MaterialSize)};
    const MaterialTexels textures{materials.lowTexture.pixels.get(),
                                  materials.highTexture.pixels.get(),
                                  materials.steepTexture.pixels.get()};
    std::size_t textureColumns[side];
    for (std::size_t x = 0; x < side; ++x) textureColumns[x] = x;

    // Stored row r is weight row 511 - r, which takes texture row 511 - r.
    ParallelForRows(side, [&](std::size_t first, std::size_t last) {
        WeightRowBuffer row = weights.MakeRowBuffer();
        MaterialRow texture;
        for (std::size_t r = first; r < last; ++r) {
            const std::size_t y = side - 1 - r;
            weights.ComputeRow(y, row);
            texture.Load(textures, y * side * 3, textureColumns, side);
            ComposeColourRow(texture, row.View(), side, maps.colour.pixels.get() + r * side * 3);
            ComposeLowDetailRow(row.View(), side, maps.lowDetail.pixels.get() + r * side * 3);
        }
    });
    return maps;
}
