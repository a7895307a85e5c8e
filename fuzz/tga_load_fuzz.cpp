// TgaImage::Decode on any bytes: it must never read past the data or allocate
// more than the bytes can back, must leave a refused image empty, and an image
// it accepts must be the file's pixel data byte for byte and survive a Save
// and a Load unchanged. TgaMappedFile::Open (the splitter's and the
// converter's reader) must give the same result for the same bytes as a file.
#include <cstdint>
#include <cstring>
#include <string>

#include "common/image/tga_image.h"
#include "fuzz/fuzz_support.h"

namespace {

std::int16_t SignedField(const std::uint8_t* data, std::size_t offset) {
    return static_cast<std::int16_t>(data[offset] | (data[offset + 1] << 8));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TgaImage image;
    const Status status = image.Decode({data, size}, "in.tga");

    {
        const std::string path = fuzz_support::WriteScratchFile("in.tga", data, size);
        TgaMappedFile mapped;
        const Status opened = mapped.Open(path.c_str());
        FUZZ_CHECK(opened.code() == status.code());
        const TgaPixels& view = mapped.Pixels();
        if (status.ok()) {
            FUZZ_CHECK(view.format == image.format && view.width == image.width &&
                       view.height == image.height && view.pixels);
            FUZZ_CHECK(std::memcmp(view.pixels, image.pixels.get(), image.ByteCount()) == 0);
            FUZZ_CHECK(mapped.Descriptor() == data[17]);
        } else {
            FUZZ_CHECK(view.format == 0 && view.width == 0 && view.height == 0 && !view.pixels);
        }
    }

    if (size < 18) FUZZ_CHECK(TgaStatusOf(status) == TgaStatus::FileError);
    if (size >= 18 && data[1] != 0) FUZZ_CHECK(TgaStatusOf(status) == TgaStatus::ColourMapped);
    if (!status.ok()) {
        FUZZ_CHECK(status.message().rfind("ERROR: reading in.tga (", 0) == 0);
        FUZZ_CHECK(image.format == 0 && image.width == 0 && image.height == 0 && !image.pixels);
        return 0;
    }

    // What the header says, read here independently of the loader.
    const std::size_t idLength = data[0];
    const int depth = data[16];
    FUZZ_CHECK(data[1] == 0 && (data[2] == 2 || data[2] == 3));
    FUZZ_CHECK(image.format == (depth == 8 ? Grey8 : depth == 24 ? Bgr24 : Bgra32));
    FUZZ_CHECK(depth == BytesPerPixel(image.format) * 8);
    FUZZ_CHECK(image.width == SignedField(data, 12) && image.height == SignedField(data, 14));
    FUZZ_CHECK(image.width >= 1 && image.width <= kTgaMaxSide);
    FUZZ_CHECK(image.height >= 1 && image.height <= kTgaMaxSide);
    const std::size_t bytes = image.ByteCount();
    FUZZ_CHECK(image.pixels && 18 + idLength + bytes <= size);
    FUZZ_CHECK(std::memcmp(image.pixels.get(), data + 18 + idLength, bytes) == 0);

    // Save writes exactly the header and the block; loading that gives the same image.
    const std::string copyPath = (fuzz_support::ScratchFolder() / "copy.tga").string();
    FUZZ_CHECK(image.Save(copyPath.c_str()).ok());
    const std::string copy = fuzz_support::ReadWholeFile(copyPath);
    FUZZ_CHECK(copy.size() == 18 + bytes);
    FUZZ_CHECK(copy[0] == 0 && copy[1] == 0 && copy[2] == (image.format == Grey8 ? 3 : 2));
    TgaImage again;
    FUZZ_CHECK(again.Load(copyPath.c_str()).ok());
    FUZZ_CHECK(again.format == image.format && again.width == image.width &&
               again.height == image.height);
    FUZZ_CHECK(std::memcmp(again.pixels.get(), image.pixels.get(), bytes) == 0);
    return 0;
}
