#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/platform/file_commit.h"
#include "common/status/status.h"

// Uncompressed TGA images: no colour map, 8, 24 or 32 bits per pixel. The
// pixel block in memory is the file's pixel data byte for byte (rows in the
// order the file stores them, bottom row first in every file we write), so
// what a caller composes is exactly what lands on disk.

enum TgaFormat : std::int32_t {
    Bgra32 = 2,  // blue, green, red, alpha
    Bgr24 = 4,   // blue, green, red
    Grey8 = 5,   // one intensity byte
};

// What a reader or writer of TGA files met: the code() of its Status, so a
// caller that shows a message of its own can still tell the kinds apart.
enum class TgaStatus : int {
    Ok = 0,
    FileError = 1,     // cannot open, create, read or write; sizes that the file cannot hold
    ColourMapped = 2,  // the file has a colour map
    Unsupported = 3,   // image type not 2 or 3, depth not 8, 24 or 32, or a side out of range
};

// The kind of a TGA reader's or writer's result.
inline TgaStatus TgaStatusOf(const Status& status) { return static_cast<TgaStatus>(status.code()); }

// A failed TGA read or write: its message and its kind.
inline Status TgaFailure(std::string message, TgaStatus kind) {
    return Status::Failure(std::move(message), static_cast<int>(kind));
}

// The largest side a file can declare: the header holds each side in a signed
// 16-bit field.
constexpr std::int32_t kTgaMaxSide = 32767;

// Bytes of one pixel of a format (0 for a value that is not a format).
int BytesPerPixel(std::int32_t format);

struct TgaImage {
    std::int32_t format = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::unique_ptr<std::uint8_t[]> pixels;  // width × height × BytesPerPixel(format) bytes

    TgaImage() = default;
    TgaImage(const TgaImage&) = delete;
    TgaImage& operator=(const TgaImage&) = delete;
    // A moved-from image is empty, not a size without a block.
    TgaImage(TgaImage&& other) noexcept
        : format(std::exchange(other.format, 0)),
          width(std::exchange(other.width, 0)),
          height(std::exchange(other.height, 0)),
          pixels(std::move(other.pixels)) {}
    TgaImage& operator=(TgaImage&& other) noexcept {
        if (this != &other) {
            format = std::exchange(other.format, 0);
            width = std::exchange(other.width, 0);
            height = std::exchange(other.height, 0);
            pixels = std::move(other.pixels);
        }
        return *this;
    }

    // An image of the given format and size whose block the caller fills
    // (not cleared: the large maps are written whole right after).
    static TgaImage Make(std::int32_t format, std::int32_t width, std::int32_t height);

    // Size of the pixel block in bytes, computed in 64 bits.
    // 0 for an image without a valid format or a positive size.
    size_t ByteCount() const;

    // Takes a whole TGA file held in memory into this (empty) image: the
    // pixel data is copied, the ID field and anything after the pixels are
    // dropped. Every header field and the size of the pixel data are checked
    // against the bytes before anything is allocated. A failure (code a
    // TgaStatus) says "ERROR: reading <name> (<why>)"; the image is then
    // left as it was: empty.
    Status Decode(std::span<const std::uint8_t> file, const char* name = "image in memory");
    // Reads a file and decodes it, with the same checks and results. Never
    // allocates more than the file holds.
    Status Load(const char* path);
    // Writes the image with one write of the whole block. An image that is
    // not a format, has no block or has a side outside 1 to 32767 (what the
    // header's fields and Load take) is Unsupported and no file is touched;
    // a failed write is FileError ("ERROR: writing <path> (<the system's
    // reason>)") and removes the partial file. How the file replaces an
    // existing one: see platform::FileCommit (Safe unless the caller makes
    // a temporary).
    Status Save(const char* path,
                platform::FileCommit::Durability durability =
                    platform::FileCommit::Durability::Safe) const;
    // Frees the block and empties the image; safe on an empty image.
    void Release();
};

// The bytes of the file Save writes (header and pixel block), for a caller
// that puts several files in place together; empty for an image Save would
// refuse.
std::vector<std::uint8_t> EncodeTga(const TgaImage& image);

