#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/image/tga_image.h"
#include "common/parallel/parallel_rows.h"
#include "painter/app/report.h"
#include "painter/paint/map_texel.h"
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

    // Texel offsets of the columns are the same in every row.
    std::vector<std::size_t> columnTexel(static_cast<std::size_t>(side));
    for (std::int32_t x = 0; x < side; ++x) {
        columnTexel[static_cast<std::size_t>(x)] = TextureCoordinate(x, mirrorColour);
    }

    const MaterialTexels materials{lowTexture.pixels.get(), highTexture.pixels.get(),
                                   steepTexture.pixels.get()};
    const std::size_t width = static_cast<std::size_t>(side);
    // The files store the last weight row first; stored row r is weight row
    // side - 1 - r. Each band writes only its own stored rows.
    ParallelForRows(width, [&](std::size_t first, std::size_t last) {
        for (std::size_t r = first; r < last; ++r) {
            const std::size_t y = width - 1 - r;
            const std::size_t textureRow =
                TextureCoordinate(static_cast<std::int32_t>(y), mirrorColour) * MaterialSize;
            const WeightRow weights{lowWeight.get() + y * width, highWeight.get() + y * width,
                                    steepWeight.get() + y * width};
            std::uint8_t* colourRow = colour.pixels.get() + r * width * 3;
            std::uint8_t* detailRow = detail.pixels.get() + r * width * 3;
            for (std::size_t x = 0; x < width; ++x) {
                const std::size_t texel = (textureRow + columnTexel[x]) * 3;
                WriteColourTexel(materials, texel, weights, x, colourRow + x * 3);
                WriteDetailTexel(weights, x, detailRow + x * 3);
            }
        }
    });

    // A map that cannot be written ends the job: the splitter would otherwise
    // cut a missing or stale file and the job still report "Completed".
    if (detail.Save("detailbig.tga") != Ok) Fail("ERROR: writing \"detailbig.tga\"");
    if (colour.Save("colourbig.tga") != Ok) Fail("ERROR: writing \"colourbig.tga\"");
}
