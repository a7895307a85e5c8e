#include "common/image/tga_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <ostream>
#include <string>
#include <type_traits>

#include "tests/support/temp_folder.h"
#include "tests/support/tga_bytes.h"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using program_testing::AsBytes;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

// The largest array this program has asked for, so a test can tell that a
// header's claim was refused before any block of that size was allocated.
namespace {
std::atomic<size_t> largestArray{0};
}  // namespace

void* operator new[](size_t size) {
    size_t seen = largestArray.load();
    while (size > seen && !largestArray.compare_exchange_weak(seen, size)) {
    }
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }

namespace {

static_assert(!std::is_copy_constructible_v<TgaImage> && !std::is_copy_assignable_v<TgaImage>);
static_assert(std::is_nothrow_move_constructible_v<TgaImage> &&
              std::is_nothrow_move_assignable_v<TgaImage>);

// The header fields a test varies; the rest are written as 0.
struct Header {
    int idLength = 0;
    int colourMapType = 0;
    int imageType = 2;
    int width = 6;
    int height = 5;
    int bitsPerPixel = 24;
    int descriptor = 0;
};

// Written byte by byte, independently of the code under test.
std::string HeaderBytes(const Header& h) {
    std::string bytes(18, '\0');
    bytes[0] = static_cast<char>(h.idLength);
    bytes[1] = static_cast<char>(h.colourMapType);
    bytes[2] = static_cast<char>(h.imageType);
    bytes[12] = static_cast<char>(h.width & 0xFF);
    bytes[13] = static_cast<char>((h.width >> 8) & 0xFF);
    bytes[14] = static_cast<char>(h.height & 0xFF);
    bytes[15] = static_cast<char>((h.height >> 8) & 0xFF);
    bytes[16] = static_cast<char>(h.bitsPerPixel);
    bytes[17] = static_cast<char>(h.descriptor);
    return bytes;
}

// No two neighbouring bytes, rows or channels alike: a flip, a channel swap
// or a shifted offset cannot pass for the original.
std::string Pattern(size_t count, int seed = 0) {
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 37 + seed * 101 + 11) & 0xFF);
    return bytes;
}

std::string BlockOf(const TgaImage& image) {
    return std::string(reinterpret_cast<const char*>(image.pixels.get()), image.ByteCount());
}

TgaImage ImageOf(std::int32_t format, int width, int height, int seed = 0) {
    TgaImage image = TgaImage::Make(format, width, height);
    const std::string bytes = Pattern(image.ByteCount(), seed);
    std::memcpy(image.pixels.get(), bytes.data(), bytes.size());
    return image;
}

void ExpectEmpty(const TgaImage& image) {
    EXPECT_EQ(image.format, 0);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.pixels, nullptr);
}

TEST(TgaImage, RoundTripKeepsFormatSizeAndEveryByte) {
    TempWorkingFolder folder;
    for (std::int32_t format : {Bgra32, Bgr24, Grey8}) {
        SCOPED_TRACE(format);
        const TgaImage original = ImageOf(format, 7, 5, format);
        ASSERT_TRUE(original.Save("round.tga").ok());
        EXPECT_EQ(fs::file_size("round.tga"), 18 + original.ByteCount());

        TgaImage loaded;
        ASSERT_TRUE(loaded.Load("round.tga").ok());
        EXPECT_EQ(loaded.format, format);
        EXPECT_EQ(loaded.width, 7);
        EXPECT_EQ(loaded.height, 5);
        EXPECT_EQ(BlockOf(loaded), BlockOf(original));
    }
}

TEST(TgaImage, SavesTheTwoPixelExampleAsExactlyTwentyFourBytes) {
    TempWorkingFolder folder;
    TgaImage image = TgaImage::Make(Bgr24, 2, 1);
    const std::uint8_t pixels[6] = {1, 2, 3, 250, 251, 252};
    std::memcpy(image.pixels.get(), pixels, sizeof pixels);
    ASSERT_TRUE(image.Save("two.tga").ok());

    const std::string expected(
        "\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x01\x00\x18\x00"
        "\x01\x02\x03\xFA\xFB\xFC",
        24);
    EXPECT_EQ(ReadFileBytes("two.tga"), expected);
}

