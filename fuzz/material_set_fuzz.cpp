// The material set: one of its five files is the fuzz input, the other four
// are sound. Construction either succeeds with 512 x 512 Bgr24 textures and
// gradient entries in [0, 1], or fails with exactly that file's message.
//
// Input: a byte that picks the file (modulo 5), then the file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/image/tga_image.h"
#include "fuzz/fuzz_support.h"
#include "painter/app/report.h"
#include "painter/paint/terrain_painter.h"

namespace {

struct MaterialFile {
    const char* path;
    const char* failure;  // the message when this file is refused
};
constexpr MaterialFile Files[] = {
    {"data/grad_height.tga", "ERROR: opening \"data/grad_height.tga\""},
    {"data/grad_angle.tga", "ERROR: opening \"data/grad_angle.tga\""},
    {"data/steep.tga", "ERROR: reading \"data/steep.tga\""},
    {"data/high.tga", "ERROR: reading \"data/high.tga\""},
    {"data/low.tga", "ERROR: reading \"data/low.tga\""},
};

// The sound files, kept in memory to put back after each input.
struct SoundSet {
    std::string gradient;
    std::string texture;
};

const SoundSet& MakeSoundSet() {
    static const SoundSet set = [] {
        namespace fs = std::filesystem;
        fs::current_path(fuzz_support::ScratchFolder());
        fs::create_directory("data");
        TgaImage ramp = TgaImage::Make(Grey8, 512, 1);
        for (int k = 0; k < 512; ++k) ramp.pixels[k] = static_cast<std::uint8_t>(k / 2);
        FUZZ_CHECK(ramp.Save("data/sound_gradient.tga").ok());
        TgaImage texture = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
        for (size_t i = 0; i < texture.ByteCount(); ++i) {
            texture.pixels[i] = static_cast<std::uint8_t>(i * 7);
        }
        FUZZ_CHECK(texture.Save("data/sound_texture.tga").ok());
        return SoundSet{fuzz_support::ReadWholeFile("data/sound_gradient.tga"),
                        fuzz_support::ReadWholeFile("data/sound_texture.tga")};
    }();
    return set;
}

void PutFile(const char* path, const std::string& bytes) {
    const std::string full = (fuzz_support::ScratchFolder() / path).string();
    std::FILE* file = std::fopen(full.c_str(), "wb");
    FUZZ_CHECK(file);
    FUZZ_CHECK(bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    FUZZ_CHECK(std::fclose(file) == 0);
}

void CheckTexture(const TgaImage& texture) {
    FUZZ_CHECK(texture.format == Bgr24 && texture.width == MaterialSize &&
               texture.height == MaterialSize && texture.pixels);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SoundSet& sound = MakeSoundSet();
    if (size == 0) return 0;
    const std::size_t chosen = data[0] % 5;
    for (std::size_t i = 0; i < 5; ++i) {
        if (i == chosen) {
            PutFile(Files[i].path, std::string(reinterpret_cast<const char*>(data + 1), size - 1));
        } else {
            PutFile(Files[i].path, i < 2 ? sound.gradient : sound.texture);
        }
    }

    try {
        TerrainPainter painter;
        CheckTexture(painter.steepTexture);
        CheckTexture(painter.highTexture);
        CheckTexture(painter.lowTexture);
        for (const GradientTable* table : {&painter.heightGradient, &painter.angleGradient}) {
            for (float entry : table->entries) FUZZ_CHECK(entry >= 0.0f && entry <= 1.0f);
        }
        FUZZ_CHECK(!painter.lowWeight && !painter.highWeight && !painter.steepWeight);
    } catch (const FatalError& error) {
        FUZZ_CHECK(error.text == Files[chosen].failure);
    }
    return 0;
}
