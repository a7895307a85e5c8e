#include "common/image/tga_image.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The 18-byte file header, field by field as it lies on disk.
#pragma pack(push, 1)
struct TgaHeader {
    std::uint8_t idLength;
    std::uint8_t colourMapType;
    std::uint8_t imageType;
    std::uint16_t colourMapFirstEntry;
    std::uint16_t colourMapLength;
    std::uint8_t colourMapEntrySize;
    std::uint16_t xOrigin;
    std::uint16_t yOrigin;
    std::int16_t width;
    std::int16_t height;
    std::uint8_t bitsPerPixel;
    std::uint8_t descriptor;
};
#pragma pack(pop)
static_assert(sizeof(TgaHeader) == 18);
static_assert(offsetof(TgaHeader, imageType) == 2 && offsetof(TgaHeader, colourMapEntrySize) == 7);
static_assert(offsetof(TgaHeader, width) == 12 && offsetof(TgaHeader, height) == 14);
static_assert(offsetof(TgaHeader, bitsPerPixel) == 16 && offsetof(TgaHeader, descriptor) == 17);
// The header is read and written as it lies in memory.
static_assert(std::endian::native == std::endian::little, "TGA fields are little-endian");

constexpr std::uint8_t TrueColourType = 2;
constexpr std::uint8_t GreyscaleType = 3;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// 64-bit positions: the largest image a header can declare is close to 4 GiB.
bool SeekTo(std::FILE* file, std::int64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, offset, origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

std::int64_t Position(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return ftello(file);
#endif
}

// Size of an open file, or -1 when it has none (a pipe, say).
std::int64_t FileSize(std::FILE* file) {
    if (!SeekTo(file, 0, SEEK_END)) return -1;
    const std::int64_t size = Position(file);
    if (!SeekTo(file, 0, SEEK_SET)) return -1;
    return size;
}

std::int32_t FormatOfDepth(std::uint8_t bitsPerPixel) {
    switch (bitsPerPixel) {
        case 8:
            return Grey8;
        case 24:
            return Bgr24;
        case 32:
            return Bgra32;
        default:
            return 0;
    }
}

// A write that failed leaves a truncated file that would otherwise pass for
// a finished one. Only a regular file is removed: a device named as the
// output (a test's full disk) must survive.
void RemovePartialFile(const char* path) {
#ifdef _WIN32
    struct _stat64 info;
    if (_stat64(path, &info) == 0 && (info.st_mode & _S_IFMT) == _S_IFREG) std::remove(path);
#else
    struct stat info;
    if (stat(path, &info) == 0 && S_ISREG(info.st_mode)) std::remove(path);
#endif
}

// Whether the path names something that is not a regular file (a device:
// a test's full disk), which is written in place rather than replaced.
bool IsSpecialFile(const char* path) {
#ifdef _WIN32
    struct _stat64 info;
    return _stat64(path, &info) == 0 && (info.st_mode & _S_IFMT) != _S_IFREG;
#else
    struct stat info;
    return stat(path, &info) == 0 && !S_ISREG(info.st_mode);
#endif
}

// Puts a finished file in the place of the old one. On Linux the old file is
// removed first: renaming over it makes ext4 write the new file's blocks out
// at once (its guard for programs that replace files without syncing them),
// milliseconds for every temporary tile. The name is then missing for a
// moment, but never holds a truncated image. Only a regular file is removed,
// so a folder of that name still refuses the rename.
bool MoveOver(const char* from, const char* to) {
#ifdef _WIN32
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
#else
    struct stat info;
    if (stat(to, &info) == 0 && S_ISREG(info.st_mode)) ::unlink(to);
    return std::rename(from, to) == 0;
#endif
}

// Where a file's pixel data lies and what it holds, as its header says.
struct PixelData {
    std::int32_t format = 0;
    std::int64_t start = 0;  // offset in the file
    size_t bytes = 0;
};

// Everything the header claims is checked against what the file holds, so a
// damaged or hostile header can neither make us read past the data nor
// allocate gigabytes for a file of a few bytes. Both ways of reading a file,
// into a block (Load) or mapped (TgaMappedFile), take it from here.
TgaStatus CheckHeader(const TgaHeader& header, std::int64_t fileSize, PixelData& data) {
    if (header.colourMapType != 0) return ColourMapped;
    if (header.imageType != TrueColourType && header.imageType != GreyscaleType) {
        return Unsupported;
    }
    // The format follows from the depth alone: an 8-bit true-colour file is
    // greyscale to us, and Save writes the type that belongs to the format.
    const std::int32_t format = FormatOfDepth(header.bitsPerPixel);
    if (format == 0) return Unsupported;
    if (header.width == 0 || header.height == 0) return FileError;
    if (header.width < 0 || header.height < 0) return Unsupported;

    const std::uint64_t blockSize = static_cast<std::uint64_t>(header.width) *
                                    static_cast<std::uint64_t>(header.height) *
                                    static_cast<std::uint64_t>(BytesPerPixel(format));
    const std::int64_t dataStart = static_cast<std::int64_t>(sizeof header) + header.idLength;
    if (dataStart > fileSize || blockSize > static_cast<std::uint64_t>(fileSize - dataStart)) {
        return FileError;
    }
    data.format = format;
    data.start = dataStart;
    data.bytes = static_cast<size_t>(blockSize);
    return Ok;
}

}  // namespace