TEST(TgaImage, WritesTheImageTypeAndDepthOfEachFormatWithDescriptorZero) {
    TempWorkingFolder folder;
    struct Row {
        std::int32_t format;
        int imageType;
        int bitsPerPixel;
    };
    for (const Row& row : {Row{Grey8, 3, 8}, Row{Bgr24, 2, 24}, Row{Bgra32, 2, 32}}) {
        SCOPED_TRACE(row.format);
        ASSERT_TRUE(ImageOf(row.format, 3, 4).Save("typed.tga").ok());
        const std::string bytes = ReadFileBytes("typed.tga");
        ASSERT_GE(bytes.size(), 18u);
        Header expected{
            .imageType = row.imageType, .width = 3, .height = 4, .bitsPerPixel = row.bitsPerPixel};
        EXPECT_EQ(bytes.substr(0, 18), HeaderBytes(expected));
    }
}

TEST(TgaImage, SkipsTheIdFieldWithoutKeepingIt) {
    for (int idLength : {1, 17, 255}) {
        SCOPED_TRACE(idLength);
        const std::string pixels = Pattern(6 * 5 * 3);
        const std::string file = HeaderBytes({.idLength = idLength}) +
                                 std::string(static_cast<size_t>(idLength), 'I') + pixels;
        TgaImage image;
        ASSERT_TRUE(image.Decode(AsBytes(file)).ok());
        EXPECT_EQ(BlockOf(image), pixels);
    }
}

TEST(TgaImage, TakesTheFormatFromTheDepthAndWritesTheTypeOfTheFormat) {
    TempWorkingFolder folder;
    // An 8-bit true-colour file is greyscale to us; a 24-bit "greyscale" one is colour.
    struct Row {
        int imageType;
        int bitsPerPixel;
        std::int32_t format;
        int typeWritten;
    };
    for (const Row& row : {Row{2, 8, Grey8, 3}, Row{3, 24, Bgr24, 2}, Row{3, 32, Bgra32, 2}}) {
        SCOPED_TRACE(row.imageType * 100 + row.bitsPerPixel);
        const std::string pixels = Pattern(6 * 5 * static_cast<size_t>(row.bitsPerPixel / 8));
        const std::string file =
            HeaderBytes({.imageType = row.imageType, .bitsPerPixel = row.bitsPerPixel}) + pixels;
        TgaImage image;
        ASSERT_TRUE(image.Decode(AsBytes(file)).ok());
        EXPECT_EQ(image.format, row.format);
        ASSERT_TRUE(image.Save("out.tga").ok());
        const std::string written = ReadFileBytes("out.tga");
        EXPECT_EQ(static_cast<int>(written.at(2)), row.typeWritten);
        EXPECT_EQ(written.substr(18), pixels);
    }
}

TEST(TgaImage, KeepsTopRowFirstFilesInFileOrderAndSavesThemWithDescriptorZero) {
    TempWorkingFolder folder;
    const std::string pixels = Pattern(6 * 5 * 3);
    TgaImage image;
    ASSERT_TRUE(image.Decode(AsBytes(HeaderBytes({.descriptor = 0x20}) + pixels)).ok());
    EXPECT_EQ(BlockOf(image), pixels);

    ASSERT_TRUE(image.Save("saved.tga").ok());
    EXPECT_EQ(ReadFileBytes("saved.tga"), HeaderBytes({}) + pixels);
}

TEST(TgaImage, IgnoresBytesAfterThePixelData) {
    const std::string pixels = Pattern(6 * 5 * 3);
    const std::string file =
        HeaderBytes({}) + pixels + std::string(26, 'X') + "TRUEVISION-XFILE.";
    TgaImage image;
    ASSERT_TRUE(image.Decode(AsBytes(file)).ok());
    EXPECT_EQ(BlockOf(image), pixels);
}

