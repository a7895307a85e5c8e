// DecodeDds on any bytes: a DDS file that a user's own converter wrote is
// read or refused, never read past, and a picture it accepts has exactly
// the pixels its sides say.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "preview/dds_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RgbaPicture picture;
    const Status status = DecodeDds(std::span<const std::uint8_t>(data, size), "fuzz.dds", picture);
    if (status.ok()) {
        FUZZ_CHECK(picture.width > 0 && picture.width <= kLargestDdsSide);
        FUZZ_CHECK(picture.height > 0 && picture.height <= kLargestDdsSide);
        FUZZ_CHECK(picture.pixels.size() == static_cast<std::size_t>(picture.width) *
                                                static_cast<std::size_t>(picture.height) * 4);
    } else {
        FUZZ_CHECK(status.message().rfind("ERROR: reading fuzz.dds (", 0) == 0);
    }
    return 0;
}