int BytesPerPixel(std::int32_t format) {
    switch (format) {
        case Bgra32:
            return 4;
        case Bgr24:
            return 3;
        case Grey8:
            return 1;
        default:
            return 0;
    }
}

TgaImage TgaImage::Make(std::int32_t format, std::int32_t width, std::int32_t height) {
    TgaImage image;
    image.format = format;
    image.width = width;
    image.height = height;
    const size_t bytes = image.ByteCount();
    if (bytes > 0) image.pixels = std::make_unique_for_overwrite<std::uint8_t[]>(bytes);
    return image;
}

size_t TgaImage::ByteCount() const {
    if (width <= 0 || height <= 0) return 0;
    return static_cast<size_t>(width) * static_cast<size_t>(height) *
           static_cast<size_t>(BytesPerPixel(format));
}

TgaStatus TgaImage::Load(const char* path) {
    File file(std::fopen(path, "rb"));
    if (!file) return FileError;

    const std::int64_t fileSize = FileSize(file.get());
    TgaHeader header;
    if (fileSize < static_cast<std::int64_t>(sizeof header) ||
        std::fread(&header, sizeof header, 1, file.get()) != 1) {
        return FileError;
    }
    PixelData data;
    const TgaStatus status = CheckHeader(header, fileSize, data);
    if (status != Ok) return status;
    // The ID field is skipped, not kept.
    if (!SeekTo(file.get(), data.start, SEEK_SET)) return FileError;

    // Not cleared: the one read below fills every byte or the block is dropped.
    auto block = std::make_unique_for_overwrite<std::uint8_t[]>(data.bytes);
    if (std::fread(block.get(), 1, data.bytes, file.get()) != data.bytes) return FileError;

    format = data.format;
    width = header.width;
    height = header.height;
    pixels = std::move(block);
    return Ok;
}

TgaStatus TgaImage::Save(const char* path) const {
    // Refused before the file is created, so an existing file of that name
    // is kept: a side that does not fit the header would make it lie.
    const size_t bytes = ByteCount();
    if (bytes == 0 || !pixels) return Unsupported;
    TgaFileWriter writer;
    const TgaStatus begun = writer.Begin(path, format, width, height);
    if (begun != Ok) return begun;
    writer.Write(pixels.get(), bytes);
    return writer.Finish();
}

TgaFileWriter::~TgaFileWriter() { Abandon(); }

void TgaFileWriter::Abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    RemovePartialFile(target_.c_str());
}

