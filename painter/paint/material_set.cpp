#include "painter/paint/material_set.h"

#include "common/status/status.h"

namespace {

TgaImage LoadTexture(const char* path) {
    TgaImage texture;
    if (!texture.Load(path).ok() || !IsMaterialTexture(texture)) {
        Fail("ERROR: reading \"%s\"", path);
    }
    return texture;
}

}  // namespace

bool IsMaterialTexture(const TgaImage& texture) {
    return texture.format == Bgr24 && texture.width == MaterialSize &&
           texture.height == MaterialSize && texture.pixels;
}

MaterialSet MaterialSet::Load(const MaterialPaths& paths) {
    MaterialSet set;
    set.heightGradient = GradientTable::Load(paths.heightGradient);
    set.angleGradient = GradientTable::Load(paths.angleGradient);
    set.steepTexture = LoadTexture(paths.steepTexture);
    set.highTexture = LoadTexture(paths.highTexture);
    set.lowTexture = LoadTexture(paths.lowTexture);
    return set;
}