// One row per defect of a header or of the data behind it, each with the
// kind of failure it must give. The image must stay empty after every refusal.
struct Defect {
    const char* name;
    Header header;
    long long dataBytes;  // bytes after the header; -1: exactly what the header declares
    TgaStatus expected;
};

const Defect kDefects[] = {
    {"ColourMapWithTrueColourType", {.colourMapType = 1}, -1, TgaStatus::ColourMapped},
    {"ColourMappedType",
     {.colourMapType = 1, .imageType = 1, .bitsPerPixel = 8},
     -1,
     TgaStatus::ColourMapped},
    {"ColourMapWinsOverBadType",
     {.colourMapType = 1, .imageType = 9, .bitsPerPixel = 16},
     -1,
     TgaStatus::ColourMapped},
    {"NoImageDataType", {.imageType = 0}, -1, TgaStatus::Unsupported},
    {"ColourMappedTypeWithoutMap", {.imageType = 1, .bitsPerPixel = 8}, -1, TgaStatus::Unsupported},
    {"RunLengthColourMapped", {.imageType = 9}, -1, TgaStatus::Unsupported},
    {"RunLengthTrueColour", {.imageType = 10}, -1, TgaStatus::Unsupported},
    {"RunLengthGreyscale", {.imageType = 11, .bitsPerPixel = 8}, -1, TgaStatus::Unsupported},
    {"Depth15", {.bitsPerPixel = 15}, 6 * 5 * 2, TgaStatus::Unsupported},
    {"Depth16", {.bitsPerPixel = 16}, 6 * 5 * 2, TgaStatus::Unsupported},
    {"Depth0", {.bitsPerPixel = 0}, 6 * 5 * 3, TgaStatus::Unsupported},
    {"Depth48", {.bitsPerPixel = 48}, 6 * 5 * 6, TgaStatus::Unsupported},
    {"BadDepthWinsOverShortData", {.bitsPerPixel = 16}, 0, TgaStatus::Unsupported},
    {"WidthZero", {.width = 0}, 64, TgaStatus::FileError},
    {"HeightZero", {.height = 0}, 64, TgaStatus::FileError},
    {"ZeroWinsOverNegative", {.width = 0, .height = 0xFFFF}, 64, TgaStatus::FileError},
    {"NegativeWidth", {.width = 0xFFFF}, 64, TgaStatus::Unsupported},
    {"NegativeHeight", {.height = 0x8000}, 64, TgaStatus::Unsupported},
    {"PixelDataOneByteShort", {}, 6 * 5 * 3 - 1, TgaStatus::FileError},
    {"NoPixelData", {}, 0, TgaStatus::FileError},
    {"IdFieldEatsThePixelData", {.idLength = 40}, 6 * 5 * 3, TgaStatus::FileError},
    {"IdFieldLongerThanTheFile", {.idLength = 255}, 3, TgaStatus::FileError},
    {"HugeClaimInATinyFile",
     {.width = 32767, .height = 32767, .bitsPerPixel = 32},
     12,
     TgaStatus::FileError},
};

void PrintTo(const Defect& defect, std::ostream* out) { *out << defect.name; }

class TgaDefect : public ::testing::TestWithParam<Defect> {};

// The words nvdxt has always shown for each kind.
std::string ReadMessage(const char* name, TgaStatus failure) {
    const char* why = failure == TgaStatus::ColourMapped ? "colour-mapped images are not supported"
                      : failure == TgaStatus::Unsupported
                          ? "unsupported image type, depth or size"
                          : "cannot be opened, or holds less than its header promises";
    return std::string("ERROR: reading ") + name + " (" + why + ")";
}

