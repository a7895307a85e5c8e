#include "common/image/tga_image.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "common/platform/read_file.h"

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

constexpr std::uint8_t kTrueColourType = 2;
constexpr std::uint8_t kGreyscaleType = 3;

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

// Where a file's pixel data lies and what it holds, as its header says.
struct PixelData {
    std::int32_t format = 0;
    size_t start = 0;  // offset in the file
    size_t bytes = 0;
};

// Everything the header claims is checked against what the file holds, so a
// damaged or hostile header can neither make us read past the data nor
// allocate gigabytes for a file of a few bytes. Every reader (from memory,
// from a file, mapped) takes a file from here. Ok or why the file is refused.
TgaStatus CheckHeader(std::span<const std::uint8_t> file, TgaHeader& header, PixelData& data) {
    if (file.size() < sizeof header) return TgaStatus::FileError;
    std::memcpy(&header, file.data(), sizeof header);
    if (header.colourMapType != 0) return TgaStatus::ColourMapped;
    if (header.imageType != kTrueColourType && header.imageType != kGreyscaleType) {
        return TgaStatus::Unsupported;
    }
    // The format follows from the depth alone: an 8-bit true-colour file is
    // greyscale to us, and Save writes the type that belongs to the format.
    const std::int32_t format = FormatOfDepth(header.bitsPerPixel);
    if (format == 0) return TgaStatus::Unsupported;
    if (header.width == 0 || header.height == 0) return TgaStatus::FileError;
    if (header.width < 0 || header.height < 0) return TgaStatus::Unsupported;

    const std::uint64_t blockSize = static_cast<std::uint64_t>(header.width) *
                                    static_cast<std::uint64_t>(header.height) *
                                    static_cast<std::uint64_t>(BytesPerPixel(format));
    const size_t dataStart = sizeof header + header.idLength;
    if (dataStart > file.size() || blockSize > file.size() - dataStart) return TgaStatus::FileError;
    data.format = format;
    data.start = dataStart;
    data.bytes = static_cast<size_t>(blockSize);
    return TgaStatus::Ok;
}

constexpr const char* kUnsupportedReason = "unsupported image type, depth or size";

// The message of a refused file, in the words nvdxt shows its users.
Status ReadFailure(const char* name, TgaStatus code) {
    const char* why = "cannot be opened, or holds less than its header promises";
    if (code == TgaStatus::ColourMapped) why = "colour-mapped images are not supported";
    if (code == TgaStatus::Unsupported) why = kUnsupportedReason;
    return TgaFailure(std::string("ERROR: reading ") + name + " (" + why + ")", code);
}

