#include "tests/support/test_level.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kPrimarySize = 129;
constexpr int kSecondarySize = 33;
constexpr int kTextureSize = 512;

void WriteWhole(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// An uncompressed TGA: 8-bit greyscale (type 3) or 24-bit true colour (type 2).
std::string Tga(int width, int height, int bitsPerPixel, const std::string& pixels) {
    std::string file(18, '\0');
    file[2] = static_cast<char>(bitsPerPixel == 8 ? 3 : 2);
    file[12] = static_cast<char>(width & 0xFF);
    file[13] = static_cast<char>(width >> 8);
    file[14] = static_cast<char>(height & 0xFF);
    file[15] = static_cast<char>(height >> 8);
    file[16] = static_cast<char>(bitsPerPixel);
    return file + pixels;
}

// A material texture: a base colour with a diagonal pattern, so that mirrored
// and repeated copies differ.
std::string Texture(int blue, int green, int red) {
    std::string pixels;
    pixels.reserve(size_t{kTextureSize} * kTextureSize * 3);
    for (int y = 0; y < kTextureSize; ++y) {
        for (int x = 0; x < kTextureSize; ++x) {
            const int shade = ((x + 2 * y) / 16) % 2 == 0 ? 0 : 24;
            pixels += static_cast<char>(blue + shade);
            pixels += static_cast<char>(green + shade);
            pixels += static_cast<char>(red + shade);
        }
    }
    return Tga(kTextureSize, kTextureSize, 24, pixels);
}

std::string Ramp() {
    std::string pixels;
    for (int k = 0; k < 512; ++k) pixels += static_cast<char>(k / 2);
    return Tga(512, 1, 8, pixels);
}

// A hill in the middle of the map, steep on one side.
int HillHeight(int row, int column, int size) {
    const int dx = column - size / 2, dy = row - size / 3;
    const int distance = dx * dx + 2 * dy * dy;
    const int peak = size * size / 2;
    return distance >= peak ? 0 : (peak - distance) * 60000 / peak;
}

}  // namespace

fs::path WriteTestLevel(const fs::path& levelFolder, const char* workingName) {
    const fs::path working = levelFolder / workingName;
    fs::create_directories(working / "data");

    WriteWhole(levelFolder / "Heightdata.con", "heightmap.setSize " + std::to_string(kPrimarySize) +
                                                   "\r\nheightmap.setScale 8/0.01\r\n"
                                                   "heightmap.setSize " +
                                                   std::to_string(kSecondarySize) +
                                                   "\r\nheightmap.setScale 32/0.5\r\n");

    std::string primary;
    for (int row = 0; row < kPrimarySize; ++row) {
        for (int column = 0; column < kPrimarySize; ++column) {
            const int height = HillHeight(row, column, kPrimarySize);
            primary += static_cast<char>(height & 0xFF);
            primary += static_cast<char>(height >> 8);
        }
    }
    WriteWhole(levelFolder / "HeightmapPrimary.raw", primary);

    std::string secondary;
    for (int row = 0; row < kSecondarySize; ++row) {
        for (int column = 0; column < kSecondarySize; ++column) {
            secondary += static_cast<char>(HillHeight(row, column, kSecondarySize) >> 8);
        }
    }
    for (const char* name : {"L1D1", "D1", "R1D1", "R1", "R1U1", "U1", "L1U1", "L1"}) {
        WriteWhole(levelFolder / (std::string("HeightmapSecondary_") + name + ".raw"), secondary);
    }

    WriteWhole(working / "data" / "low.tga", Texture(40, 140, 60));
    WriteWhole(working / "data" / "high.tga", Texture(200, 200, 200));
    WriteWhole(working / "data" / "steep.tga", Texture(60, 90, 120));
    WriteWhole(working / "data" / "grad_height.tga", Ramp());
    WriteWhole(working / "data" / "grad_angle.tga", Ramp());
    return working;
}