TEST_P(TgaDefect, IsRefusedWithItsKindAndMessageAndLeavesTheImageEmpty) {
    const Defect& defect = GetParam();
    const long long declared = static_cast<long long>(defect.header.width) * defect.header.height *
                               (defect.header.bitsPerPixel / 8);
    const long long dataBytes = defect.dataBytes >= 0 ? defect.dataBytes : declared;
    const std::string file = HeaderBytes(defect.header) + Pattern(static_cast<size_t>(dataBytes));
    TgaImage image;
    const Status status = image.Decode(AsBytes(file), "defect.tga");
    EXPECT_EQ(TgaStatusOf(status), defect.expected);
    EXPECT_EQ(status.message(), ReadMessage("defect.tga", defect.expected));
    ExpectEmpty(image);
    // The view in place makes the same checks.
    TgaPixels view;
    std::uint8_t descriptor = 1;
    EXPECT_EQ(TgaStatusOf(ViewTga(AsBytes(file), "defect.tga", view, descriptor)), defect.expected);
    EXPECT_EQ(view.pixels, nullptr);
    EXPECT_EQ(view.ByteCount(), 0u);
    EXPECT_EQ(descriptor, 0);
}

INSTANTIATE_TEST_SUITE_P(Headers, TgaDefect, ::testing::ValuesIn(kDefects),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TgaImage, RefusesEveryPrefixOfAValidFile) {
    TempWorkingFolder folder;
    // An ID field and pixel data, so every part of the file has its prefixes.
    const std::string whole =
        HeaderBytes({.idLength = 3, .width = 5, .height = 3}) + "abc" + Pattern(5 * 3 * 3);
    for (size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        WriteFileBytes("prefix.tga", whole.substr(0, length));
        ASSERT_EQ(fs::file_size("prefix.tga"), length);
        TgaImage image;
        const Status status = image.Load("prefix.tga");
        EXPECT_EQ(TgaStatusOf(status), TgaStatus::FileError);
        EXPECT_EQ(status.message(), ReadMessage("prefix.tga", TgaStatus::FileError));
        ExpectEmpty(image);
        TgaMappedFile mapped;
        EXPECT_EQ(mapped.Open("prefix.tga").message(), status.message());
    }
    WriteFileBytes("prefix.tga", whole);
    TgaImage image;
    EXPECT_TRUE(image.Load("prefix.tga").ok());
}

TEST(TgaImage, RefusesAHugeClaimBeforeAllocatingForIt) {
    TempWorkingFolder folder;
    // A 30-byte file that claims 32767 × 32767 × 4 bytes (almost 4 GiB).
    WriteFileBytes("claim.tga", HeaderBytes({.width = 32767, .height = 32767, .bitsPerPixel = 32}) +
                                    std::string(12, 'p'));
    const std::string claim = ReadFileBytes("claim.tga");
    largestArray = 0;
    TgaImage image;
    EXPECT_EQ(TgaStatusOf(image.Load("claim.tga")), TgaStatus::FileError);
    EXPECT_EQ(TgaStatusOf(image.Decode(AsBytes(claim))), TgaStatus::FileError);
    EXPECT_LT(largestArray.load(), size_t{1} << 20);

    // The tracker sees the block of a file that does hold its pixels.
    WriteFileBytes("real.tga", HeaderBytes({.width = 300, .height = 200}) + Pattern(300 * 200 * 3));
    EXPECT_TRUE(image.Load("real.tga").ok());
    EXPECT_GE(largestArray.load(), size_t{300 * 200 * 3});
}

TEST(TgaImage, MissingFileIsAFileError) {
    TempWorkingFolder folder;
    TgaImage image;
    EXPECT_EQ(image.Load("absent.tga").message(), ReadMessage("absent.tga", TgaStatus::FileError));
    EXPECT_EQ(TgaStatusOf(image.Load(".")), TgaStatus::FileError);
    ExpectEmpty(image);
}

TEST(TgaImage, ReleaseEmptiesAndIsHarmlessWhenRepeated) {
    TgaImage empty;
    empty.Release();
    empty.Release();
    ExpectEmpty(empty);

    TgaImage image = ImageOf(Bgr24, 4, 3);
    image.Release();
    ExpectEmpty(image);
    image.Release();
    ExpectEmpty(image);
    EXPECT_EQ(image.ByteCount(), 0u);
}