// A whole regular file; anything else (a folder, a pipe, a device) is a
// FileError, as none has a size to check a header against.
Status ReadFile(const char* path, std::vector<std::uint8_t>& bytes) {
    if (!platform::ReadFileStart(path, bytes).ok()) return ReadFailure(path, TgaStatus::FileError);
    return Status();
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

Status ViewTga(std::span<const std::uint8_t> file, const char* name, TgaPixels& pixels,
               std::uint8_t& descriptor) {
    pixels = TgaPixels{};
    descriptor = 0;
    TgaHeader header;
    PixelData data;
    if (const TgaStatus failure = CheckHeader(file, header, data); failure != TgaStatus::Ok) {
        return ReadFailure(name, failure);
    }
    pixels.format = data.format;
    pixels.width = header.width;
    pixels.height = header.height;
    pixels.pixels = file.data() + data.start;
    descriptor = header.descriptor;
    return Status();
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

Status TgaImage::Decode(std::span<const std::uint8_t> file, const char* name) {
    TgaPixels view;
    std::uint8_t descriptor;
    Status status = ViewTga(file, name, view, descriptor);
    if (!status.ok()) return status;
    // Not cleared: the copy fills every byte.
    const size_t bytes = view.ByteCount();
    pixels = std::make_unique_for_overwrite<std::uint8_t[]>(bytes);
    std::memcpy(pixels.get(), view.pixels, bytes);
    format = view.format;
    width = view.width;
    height = view.height;
    return status;
}

Status TgaImage::Load(const char* path) {
    std::vector<std::uint8_t> file;
    Status status = ReadFile(path, file);
    if (!status.ok()) return status;
    return Decode(file, path);
}

Status TgaImage::Save(const char* path, platform::FileCommit::Durability durability) const {
    // Refused before the file is created, so an existing file of that name
    // is kept: a side that does not fit the header would make it lie.
    const size_t bytes = ByteCount();
    if (bytes == 0 || !pixels) {
        return TgaFailure(std::string("ERROR: writing ") + path + " (" + kUnsupportedReason + ")",
                          TgaStatus::Unsupported);
    }
    TgaFileWriter writer(durability);
    Status status = writer.Begin(path, format, width, height);
    if (!status.ok()) return status;
    writer.Write(pixels.get(), bytes);
    return writer.Finish();
}

namespace {

// The header of every file we write (a format and sides already checked).
TgaHeader HeaderOf(std::int32_t format, std::int32_t width, std::int32_t height) {
    TgaHeader header{};
    header.imageType = format == Grey8 ? kGreyscaleType : kTrueColourType;
    header.width = static_cast<std::int16_t>(width);
    header.height = static_cast<std::int16_t>(height);
    header.bitsPerPixel = static_cast<std::uint8_t>(BytesPerPixel(format) * 8);
    // Descriptor 0: bottom row first, no alpha bits declared (also for Bgra32).
    return header;
}

}  // namespace

std::vector<std::uint8_t> EncodeTga(const TgaImage& image) {
    const size_t count = image.ByteCount();
    if (count == 0 || !image.pixels || image.width > kTgaMaxSide || image.height > kTgaMaxSide) {
        return {};
    }
    const TgaHeader header = HeaderOf(image.format, image.width, image.height);
    std::vector<std::uint8_t> bytes(sizeof header + count);
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, image.pixels.get(), count);
    return bytes;
}

Status TgaFileWriter::Begin(const char* path, std::int32_t format, std::int32_t width,
                            std::int32_t height) {
    file_.Abandon();
    path_ = path;
    if (BytesPerPixel(format) == 0 || width <= 0 || height <= 0 || width > kTgaMaxSide ||
        height > kTgaMaxSide) {
        return TgaFailure("ERROR: writing " + path_ + " (" + kUnsupportedReason + ")",
                          TgaStatus::Unsupported);
    }
    const TgaHeader header = HeaderOf(format, width, height);
    const Status opened = file_.Open(path);
    if (!opened.ok()) return TgaFailure(opened.message(), TgaStatus::FileError);
    expected_ = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) *
                static_cast<std::uint64_t>(BytesPerPixel(format));
    written_ = 0;
    failed_ = !file_.Write(&header, sizeof header);
    return Status();
}

bool TgaFileWriter::Write(const void* bytes, size_t count) {
    if (failed_) return false;
    failed_ = !file_.Write(bytes, count);
    written_ += count;
    return !failed_;
}

Status TgaFileWriter::Finish() {
    if (!file_.IsOpen()) {
        return TgaFailure("ERROR: writing " + path_ + " (the file is not open)",
                          TgaStatus::FileError);
    }
    if (!failed_ && written_ != expected_) {
        file_.Abandon();
        return TgaFailure("ERROR: writing " + path_ + " (" + std::to_string(written_) +
                              " pixel bytes instead of " + std::to_string(expected_) + ")",
                          TgaStatus::FileError);
    }
    const Status committed = file_.Commit();
    if (!committed.ok()) return TgaFailure(committed.message(), TgaStatus::FileError);
    return committed;
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
#ifdef _WIN32
    if (mapping_) ::UnmapViewOfFile(mapping_);
#else
    if (mapping_) ::munmap(mapping_, mappedBytes_);
#endif
    mapping_ = nullptr;
    mappedBytes_ = 0;
    pixels_ = TgaPixels{};
    descriptor_ = 0;
}