// A read-only sight of an image's pixels: of a TgaImage, or of a file mapped
// into memory (TgaMappedFile). The same layout as TgaImage.
struct TgaPixels {
    std::int32_t format = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    const std::uint8_t* pixels = nullptr;  // ByteCount() bytes

    TgaPixels() = default;
    TgaPixels(const TgaImage& image)  // NOLINT: every image can be looked at
        : format(image.format), width(image.width), height(image.height),
          pixels(image.pixels.get()) {}

    // As TgaImage::ByteCount.
    size_t ByteCount() const;
};

// A whole TGA file held in memory, looked at in place: the checks and results
// of TgaImage::Decode without its copy. On success pixels point into file and
// descriptor is the header's image descriptor byte (origin bits), which
// images drop; on failure both are left empty.
Status ViewTga(std::span<const std::uint8_t> file, const char* name, TgaPixels& pixels,
               std::uint8_t& descriptor);

// A TGA file mapped into memory instead of read into a block: the pixels are
// the file's own pages, shared with the file cache, so a map that another
// program has just written costs neither a copy nor fresh memory. Open makes
// the same checks as TgaImage::Load and gives the same results. The file
// must not shrink while it is open.
//
// A file of up to kTgaPopulateLimit bytes has all its pages mapped at Open,
// one call instead of a page fault per page. A larger one (a map of tens of
// thousands of pixels a side) is mapped page by page as it is read, and its
// reader hands back what it has finished with through ReleaseRows, so that
// reading it whole never holds it whole.
class TgaMappedFile {
public:
    TgaMappedFile() = default;
    ~TgaMappedFile();
    TgaMappedFile(const TgaMappedFile&) = delete;
    TgaMappedFile& operator=(const TgaMappedFile&) = delete;

    Status Open(const char* path);
    // The image; empty unless Open succeeded.
    const TgaPixels& Pixels() const { return pixels_; }
    // The header's image descriptor byte (origin bits), which images drop.
    std::uint8_t Descriptor() const { return descriptor_; }
    // For a file above kTgaPopulateLimit: the pages that hold stored rows
    // firstRow to firstRow + rowCount - 1 leave this process's memory (pages
    // shared with neighbouring rows too). The pixels stay valid: a page read
    // again comes back from the file. Does nothing for a smaller file, whose
    // pages are cheap to keep and would only be read in again.
    void ReleaseRows(std::int32_t firstRow, std::int32_t rowCount);

private:
    void Close();

    void* mapping_ = nullptr;
    size_t mappedBytes_ = 0;
    TgaPixels pixels_;
    std::uint8_t descriptor_ = 0;
};

// Files up to this size are mapped whole at once: a 24-bit map of 192 MiB
// is, one twice as wide (768 MiB) is not.
constexpr std::uint64_t kTgaPopulateLimit = std::uint64_t{256} << 20;

// Writes a TGA file a piece at a time, for an image that is composed a band
// of rows at a time and never held whole: Begin writes the header, Write
// appends pixel bytes in stored order, Finish completes the file. As with
// Save, the file is written under "<path>.partial" and put in place only when
// complete; a writer that does not finish (a failure on the way) removes
// what it wrote. Save is Begin, one Write and Finish.
class TgaFileWriter {
public:
    explicit TgaFileWriter(
        platform::FileCommit::Durability durability = platform::FileCommit::Durability::Safe)
        : file_(durability) {}
    TgaFileWriter(const TgaFileWriter&) = delete;
    TgaFileWriter& operator=(const TgaFileWriter&) = delete;

    // Creates the file and writes the header of a format × width × height
    // image. Unsupported, with nothing created, for what Save refuses: not a
    // format, or a side outside 1 to 32767. FileError when the file cannot be
    // created.
    Status Begin(const char* path, std::int32_t format, std::int32_t width, std::int32_t height);
    // Appends pixel bytes. False once any write has failed.
    bool Write(const void* bytes, size_t count);
    // Succeeds when exactly the image's pixel bytes were written and the file
    // is in place under its name; otherwise FileError and nothing is left
    // behind.
    Status Finish();

private:
    platform::FileCommit file_;
    std::string path_;
    std::uint64_t expected_ = 0;
    std::uint64_t written_ = 0;
    bool failed_ = false;
};
