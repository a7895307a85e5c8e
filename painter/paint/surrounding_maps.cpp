#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "common/image/tga_image.h"
#include "common/parallel/parallel_rows.h"
#include "common/platform/platform.h"
#include "painter/app/report.h"
#include "painter/paint/map_rows.h"
#include "painter/paint/terrain_painter.h"

namespace {

// Runs the converter on one temporary image. A conversion that fails (a full
// disk, an output folder that cannot be written, no converter) ends the job:
// the texture would be missing from a job that reports "Completed".
void Convert(const char* temporary, const char* folder, const char* index) {
    char command[256];
    std::snprintf(command, sizeof command, "nvdxt -file %s -output %s/tx_s%s.dds -u8888 -nomipmap",
                  temporary, folder, index);
    if (platform::RunCommand(command) != 0) Fail("ERROR: running \"%s\" failed", command);
}

}  // namespace

void TerrainPainter::WriteSurroundingMaps(const char* index) {
    ShowStatus("Writing secondary(%s) colour/lowdetail maps", index);
    if (outputSize != MaterialSize) Fail("ERROR: secondary size != 512");

    constexpr std::size_t side = MaterialSize;
    TgaImage colour = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
    TgaImage lowDetail = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
    const MaterialTexels materials{lowTexture.pixels.get(), highTexture.pixels.get(),
                                   steepTexture.pixels.get()};

    // One texture texel per map texel, never repeated or mirrored: a
    // surrounding map is exactly one texture wide. Stored row r is weight
    // row 511 - r, as in every file the painter writes.
    // Each row depends only on the planes, so bands of rows run on every core.
    std::size_t textureColumns[side];
    for (std::size_t x = 0; x < side; ++x) textureColumns[x] = x;
    ParallelForRows(side, [&](std::size_t first, std::size_t last) {
        MaterialRow textures;
        for (std::size_t r = first; r < last; ++r) {
            const std::size_t y = side - 1 - r;
            const WeightRow weights{lowWeight.get() + y * side, highWeight.get() + y * side,
                                    steepWeight.get() + y * side};
            textures.Load(materials, y * side * 3, textureColumns, side);
            ComposeColourRow(textures, weights, side, colour.pixels.get() + r * side * 3);
            // Low detail: blue steep, green nothing, red all the rest.
            ComposeLowDetailRow(weights, side, lowDetail.pixels.get() + r * side * 3);
        }
    });

    // A temporary image that cannot be written ends the job: the converter
    // would otherwise turn the previous map's leftover file into this one.
    if (!colour.Save("ctemp.tga").ok()) Fail("ERROR: writing \"ctemp.tga\"");
    if (!lowDetail.Save("dtemp.tga").ok()) Fail("ERROR: writing \"dtemp.tga\"");
    Convert("ctemp.tga", "colormaps", index);
    Convert("dtemp.tga", "lowdetailmaps", index);
}