TEST(TgaImage, MovingHandsTheBlockOverAndEmptiesTheSource) {
    TgaImage source = ImageOf(Grey8, 4, 3);
    const std::uint8_t* block = source.pixels.get();
    TgaImage moved(std::move(source));
    ExpectEmpty(source);
    EXPECT_EQ(moved.pixels.get(), block);
    EXPECT_EQ(moved.ByteCount(), 12u);

    TgaImage assigned = ImageOf(Bgr24, 1, 1);
    assigned = std::move(moved);
    ExpectEmpty(moved);
    EXPECT_EQ(assigned.format, Grey8);
    EXPECT_EQ(assigned.pixels.get(), block);
}

TEST(TgaImage, ByteCountIsComputedInSixtyFourBits) {
    TgaImage image;
    image.format = Bgra32;
    image.width = 32767;
    image.height = 32767;
    EXPECT_EQ(image.ByteCount(), size_t{32767} * 32767 * 4);
    image.format = 9;
    EXPECT_EQ(image.ByteCount(), 0u);
    image.format = Bgr24;
    image.width = -2;
    EXPECT_EQ(image.ByteCount(), 0u);
}

TEST(TgaImage, SaveRefusesImagesItCannotDescribeAndKeepsTheOldFile) {
    TempWorkingFolder folder;
    struct Row {
        const char* name;
        std::int32_t format;
        int width;
        int height;
        bool withBlock;
    };
    const Row rows[] = {
        {"empty image", 0, 0, 0, false},
        {"not a format", 7, 4, 4, true},
        {"no block", Bgr24, 4, 4, false},
        {"width 0", Bgr24, 0, 4, true},
        {"negative height", Bgr24, 4, -4, true},
        {"width beyond 16 bits", Grey8, 32768, 1, true},
        {"height far beyond 16 bits", Grey8, 1, 70000, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFileBytes("keep.tga", "old contents");
        TgaImage image;
        image.format = row.format;
        image.width = row.width;
        image.height = row.height;
        // A block of at least what the image claims, so only the sizes can be refused.
        if (row.withBlock) {
            image.pixels = std::make_unique<std::uint8_t[]>(
                std::max<size_t>(1, static_cast<size_t>(std::abs(row.width * row.height)) * 4));
        }
        EXPECT_EQ(TgaStatusOf(image.Save("keep.tga")), TgaStatus::Unsupported);
        EXPECT_EQ(ReadFileBytes("keep.tga"), "old contents");
    }
    // The largest side the header holds is fine.
    EXPECT_TRUE(ImageOf(Grey8, 32767, 1).Save("wide.tga").ok());
}

TEST(TgaImage, SaveIntoAMissingFolderIsAFileError) {
    TempWorkingFolder folder;
    EXPECT_EQ(TgaStatusOf(ImageOf(Bgr24, 2, 2).Save("no-such-folder/out.tga")),
              TgaStatus::FileError);
    EXPECT_FALSE(fs::exists("no-such-folder"));
}

#ifndef _WIN32
TEST(TgaImage, SaveReportsAFullDiskAndLeavesTheDeviceAlone) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    const Status status = ImageOf(Bgr24, 64, 64).Save("/dev/full");
    EXPECT_EQ(TgaStatusOf(status), TgaStatus::FileError);
    EXPECT_EQ(status.message(), "ERROR: writing /dev/full (No space left on device)");
    struct stat info;
    ASSERT_EQ(stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

// Sets the largest file this process may write, and makes exceeding it a
// failed write instead of a signal, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool ok_ = false;
};

TEST(TgaImage, SaveThatRunsOutOfSpaceRemovesThePartialFile) {
    TempWorkingFolder folder;
    const TgaImage image = ImageOf(Bgr24, 100, 100);
    Status status;
    {
        FileSizeLimit limit(1000);
        if (!limit.ok()) GTEST_SKIP() << "cannot limit the file size here";
        status = image.Save("partial.tga");
    }
    EXPECT_EQ(TgaStatusOf(status), TgaStatus::FileError);
    EXPECT_FALSE(fs::exists("partial.tga"));
    EXPECT_TRUE(image.Save("partial.tga").ok());
}

// The old file stays whole until the new one is: a program ended half-way
// through a write leaves at most a ".partial" file beside it.
TEST(TgaImage, SaveReplacesAFileOnlyWhenTheNewOneIsComplete) {
    TempWorkingFolder folder;
    WriteFileBytes("kept.tga", "old contents");
    const TgaImage image = ImageOf(Bgr24, 100, 100);
    Status status;
    {
        FileSizeLimit limit(1000);
        if (!limit.ok()) GTEST_SKIP() << "cannot limit the file size here";
        status = image.Save("kept.tga");
    }
    EXPECT_EQ(TgaStatusOf(status), TgaStatus::FileError);
    EXPECT_EQ(ReadFileBytes("kept.tga"), "old contents");
    EXPECT_FALSE(fs::exists("kept.tga.partial"));
    ASSERT_TRUE(image.Save("kept.tga").ok());
    EXPECT_EQ(ReadFileBytes("kept.tga").size(), 18u + 100 * 100 * 3);
    EXPECT_FALSE(fs::exists("kept.tga.partial"));
}
#endif

// A map written a band at a time is the file Save writes of the whole image.
TEST(TgaFileWriter, PiecesMakeTheFileThatSaveMakes) {
    TempWorkingFolder folder;
    const TgaImage image = ImageOf(Bgr24, 9, 7, 3);
    ASSERT_TRUE(image.Save("whole.tga").ok());
    {
        TgaFileWriter writer;
        ASSERT_TRUE(writer.Begin("pieces.tga", Bgr24, 9, 7).ok());
        const std::string block = BlockOf(image);
        for (size_t at = 0; at < block.size(); at += 40) {
            ASSERT_TRUE(writer.Write(block.data() + at, std::min<size_t>(40, block.size() - at)));
        }
        EXPECT_FALSE(fs::exists("pieces.tga"));  // not under its name until complete
        ASSERT_TRUE(writer.Finish().ok());
    }
    EXPECT_EQ(ReadFileBytes("pieces.tga"), ReadFileBytes("whole.tga"));
    EXPECT_FALSE(fs::exists("pieces.tga.partial"));
}

// Too few or too many pixel bytes, or a writer that never finishes, leave the
// old file as it was and nothing beside it; what Save refuses, Begin refuses
// before anything is created.
TEST(TgaFileWriter, AnIncompleteFileIsNeverLeftBehind) {
    TempWorkingFolder folder;
    const std::string pixels = Pattern(4 * 3 * 3);
    for (const size_t count : {pixels.size() - 1, pixels.size() + 1, size_t{0}}) {
        SCOPED_TRACE(count);
        WriteFileBytes("kept.tga", "old contents");
        TgaFileWriter writer;
        ASSERT_TRUE(writer.Begin("kept.tga", Bgr24, 4, 3).ok());
        const std::string bytes = pixels + "x";
        writer.Write(bytes.data(), count);
        EXPECT_EQ(TgaStatusOf(writer.Finish()), TgaStatus::FileError);
        EXPECT_EQ(ReadFileBytes("kept.tga"), "old contents");
        EXPECT_FALSE(fs::exists("kept.tga.partial"));
    }
    {
        TgaFileWriter writer;
        ASSERT_TRUE(writer.Begin("kept.tga", Bgr24, 4, 3).ok());
        writer.Write(pixels.data(), 10);
    }
    EXPECT_EQ(ReadFileBytes("kept.tga"), "old contents");
    EXPECT_FALSE(fs::exists("kept.tga.partial"));

    TgaFileWriter writer;
    EXPECT_EQ(TgaStatusOf(writer.Begin("new.tga", Bgr24, 0, 3)), TgaStatus::Unsupported);
    EXPECT_EQ(TgaStatusOf(writer.Begin("new.tga", Bgr24, 32768, 1)), TgaStatus::Unsupported);
    EXPECT_EQ(TgaStatusOf(writer.Begin("new.tga", 3, 4, 3)), TgaStatus::Unsupported);
    EXPECT_FALSE(fs::exists("new.tga.partial"));
    EXPECT_EQ(TgaStatusOf(writer.Begin("no/such/folder.tga", Bgr24, 4, 3)), TgaStatus::FileError);
    EXPECT_EQ(TgaStatusOf(writer.Finish()), TgaStatus::FileError);
}

// A mapped file is the loaded image, byte for byte, with the header's
// descriptor beside it; a missing file or a folder is a FileError.
TEST(TgaMappedFile, SeesWhatLoadReads) {
    TempWorkingFolder folder;
    struct Case {
        Header header;
        std::string after;  // bytes after the pixel data
    };
    const Case cases[] = {
        {{}, ""},
        {{.idLength = 3, .width = 5, .height = 3, .descriptor = 0x20}, "trailing bytes"},
        {{.imageType = 3, .width = 7, .height = 2, .bitsPerPixel = 8, .descriptor = 0x10}, ""},
        {{.width = 2, .height = 9, .bitsPerPixel = 32, .descriptor = 0x08}, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header.bitsPerPixel);
        const size_t bytes = static_cast<size_t>(c.header.width * c.header.height *
                                                 (c.header.bitsPerPixel / 8));
        WriteFileBytes("map.tga", HeaderBytes(c.header) + std::string(c.header.idLength, 'i') +
                                      Pattern(bytes, c.header.width) + c.after);
        TgaImage image;
        ASSERT_TRUE(image.Load("map.tga").ok());
        TgaMappedFile mapped;
        ASSERT_TRUE(mapped.Open("map.tga").ok());
        const TgaPixels& pixels = mapped.Pixels();
        EXPECT_EQ(pixels.format, image.format);
        EXPECT_EQ(pixels.width, image.width);
        EXPECT_EQ(pixels.height, image.height);
        ASSERT_EQ(pixels.ByteCount(), image.ByteCount());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(pixels.pixels), pixels.ByteCount()),
                  BlockOf(image));
        EXPECT_EQ(mapped.Descriptor(), c.header.descriptor);
        // Opened again, on another file, it lets go of the first.
        ASSERT_EQ(TgaStatusOf(mapped.Open("missing.tga")), TgaStatus::FileError);
        EXPECT_EQ(mapped.Pixels().pixels, nullptr);
    }
    fs::create_directory("folder.tga");
    TgaMappedFile mapped;
    EXPECT_EQ(TgaStatusOf(mapped.Open("folder.tga")), TgaStatus::FileError);
}

