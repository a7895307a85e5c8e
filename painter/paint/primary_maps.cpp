#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/image/tga_image.h"
#include "common/parallel/parallel_rows.h"
#include "painter/app/report.h"
#include "painter/paint/map_rows.h"
#include "painter/paint/terrain_painter.h"

namespace {

// Texture coordinate of a map coordinate: the textures repeat every
// MaterialSize texels, and with mirroring every other repetition runs
// backwards so that neighbouring repetitions meet without a seam.
std::size_t TextureCoordinate(std::int32_t mapCoordinate, bool mirror) {
    const std::int32_t t = mapCoordinate % MaterialSize;
    const bool backwards = mirror && (mapCoordinate / MaterialSize) % 2 == 1;
    return static_cast<std::size_t>(backwards ? MaterialSize - 1 - t : t);
}

}  // namespace

void TerrainPainter::WritePrimaryMaps(bool mirrorColour) {
    ShowStatus("Writing primary colour/detail maps");
    const std::int32_t side = outputSize;
    TgaImage detail = TgaImage::Make(Bgr24, side, side);
    TgaImage colour = TgaImage::Make(Bgr24, side, side);

    // Texture columns of the map columns are the same in every row, and
    // repeat every MaterialSize columns, or every two with mirroring.
    const std::size_t width = static_cast<std::size_t>(side);
    const std::size_t period = std::min<std::size_t>(width, mirrorColour ? 2 * MaterialSize : MaterialSize);
    std::vector<std::size_t> textureColumns(period);
    for (std::size_t x = 0; x < period; ++x) {
        textureColumns[x] = TextureCoordinate(static_cast<std::int32_t>(x), mirrorColour);
    }

    const MaterialTexels materials{lowTexture.pixels.get(), highTexture.pixels.get(),
                                   steepTexture.pixels.get()};
    // The files store the last weight row first; stored row r is weight row
    // side - 1 - r. Each band writes only its own stored rows.
    ParallelForRows(width, [&](std::size_t first, std::size_t last) {
        // Rows that take the same texture row are done one after another, so
        // that each texture row is laid out once per band, not once per row.
        std::vector<std::pair<std::size_t, std::size_t>> order;  // texture row, stored row
        order.reserve(last - first);
        for (std::size_t r = first; r < last; ++r) {
            const auto y = static_cast<std::int32_t>(width - 1 - r);
            order.emplace_back(TextureCoordinate(y, mirrorColour), r);
        }
        std::sort(order.begin(), order.end());
        MaterialRow textures;
        std::size_t loaded = MaterialSize;  // no texture row yet
        for (const auto& [textureRow, r] : order) {
            if (textureRow != loaded) {
                textures.Load(materials, textureRow * MaterialSize * 3, textureColumns.data(),
                              period);
                loaded = textureRow;
            }
            const std::size_t y = width - 1 - r;
            const WeightRow weights{lowWeight.get() + y * width, highWeight.get() + y * width,
                                    steepWeight.get() + y * width};
            ComposeColourRow(textures, weights, width, colour.pixels.get() + r * width * 3);
            ComposeDetailRow(weights, width, detail.pixels.get() + r * width * 3);
        }
    });

    // A map that cannot be written ends the job: the splitter would otherwise
    // cut a missing or stale file and the job still report "Completed".
    if (detail.Save("detailbig.tga") != Ok) Fail("ERROR: writing \"detailbig.tga\"");
    if (colour.Save("colourbig.tga") != Ok) Fail("ERROR: writing \"colourbig.tga\"");
}
