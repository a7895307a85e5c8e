#include "materials/picture.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>
#include <vector>

#include "common/platform/read_file.h"
#include "materials/picture_checks.h"
#include "materials/picture_decoder.h"

namespace materials {

void PictureBlockFree::operator()(std::uint8_t* block) const { std::free(block); }

Picture Picture::Make(std::int32_t width, std::int32_t height) {
    Picture picture;
    if (width <= 0 || height <= 0) return picture;
    const size_t bytes = size_t(width) * size_t(height) * 3;
    picture.rgb.reset(static_cast<std::uint8_t*>(std::malloc(bytes)));
    if (!picture.rgb) throw std::bad_alloc();
    picture.width = width;
    picture.height = height;
    return picture;
}

size_t Picture::ByteCount() const {
    if (!rgb || width <= 0 || height <= 0) return 0;
    return size_t(width) * size_t(height) * 3;
}

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr char kSaveAgain[] = "save the picture again as PNG or JPEG";
constexpr char kTooLarge[] =
    "the 100 million a picture may have; shrink it (the texture has 512 x 512 "
    "texels: 4000 x 3000 pixels are plenty)";

bool StartsWith(std::span<const std::uint8_t> bytes, size_t offset, const void* text,
                size_t count) {
    return bytes.size() >= offset + count && std::memcmp(bytes.data() + offset, text, count) == 0;
}

// The kind of file its first bytes name, for messages: one that is read, a
// well-known one that is not, or null.
const char* KindOf(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, 0, kPngSignature, 8)) return "PNG";
    if (LooksLikeJpeg(bytes)) return "JPEG";
    if (StartsWith(bytes, 0, "BM", 2)) return "BMP";
    if (StartsWith(bytes, 0, "GIF8", 4)) return "GIF";
    if (StartsWith(bytes, 0, "II*\0", 4) || StartsWith(bytes, 0, "MM\0*", 4)) return "TIFF";
    if (StartsWith(bytes, 0, "RIFF", 4) && StartsWith(bytes, 8, "WEBP", 4)) return "WebP";
    if (StartsWith(bytes, 4, "ftyp", 4)) return "HEIC or AVIF";
    return nullptr;
}

bool IsReadKind(const char* kind) {
    return kind != nullptr && (std::strcmp(kind, "PNG") == 0 || std::strcmp(kind, "JPEG") == 0 ||
                               std::strcmp(kind, "BMP") == 0);
}

}  // namespace

Status DecodePicture(std::span<const std::uint8_t> file, const std::string& name,
                     Picture& picture) {
    picture = Picture();
    const char* path = name.c_str();
    if (file.empty()) {
        return Status::Failuref(
            "ERROR: %s: the file is empty; choose the picture file itself or %s", path, kSaveAgain);
    }
    const char* kind = KindOf(file);
    // Before the header is read: the decoder builds the tables that come
    // before a JPEG's frame header while it looks for the sides.
    if (!JpegTablesFit(file)) {
        return Status::Failuref(
            "ERROR: %s: the JPEG is damaged (a Huffman table holds more codes than there is room "
            "for); %s",
            path, kSaveAgain);
    }
    int width = 0, height = 0, channels = 0;
    if (!decoder::ReadHeader(file.data(), file.size(), width, height, channels)) {
        // stb_image refuses sides whose bytes would overflow its sizes, with
        // the same word as any other header it cannot read.
        if (ClaimedSides(file, width, height) &&
            std::uint64_t(width) * std::uint64_t(height) > kMaxPicturePixels) {
            return Status::Failuref("ERROR: %s: %d x %d pixels, more than %s", path, width, height,
                                    kTooLarge);
        }
        if (IsReadKind(kind)) {
            return Status::Failuref("ERROR: %s: the %s header is damaged; %s", path, kind,
                                    kSaveAgain);
        }
        if (kind != nullptr) {
            return Status::Failuref("ERROR: %s: a %s picture, which is not read; %s", path, kind,
                                    kSaveAgain);
        }
        return Status::Failuref("ERROR: %s: is not a PNG, JPEG, BMP or TGA picture; %s", path,
                                kSaveAgain);
    }
    if (kind == nullptr || !IsReadKind(kind)) kind = "TGA";  // the one without a signature
    if (width <= 0 || height <= 0) {
        return Status::Failuref("ERROR: %s: the %s header gives no pixels; %s", path, kind,
                                kSaveAgain);
    }
    if (std::uint64_t(width) * std::uint64_t(height) > kMaxPicturePixels) {
        return Status::Failuref("ERROR: %s: %d x %d pixels, more than %s", path, width, height,
                                kTooLarge);
    }
    if (std::strcmp(kind, "PNG") == 0 && !PngDataCanHoldSides(file, width, height)) {
        return Status::Failuref("ERROR: %s: the PNG is cut short or damaged; %s", path, kSaveAgain);
    }
    if (std::strcmp(kind, "TGA") == 0 && !TgaDataCanHoldSides(file, width, height)) {
        return Status::Failuref("ERROR: %s: the TGA is cut short or damaged; %s", path, kSaveAgain);
    }

    int decodedWidth = 0, decodedHeight = 0;
    std::unique_ptr<std::uint8_t[], PictureBlockFree> rgb(
        decoder::DecodeRgb(file.data(), file.size(), decodedWidth, decodedHeight));
    if (!rgb) {
        const char* reason = decoder::FailureReason();
        if (std::strcmp(reason, "outofmem") == 0) {
            return Status::Failuref(
                "ERROR: %s: not enough memory to decode its %d x %d pixels; shrink the picture "
                "or close other programs",
                path, width, height);
        }
        return Status::Failuref(
            "ERROR: %s: the %s picture cannot be decoded (%s): it is damaged or of a variant "
            "that is not read; %s",
            path, kind, reason, kSaveAgain);
    }
    if (decodedWidth != width || decodedHeight != height) {
        return Status::Failuref("ERROR: %s: the %s picture does not keep to its own header; %s",
                                path, kind, kSaveAgain);
    }
    picture.width = width;
    picture.height = height;
    picture.rgb = std::move(rgb);
    picture.alphaDropped = channels == 2 || channels == 4;
    return Status();
}

Status LoadPicture(const std::string& path, Picture& picture) {
    picture = Picture();
    std::error_code error;
    const std::uint64_t length = std::filesystem::file_size(path, error);
    if (!error && length > kMaxPictureFileBytes) {
        return Status::Failuref(
            "ERROR: %s: the file holds more than 1 GiB, more than any picture of up to 100 "
            "million pixels needs; %s",
            path.c_str(), kSaveAgain);
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path.c_str(), bytes, kMaxPictureFileBytes + 1).ok()) {
        return Status::Failuref(
            "ERROR: %s: cannot be read; check that the path names a picture file and that you "
            "may read it",
            path.c_str());
    }
    if (!error && bytes.size() < length) {
        return Status::Failuref(
            "ERROR: %s: reading stopped part-way through the file; check the "
            "disk or copy the picture elsewhere and try again",
            path.c_str());
    }
    if (bytes.size() > kMaxPictureFileBytes) {  // it grew after it was measured
        return Status::Failuref("ERROR: %s: the file holds more than 1 GiB; %s", path.c_str(),
                                kSaveAgain);
    }
    return DecodePicture(bytes, path, picture);
}

}  // namespace materials
