// DecodePicture on any bytes: a picture of the four formats decodes within
// its limits or is refused with a message naming the file. (Making the
// texture takes the same 512 x 512 work for every picture and is left to
// the unit tests, so that the fuzzer's time goes to the decoders.)
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "materials/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    materials::Picture picture;
    const Status decoded = materials::DecodePicture({data, size}, "photo.jpg", picture);
    if (!decoded.ok()) {
        FUZZ_CHECK(decoded.message().rfind("ERROR: photo.jpg: ", 0) == 0);
        FUZZ_CHECK(!picture.rgb && picture.width == 0 && picture.height == 0);
        return 0;
    }
    FUZZ_CHECK(picture.width > 0 && picture.height > 0 && picture.rgb);
    FUZZ_CHECK(static_cast<std::uint64_t>(picture.width) * static_cast<std::uint64_t>(picture.height) <=
               materials::kMaxPicturePixels);
    return 0;
}