Status TgaMappedFile::Open(const char* path) {
    Close();
#ifdef _WIN32
    // Mapped as on Linux, so that a huge map is never read in whole: its
    // pages come in as the cutting reaches them and go again with ReleaseRows.
    const HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReadFailure(path, TgaStatus::FileError);
    LARGE_INTEGER size{};
    // Only a file on a disk has a size to check the header against; a file
    // too short for a header cannot be mapped at all.
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size) ||
        size.QuadPart < static_cast<LONGLONG>(sizeof(TgaHeader))) {
        ::CloseHandle(file);
        return ReadFailure(path, TgaStatus::FileError);
    }
    const HANDLE section = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    ::CloseHandle(file);
    if (!section) return ReadFailure(path, TgaStatus::FileError);
    void* mapping = ::MapViewOfFile(section, FILE_MAP_READ, 0, 0, 0);
    ::CloseHandle(section);  // the view keeps what it needs
    if (!mapping) return ReadFailure(path, TgaStatus::FileError);
    const size_t fileBytes = static_cast<size_t>(size.QuadPart);
#else
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return ReadFailure(path, TgaStatus::FileError);
    struct stat info;
    // Only a regular file has a size to check the header against (Load
    // finds none for a pipe or a device either).
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < static_cast<off_t>(sizeof(TgaHeader))) {
        ::close(descriptor);
        return ReadFailure(path, TgaStatus::FileError);
    }
    const size_t fileBytes = static_cast<size_t>(info.st_size);
    // A file of ordinary size is populated at once: one call instead of a
    // page fault per page. A huge one would then sit in memory whole.
    const int populate = fileBytes <= kTgaPopulateLimit ? MAP_POPULATE : 0;
    void* mapping = ::mmap(nullptr, fileBytes, PROT_READ, MAP_PRIVATE | populate, descriptor, 0);
    ::close(descriptor);
    if (mapping == MAP_FAILED) return ReadFailure(path, TgaStatus::FileError);
#endif
    mapping_ = mapping;
    mappedBytes_ = fileBytes;

    const Status status =
        ViewTga({static_cast<const std::uint8_t*>(mapping), fileBytes}, path, pixels_, descriptor_);
    if (!status.ok()) Close();
    return status;
}

void TgaMappedFile::ReleaseRows(std::int32_t firstRow, std::int32_t rowCount) {
    if (!mapping_ || mappedBytes_ <= kTgaPopulateLimit || firstRow < 0 || rowCount <= 0) return;
    const size_t rowBytes = static_cast<size_t>(pixels_.width) * BytesPerPixel(pixels_.format);
    const auto* base = static_cast<const std::uint8_t*>(mapping_);
    const size_t start = static_cast<size_t>(pixels_.pixels - base);
    const size_t rowsStored = static_cast<size_t>(pixels_.height);
    const size_t first = std::min(static_cast<size_t>(firstRow), rowsStored);
    const size_t last = std::min(first + static_cast<size_t>(rowCount), rowsStored);
    // Whole pages around the rows: the mapping is read-only and backed by
    // the file, so a page shared with a neighbouring row is only read again.
#ifdef _WIN32
    SYSTEM_INFO system;
    ::GetSystemInfo(&system);
    const size_t page = system.dwPageSize;
#else
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
#endif
    const size_t from = (start + first * rowBytes) / page * page;
    const size_t to = std::min(mappedBytes_, (start + last * rowBytes + page - 1) / page * page);
    if (to <= from) return;
    auto* pages = static_cast<std::uint8_t*>(mapping_) + from;
#ifdef _WIN32
    // Unlocking pages that were never locked takes them out of the working
    // set, which is all that is wanted here; the call says it failed.
    ::VirtualUnlock(pages, to - from);
#else
    ::madvise(pages, to - from, MADV_DONTNEED);
#endif
}