#ifdef __linux__
// Pages of this process in memory, as the system counts them.
size_t ResidentPages() {
    size_t total = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%zu %zu", &total, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident;
}

// A map above the populate limit is read page by page, and the rows its
// reader has finished with leave memory while staying readable.
TEST(TgaMappedFile, AHugeMapGivesBackTheRowsItIsDoneWith) {
    TempWorkingFolder folder;
    // 32767 × 8193 grey pixels: just above the limit, and a sparse file.
    const Header header{.imageType = 3, .width = 32767, .height = 8193, .bitsPerPixel = 8};
    const std::uint64_t bytes = 18 + std::uint64_t{32767} * 8193;
    ASSERT_GT(bytes, kTgaPopulateLimit);
    WriteFileBytes("huge.tga", HeaderBytes(header));
    ASSERT_EQ(::truncate("huge.tga", static_cast<off_t>(bytes)), 0);

    const size_t before = ResidentPages();
    TgaMappedFile mapped;
    ASSERT_TRUE(mapped.Open("huge.tga").ok());
    const TgaPixels& pixels = mapped.Pixels();
    const size_t band = size_t{512} * 32767;  // 16 MiB of rows
    auto readBand = [&] {
        unsigned sum = 0;
        for (size_t at = 0; at < band; at += 4096) sum += pixels.pixels[at];
        return sum;
    };
    EXPECT_EQ(readBand(), 0u);
    const size_t read = ResidentPages();
    EXPECT_GT(read, before + band / 4096 / 2) << "the rows were not read in";

    mapped.ReleaseRows(0, 512);
    EXPECT_LT(ResidentPages(), before + band / 4096 / 4);
    EXPECT_EQ(readBand(), 0u);  // still readable
}
#endif

}  // namespace
