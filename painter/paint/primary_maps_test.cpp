#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "painter/paint/paint_fixture.h"

namespace fs = std::filesystem;
using testing_support::ReadFileBytes;

namespace {

constexpr std::size_t kHeader = 18;

// A texture in which every texel says where it is: blue and green the low
// bytes of its column and row, red their high bits.
TgaImage PositionTexture() {
    TgaImage image = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
    for (int ty = 0; ty < MaterialSize; ++ty) {
        for (int tx = 0; tx < MaterialSize; ++tx) {
            std::uint8_t* texel = image.pixels.get() + (static_cast<std::size_t>(ty) * MaterialSize + tx) * 3;
            texel[0] = static_cast<std::uint8_t>(tx & 255);
            texel[1] = static_cast<std::uint8_t>(ty & 255);
            texel[2] = static_cast<std::uint8_t>((tx >> 8) | ((ty >> 8) << 1));
        }
    }
    return image;
}

TgaImage PlainTexture(std::uint8_t value) {
    TgaImage image = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
    std::fill(image.pixels.get(), image.pixels.get() + image.ByteCount(), value);
    return image;
}

// Planes of the given side with the same weights everywhere.
void SetPlanes(TerrainPainter& painter, std::int32_t side, float low, float high, float steep) {
    const std::size_t count = static_cast<std::size_t>(side) * side;
    painter.outputSize = side;
    painter.lowWeight = std::make_unique<float[]>(count);
    painter.highWeight = std::make_unique<float[]>(count);
    painter.steepWeight = std::make_unique<float[]>(count);
    std::fill(painter.lowWeight.get(), painter.lowWeight.get() + count, low);
    std::fill(painter.highWeight.get(), painter.highWeight.get() + count, high);
    std::fill(painter.steepWeight.get(), painter.steepWeight.get() + count, steep);
}

// Bytes of weight texel (x, y) of a written map: the files store row S - 1 first.
std::string Texel(const std::string& file, std::int32_t side, std::int32_t x, std::int32_t y) {
    const std::size_t row = static_cast<std::size_t>(side - 1 - y);
    return file.substr(kHeader + (row * side + x) * 3, 3);
}

std::string Bytes(int b, int g, int r) {
    return std::string{static_cast<char>(b), static_cast<char>(g), static_cast<char>(r)};
}

// The texture coordinate the position texture's texel says it came from.
int TextureX(const std::string& texel) {
    return static_cast<std::uint8_t>(texel[0]) | ((static_cast<std::uint8_t>(texel[2]) & 1) << 8);
}
int TextureY(const std::string& texel) {
    return static_cast<std::uint8_t>(texel[1]) | ((static_cast<std::uint8_t>(texel[2]) >> 1) << 8);
}

TEST(PrimaryMaps, RepeatsOrMirrorsTheTextureAlongColumnsAndRows) {
    struct Case {
        std::int32_t side;
        bool mirror;
        std::int32_t at;       // a map column, and the same map row
        int textureCoordinate;  // what the texture gives there
    };
    const Case cases[] = {
        {1536, false, 511, 511}, {1536, false, 512, 0},    {1536, false, 1535, 511},
        {1536, true, 511, 511},  {1536, true, 512, 511},   {1536, true, 1023, 0},
        {1536, true, 1024, 0},   {1536, true, 1535, 511},
        // A side that is not a multiple of 512 ends with part of a repetition.
        {796, false, 600, 88},   {796, true, 600, 423},    {796, true, 795, 228},
    };
    PaintFixture fixture;
    TerrainPainter& painter = fixture.painter();
    painter.lowTexture = PositionTexture();
    std::int32_t lastSide = 0;
    bool lastMirror = false;
    std::string colour;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "side " << c.side << (c.mirror ? " mirrored" : "")
                                        << " at " << c.at);
        if (c.side != lastSide || c.mirror != lastMirror) {
            SetPlanes(painter, c.side, 1.0f, 0.0f, 0.0f);
            painter.WritePrimaryMaps(c.mirror);
            colour = ReadFileBytes("colourbig.tga");
            ASSERT_EQ(colour.size(), kHeader + static_cast<std::size_t>(c.side) * c.side * 3);
            lastSide = c.side;
            lastMirror = c.mirror;
        }
        EXPECT_EQ(TextureX(Texel(colour, c.side, c.at, 0)), c.textureCoordinate);
        EXPECT_EQ(TextureY(Texel(colour, c.side, 0, c.at)), c.textureCoordinate);
    }
}

