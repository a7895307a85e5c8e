// DecodePicture on any bytes: a picture of the four formats decodes within
// its limits or is refused with a message naming the file; a small picture
// that decodes becomes a whole texture.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "materials/picture.h"
#include "materials/tileable_texture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::UseOneThread();
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
    // Making the texture costs the same for any picture once it is shrunk:
    // only small ones, so that the fuzzer spends its time on the decoder.
    if (picture.ByteCount() <= 64 * 64 * 3) {
        const materials::TileableTexture texture = materials::MakeTileableTexture(picture);
        FUZZ_CHECK(texture.image.format == Bgr24 && texture.image.width == 512 &&
                   texture.image.height == 512);
    }
    return 0;
}