TgaStatus TgaFileWriter::Begin(const char* path, std::int32_t format, std::int32_t width,
                               std::int32_t height) {
    Abandon();
    if (BytesPerPixel(format) == 0 || width <= 0 || height <= 0 || width > TgaMaxSide ||
        height > TgaMaxSide) {
        return Unsupported;
    }
    TgaHeader header{};
    header.imageType = format == Grey8 ? GreyscaleType : TrueColourType;
    header.width = static_cast<std::int16_t>(width);
    header.height = static_cast<std::int16_t>(height);
    header.bitsPerPixel = static_cast<std::uint8_t>(BytesPerPixel(format) * 8);
    // Descriptor 0: bottom row first, no alpha bits declared (also for Bgra32).

    // Written under "<path>.partial" and renamed only when complete, so that
    // neither a full disk nor a program ended half-way (its dialog closed
    // during a job) leaves a truncated image under the real name.
    path_ = path;
    target_ = IsSpecialFile(path) ? path_ : path_ + ".partial";
    file_ = std::fopen(target_.c_str(), "wb");
    if (!file_) return FileError;
    expected_ = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) *
                static_cast<std::uint64_t>(BytesPerPixel(format));
    written_ = 0;
    failed_ = std::fwrite(&header, sizeof header, 1, file_) != 1;
    return Ok;
}

bool TgaFileWriter::Write(const void* bytes, size_t count) {
    if (!file_ || failed_) return false;
    failed_ = std::fwrite(bytes, 1, count, file_) != count;
    written_ += count;
    return !failed_;
}

TgaStatus TgaFileWriter::Finish() {
    if (!file_) return FileError;
    bool written = !failed_ && written_ == expected_ && std::fflush(file_) == 0;
    // A full disk may only show when the last buffer is handed over at close.
    written = std::fclose(file_) == 0 && written;
    file_ = nullptr;
    if (written && target_ != path_) written = MoveOver(target_.c_str(), path_.c_str());
    if (!written) {
        RemovePartialFile(target_.c_str());
        return FileError;
    }
    return Ok;
}

void TgaImage::Release() {
    pixels.reset();
    format = 0;
    width = 0;
    height = 0;
}

size_t TgaPixels::ByteCount() const {
    if (width <= 0 || height <= 0) return 0;
    return static_cast<size_t>(width) * static_cast<size_t>(height) *
           static_cast<size_t>(BytesPerPixel(format));
}

TgaMappedFile::~TgaMappedFile() { Close(); }

void TgaMappedFile::Close() {
#ifndef _WIN32
    if (mapping_) ::munmap(mapping_, mappedBytes_);
    mapping_ = nullptr;
    mappedBytes_ = 0;
#endif
    loaded_.Release();
    pixels_ = TgaPixels{};
    descriptor_ = 0;
}

TgaStatus TgaMappedFile::Open(const char* path) {
    Close();
#ifdef _WIN32
    // Read, not mapped: the same checks and results, one copy more.
    const TgaStatus status = loaded_.Load(path);
    if (status != Ok) return status;
    File file(std::fopen(path, "rb"));
    TgaHeader header;
    if (!file || std::fread(&header, sizeof header, 1, file.get()) != 1) {
        loaded_.Release();
        return FileError;
    }
    descriptor_ = header.descriptor;
    pixels_ = TgaPixels(loaded_);
    return Ok;
#else
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return FileError;
    struct stat info;
    // Only a regular file has a size to check the header against (Load
    // finds none for a pipe or a device either).
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < static_cast<off_t>(sizeof(TgaHeader))) {
        ::close(descriptor);
        return FileError;
    }
    const size_t fileBytes = static_cast<size_t>(info.st_size);
    // Populated at once: one call instead of a page fault per page.
    void* mapping = ::mmap(nullptr, fileBytes, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
    ::close(descriptor);
    if (mapping == MAP_FAILED) return FileError;
    mapping_ = mapping;
    mappedBytes_ = fileBytes;

    TgaHeader header;
    std::memcpy(&header, mapping, sizeof header);
    PixelData data;
    const TgaStatus status = CheckHeader(header, static_cast<std::int64_t>(fileBytes), data);
    if (status != Ok) {
        Close();
        return status;
    }
    descriptor_ = header.descriptor;
    pixels_.format = data.format;
    pixels_.width = header.width;
    pixels_.height = header.height;
    pixels_.pixels = static_cast<const std::uint8_t*>(mapping) + data.start;
    return Ok;
#endif
}
