#pragma once

#include <cstdint>
#include <memory>

#include "common/image/tga_image.h"
#include "painter/paint/gradient_table.h"
#include "painter/terrain/height_field.h"

// Side of every material texture; the map writers step through a texture's
// rows by this constant, so construction accepts no other size.
constexpr int MaterialSize = 512;

// Everything the painting stages of one job share: the material set, the two
// gradient tables and the blend-weight planes of the map being painted.
// Constructed once per job; the textures and tables never change afterwards.
struct TerrainPainter {
    // Loads the material set from data/ below the working folder, in this
    // order: grad_height.tga, grad_angle.tga, steep.tga, high.tga, low.tga.
    // The first failure ends the job with that file's message; nothing stays
    // allocated and no later file is opened.
    TerrainPainter();
    ~TerrainPainter();
    TerrainPainter(const TerrainPainter&) = delete;
    TerrainPainter& operator=(const TerrainPainter&) = delete;

    // Blend weights of the map being painted: outputSize × outputSize floats
    // each, row-major (element y × outputSize + x). Empty until the first
    // blend-weight step, which writes every element (so the planes need no
    // clearing: std::make_unique_for_overwrite); the three add up to 1.
    std::unique_ptr<float[]> lowWeight;
    std::unique_ptr<float[]> highWeight;
    std::unique_ptr<float[]> steepWeight;

    // Bgr24, MaterialSize × MaterialSize, rows as stored in the file.
    TgaImage steepTexture;
    TgaImage highTexture;
    TgaImage lowTexture;

    // Share of high ground (against low) by normalised height, and share of
    // steep ground by slope, each at position k / 511.
    GradientTable heightGradient;
    GradientTable angleGradient;

    // Side of the three planes; meaningful once a blend-weight step has run.
    std::int32_t outputSize = 0;

    // Replaces the planes with the weights of an output map of side `side`
    // painted over `field`: each texel samples height and slope at its grid
    // position and looks both up in the gradients. Runs on every core.
    void ComputeBlendWeights(const HeightField& field, std::int32_t side);

    // Writes "detailbig.tga" (the weights as blue steep, green high, red low)
    // and "colourbig.tga" (the textures mixed by the weights, repeated across
    // the map, every other repetition mirrored when asked).
    void WritePrimaryMaps(bool mirrorColour);

    // Writes one 512 x 512 surrounding map as "ctemp.tga" and "dtemp.tga"
    // and converts them into colormaps/tx_s<index>.dds and
    // lowdetailmaps/tx_s<index>.dds.
    void WriteSurroundingMaps(const char* index);
};