TEST(PrimaryMaps, MixesTheMaterialsAndTruncates) {
    struct Case {
        float low, high, steep;
        std::string colour, detail;
    };
    // Textures: low 255, high 0, steep 100 in every byte.
    const Case cases[] = {
        {1.0f, 0.0f, 0.0f, Bytes(255, 255, 255), Bytes(0, 0, 255)},
        {0.0f, 0.0f, 1.0f, Bytes(100, 100, 100), Bytes(255, 0, 0)},
        {0.5f, 0.5f, 0.0f, Bytes(127, 127, 127), Bytes(0, 127, 127)},  // 127.5 truncated
        {0.001f, 0.0f, 0.999f, Bytes(100, 100, 100), Bytes(254, 0, 0)},
    };
    PaintFixture fixture;
    TerrainPainter& painter = fixture.painter();
    painter.lowTexture = PlainTexture(255);
    painter.highTexture = PlainTexture(0);
    painter.steepTexture = PlainTexture(100);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << " " << c.high << " " << c.steep);
        SetPlanes(painter, 8, c.low, c.high, c.steep);
        painter.WritePrimaryMaps(false);
        EXPECT_EQ(Texel(ReadFileBytes("colourbig.tga"), 8, 3, 5), c.colour);
        EXPECT_EQ(Texel(ReadFileBytes("detailbig.tga"), 8, 3, 5), c.detail);
    }
}

TEST(PrimaryMaps, CopiesThePureLowTextureExactly) {
    PaintFixture fixture;
    TerrainPainter& painter = fixture.painter();
    painter.lowTexture = PositionTexture();
    SetPlanes(painter, 512, 1.0f, 0.0f, 0.0f);
    painter.WritePrimaryMaps(true);
    const std::string colour = ReadFileBytes("colourbig.tga");
    for (std::int32_t y = 0; y < 512; ++y) {
        const std::size_t row = static_cast<std::size_t>(511 - y);
        const std::string expected(reinterpret_cast<const char*>(painter.lowTexture.pixels.get()) + y * 512 * 3, 512 * 3);
        ASSERT_EQ(colour.substr(kHeader + row * 512 * 3, 512 * 3), expected) << "row " << y;
    }
}

TEST(PrimaryMaps, StoresTheLastWeightRowFirst) {
    PaintFixture fixture;
    TerrainPainter& painter = fixture.painter();
    const std::int32_t side = 20;
    SetPlanes(painter, side, 1.0f, 0.0f, 0.0f);
    for (std::int32_t x = 0; x < side; ++x) {
        painter.lowWeight[(side - 1) * side + x] = 0.0f;
        painter.steepWeight[(side - 1) * side + x] = 1.0f;
    }
    painter.WritePrimaryMaps(false);
    const std::string detail = ReadFileBytes("detailbig.tga");
    ASSERT_EQ(detail.substr(0, kHeader),
              std::string("\0\0\2\0\0\0\0\0\0\0\0\0\x14\0\x14\0\x18\0", kHeader));
    std::string steepRow, lowRow;
    for (int x = 0; x < side; ++x) steepRow += Bytes(255, 0, 0), lowRow += Bytes(0, 0, 255);
    EXPECT_EQ(detail.substr(kHeader, side * 3), steepRow);
    EXPECT_EQ(detail.substr(kHeader + side * 3, side * 3), lowRow);
}

TEST(PrimaryMaps, SameBytesForAnyNumberOfThreads) {
    PaintFixture fixture;
    TerrainPainter& painter = fixture.painter();
    painter.lowTexture = PositionTexture();
    const std::int32_t side = 700;
    SetPlanes(painter, side, 0.0f, 0.0f, 0.0f);
    for (std::size_t i = 0; i < static_cast<std::size_t>(side) * side; ++i) {
        const float steep = static_cast<float>(i % 101) / 100.0f;
        const float high = (1.0f - steep) * static_cast<float>(i % 37) / 36.0f;
        painter.steepWeight[i] = steep;
        painter.highWeight[i] = high;
        painter.lowWeight[i] = 1.0f - steep - high;
    }
    std::string colour, detail;
    for (const char* threads : {"1", "2", "5"}) {
        ThreadCount setting(threads);
        painter.WritePrimaryMaps(true);
        if (colour.empty()) {
            colour = ReadFileBytes("colourbig.tga");
            detail = ReadFileBytes("detailbig.tga");
        } else {
            EXPECT_TRUE(ReadFileBytes("colourbig.tga") == colour) << threads << " threads";
            EXPECT_TRUE(ReadFileBytes("detailbig.tga") == detail) << threads << " threads";
        }
    }
}

TEST(PrimaryMaps, AMapThatCannotBeWrittenEndsTheJob) {
    PaintFixture fixture;
    TerrainPainter& painter = fixture.painter();
    SetPlanes(painter, 4, 1.0f, 0.0f, 0.0f);
    fs::create_directory("colourbig.tga");
    EXPECT_EQ(paint_test::FailureOf([&] { painter.WritePrimaryMaps(false); }),
              "ERROR: writing \"colourbig.tga\"");
    EXPECT_TRUE(fs::is_regular_file("detailbig.tga"));
    fs::remove("colourbig.tga");
    fs::remove("detailbig.tga");
    fs::create_directory("detailbig.tga");
    EXPECT_EQ(paint_test::FailureOf([&] { painter.WritePrimaryMaps(false); }),
              "ERROR: writing \"detailbig.tga\"");
    EXPECT_FALSE(fs::exists("colourbig.tga"));
}

}  // namespace
