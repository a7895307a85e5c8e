#include "painter/paint/terrain_painter.h"

#include "painter/app/report.h"

namespace {

// The map writers address a texture as MaterialSize rows of MaterialSize
// three-byte texels, so any other texture would be read past its end.
void LoadMaterialTexture(TgaImage& texture, const char* path) {
    if (!texture.Load(path).ok() || texture.format != Bgr24 || texture.width != MaterialSize ||
        texture.height != MaterialSize) {
        Fail("ERROR: reading \"%s\"", path);
    }
}

}  // namespace

// The gradient tables are built in the member initialisers (after the
// textures start empty), the textures in the body: if any step fails, the
// members built so far are destroyed and the failure passes to the job.
TerrainPainter::TerrainPainter()
    : heightGradient("data/grad_height.tga"), angleGradient("data/grad_angle.tga") {
    LoadMaterialTexture(steepTexture, "data/steep.tga");
    LoadMaterialTexture(highTexture, "data/high.tga");
    LoadMaterialTexture(lowTexture, "data/low.tga");
}

TerrainPainter::~TerrainPainter() {
    lowWeight.reset();
    highWeight.reset();
    steepWeight.reset();
    lowTexture.Release();
    highTexture.Release();
    steepTexture.Release();
}
