// One image of a material set, any bytes at all, decoded from memory: as a
// gradient it either gives 512 entries in [0, 1] or is refused for holding
// fewer than 512 pixel bytes; as a texture it is taken only when it is a
// 512 x 512 Bgr24 image, so the composers never read past its pixels.
//
// Input: a byte that picks gradient (even) or texture (odd), then the file.
#include <cstdint>
#include <span>

#include "common/image/tga_image.h"
#include "fuzz/fuzz_support.h"
#include "painter/paint/gradient_table.h"
#include "painter/paint/material_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool gradient = data[0] % 2 == 0;
    TgaImage image;
    if (!image.Decode(std::span<const std::uint8_t>(data + 1, size - 1), "material.tga").ok()) {
        FUZZ_CHECK(!image.pixels && image.ByteCount() == 0);
        return 0;
    }
    FUZZ_CHECK(image.pixels && image.ByteCount() > 0);
    if (gradient) {
        GradientTable table;
        const bool made = GradientTable::FromImage(image, table);
        FUZZ_CHECK(made == (image.ByteCount() >= static_cast<std::size_t>(kGradientSize)));
        for (float entry : table.entries) FUZZ_CHECK(entry >= 0.0f && entry <= 1.0f);
    } else if (IsMaterialTexture(image)) {
        FUZZ_CHECK(image.format == Bgr24 &&
                   image.ByteCount() == std::size_t{MaterialSize} * MaterialSize * 3);
    }
    return 0;
}
