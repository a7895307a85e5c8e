#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
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

// Stored rows composed before they are written: a band of a quarter of the
// largest map keeps the memory held small and the rows still in cache when
// they go to the files, and holds each texture row about twice.
constexpr std::size_t BandRows = 1024;

}  // namespace

void TerrainPainter::WritePrimaryMaps(bool mirrorColour) {
    ShowStatus("Writing primary colour/detail maps");
    const std::size_t width = static_cast<std::size_t>(outputSize);

    // Texture columns of the map columns are the same in every row, and
    // repeat every MaterialSize columns, or every two with mirroring.
    const std::size_t period =
        std::min<std::size_t>(width, mirrorColour ? 2 * MaterialSize : MaterialSize);
    std::vector<std::size_t> textureColumns(period);
    for (std::size_t x = 0; x < period; ++x) {
        textureColumns[x] = TextureCoordinate(static_cast<std::int32_t>(x), mirrorColour);
    }
    const MaterialTexels materials{lowTexture.pixels.get(), highTexture.pixels.get(),
                                   steepTexture.pixels.get()};

    // Neither map is held whole: both are composed a band of stored rows at
    // a time, on every core, and each band is written while it is fresh.
    // A map that cannot be written ends the job and leaves no file behind
    // (the splitter would otherwise cut a missing or stale file). As with two
    // saves one after the other, the detail map is finished and put in place
    // first, also when the colour map cannot be written at all.
    const auto side = static_cast<std::int32_t>(width);
    TgaFileWriter detailFile, colourFile;
    if (!detailFile.Begin("detailbig.tga", Bgr24, side, side).ok()) {
        Fail("ERROR: writing \"detailbig.tga\"");
    }
    bool colourWritten = colourFile.Begin("colourbig.tga", Bgr24, side, side).ok();
    const std::size_t bandBytes = std::min(BandRows, width) * width * 3;
    auto detailBand = std::make_unique_for_overwrite<std::uint8_t[]>(bandBytes);
    auto colourBand = std::make_unique_for_overwrite<std::uint8_t[]>(bandBytes);
    std::vector<std::pair<std::size_t, std::size_t>> order;  // texture row, row of the band
    for (std::size_t first = 0; first < width; first += BandRows) {
        const std::size_t count = std::min(BandRows, width - first);
        // Rows that take the same texture row are done one after the other,
        // so that each texture row is laid out once per band and core. The
        // files store the last weight row first: stored row r is weight row
        // width - 1 - r.
        order.clear();
        for (std::size_t k = 0; k < count; ++k) {
            const auto y = static_cast<std::int32_t>(width - 1 - (first + k));
            order.emplace_back(TextureCoordinate(y, mirrorColour), k);
        }
        std::sort(order.begin(), order.end());
        ParallelForRows(count, [&](std::size_t begin, std::size_t end) {
            MaterialRow textures;
            std::size_t loaded = MaterialSize;  // no texture row yet
            for (std::size_t i = begin; i < end; ++i) {
                const auto [textureRow, k] = order[i];
                if (textureRow != loaded) {
                    textures.Load(materials, textureRow * MaterialSize * 3,
                                  textureColumns.data(), period);
                    loaded = textureRow;
                }
                const std::size_t y = width - 1 - (first + k);
                const WeightRow weights{lowWeight.get() + y * width,
                                        highWeight.get() + y * width,
                                        steepWeight.get() + y * width};
                if (colourWritten) {
                    ComposeColourRow(textures, weights, width, colourBand.get() + k * width * 3);
                }
                ComposeDetailRow(weights, width, detailBand.get() + k * width * 3);
            }
        });
        if (!detailFile.Write(detailBand.get(), count * width * 3)) break;
        if (colourWritten) colourWritten = colourFile.Write(colourBand.get(), count * width * 3);
    }
    if (!detailFile.Finish().ok()) Fail("ERROR: writing \"detailbig.tga\"");
    if (!colourWritten || !colourFile.Finish().ok()) Fail("ERROR: writing \"colourbig.tga\"");
}
