#include "painter/paint/gradient_table.h"

#include "common/status/status.h"

float GradientEntry(std::uint8_t byte) {
    // The single-precision float nearest to 1/255 (bit pattern 0x3B808081),
    // multiplied in single precision: 255 maps to exactly 1.0.
    constexpr float kByteScale = 0.003921569f;
    return static_cast<float>(byte) * kByteScale;
}

bool GradientTable::FromImage(const TgaImage& image, GradientTable& table) {
    // A table reads 512 bytes whatever the image says it is, so a smaller
    // block is refused like an unreadable file.
    if (!image.pixels || image.ByteCount() < static_cast<size_t>(kGradientSize)) return false;
    // The bytes as they lie: no channel chosen, no row order changed.
    for (int k = 0; k < kGradientSize; ++k) {
        table.entries[static_cast<size_t>(k)] = GradientEntry(image.pixels[k]);
    }
    return true;
}

GradientTable GradientTable::Load(const char* path) {
    TgaImage image;
    GradientTable table;
    if (!image.Load(path).ok() || !FromImage(image, table)) Fail("ERROR: opening \"%s\"", path);
    return table;
}
