// DecodePng on any bytes: it never reads past them, takes only 8- and
// 16-bit greyscale images as their header states them, and leaves a refused
// grid empty. An image it takes has the header's sides and whole samples in
// the range of its depth.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "importer/png_reader.h"

namespace {

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeightGrid grid;
    const Status status = DecodePng({data, size}, "in.png", grid);
    if (!status.ok()) {
        FUZZ_CHECK(status.message().rfind("ERROR: in.png", 0) == 0);
        FUZZ_CHECK(grid.width == 0 && grid.height == 0 && grid.values.empty());
        return 0;
    }
    FUZZ_CHECK(size >= 33 && LooksLikePng({data, size}));
    const int depth = data[24];
    FUZZ_CHECK(data[25] == 0 && (depth == 8 || depth == 16));
    FUZZ_CHECK(grid.width == BigEndian32(data + 16) && grid.height == BigEndian32(data + 20));
    FUZZ_CHECK(grid.values.size() == grid.width * grid.height);
    const float top = depth == 8 ? 255.0f : 65535.0f;
    for (float value : grid.values) {
        // NaN: the value a tRNS chunk names transparent, no data.
        FUZZ_CHECK(std::isnan(value) ||
                   (value >= 0.0f && value <= top && value == std::floor(value)));
    }
    return 0;
}
