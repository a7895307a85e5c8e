#include "painter/paint/primary_maps.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/paint_test_files.h"
#include "tests/support/thread_count.h"

using paint_test::MakeField;
using paint_test::SetTable;
using ThreadCount = testing_support::ScopedThreadCount;

namespace {

// A texture in which every texel says where it is: blue and green the low
// bytes of its column and row, red their high bits.
TgaImage PositionTexture() {
    TgaImage image = TgaImage::Make(Bgr24, MaterialSize, MaterialSize);
    for (int ty = 0; ty < MaterialSize; ++ty) {
        for (int tx = 0; tx < MaterialSize; ++tx) {
            std::uint8_t* texel =
                image.pixels.get() + (static_cast<std::size_t>(ty) * MaterialSize + tx) * 3;
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

// Both maps as the sink receives them, band after band, in file order.
struct Maps {
    std::string detail, colour;
};

Maps Paint(const MaterialSet& materials, const HeightField& field, std::int32_t side, bool mirror,
           std::size_t bandRows = 0) {
    Maps maps;
    Progress progress;
    const std::size_t rowBytes = static_cast<std::size_t>(side) * 3;
    PaintPrimaryMaps(
        materials, field, side, mirror, progress,
        [&](const std::uint8_t* detail, const std::uint8_t* colour, std::size_t rows) {
            maps.detail.append(reinterpret_cast<const char*>(detail), rows * rowBytes);
            maps.colour.append(reinterpret_cast<const char*>(colour), rows * rowBytes);
        },
        bandRows);
    return maps;
}

// A material set of three textures whose weights the tables make the same
// at every texel: steep = the angle table's value, and the rest split by the
// height table's.
MaterialSet Materials(TgaImage low, TgaImage high, TgaImage steep, float heightTable = 0.0f,
                      float angleTable = 0.0f) {
    MaterialSet set{std::move(steep), std::move(high), std::move(low), {}, {}};
    SetTable(set.heightGradient, heightTable);
    SetTable(set.angleGradient, angleTable);
    return set;
}

// Any height field: with constant tables its values do not matter.
const HeightField& AnyField() {
    static const HeightField field = MakeField(9, 100.0f, 30.0f, 0.2f);
    return field;
}

// Bytes of weight texel (x, y) of a written map: the files store row S - 1 first.
std::string Texel(const std::string& file, std::int32_t side, std::int32_t x, std::int32_t y) {
    const std::size_t row = static_cast<std::size_t>(side - 1 - y);
    return file.substr((row * side + x) * 3, 3);
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
        std::int32_t at;        // a map column, and the same map row
        int textureCoordinate;  // what the texture gives there
    };
    const Case cases[] = {
        {1536, false, 511, 511},
        {1536, false, 512, 0},
        {1536, false, 1535, 511},
        {1536, true, 511, 511},
        {1536, true, 512, 511},
        {1536, true, 1023, 0},
        {1536, true, 1024, 0},
        {1536, true, 1535, 511},
        // A side that is not a multiple of 512 ends with part of a repetition.
        {796, false, 600, 88},
        {796, true, 600, 423},
        {796, true, 795, 228},
    };
    const MaterialSet materials = Materials(PositionTexture(), PlainTexture(0), PlainTexture(0));
    std::int32_t lastSide = 0;
    bool lastMirror = false;
    std::string colour;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "side " << c.side << (c.mirror ? " mirrored" : "") << " at " << c.at);
        if (c.side != lastSide || c.mirror != lastMirror) {
            colour = Paint(materials, AnyField(), c.side, c.mirror).colour;
            ASSERT_EQ(colour.size(), static_cast<std::size_t>(c.side) * c.side * 3);
            lastSide = c.side;
            lastMirror = c.mirror;
        }
        EXPECT_EQ(TextureX(Texel(colour, c.side, c.at, 0)), c.textureCoordinate);
        EXPECT_EQ(TextureY(Texel(colour, c.side, 0, c.at)), c.textureCoordinate);
    }
}

TEST(PrimaryMaps, MixesTheMaterialsAndTruncates) {
    struct Case {
        float heightTable, angleTable;  // low (1 - h)(1 - a), high (1 - a) h, steep a
        std::string colour, detail;
    };
    // Textures: low 255, high 0, steep 100 in every byte.
    const Case cases[] = {
        {0.0f, 0.0f, Bytes(255, 255, 255), Bytes(0, 0, 255)},
        {0.0f, 1.0f, Bytes(100, 100, 100), Bytes(255, 0, 0)},
        {0.5f, 0.0f, Bytes(127, 127, 127), Bytes(0, 127, 127)},  // 127.5 truncated
        {0.0f, 0.999f, Bytes(100, 100, 100), Bytes(254, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.heightTable << " " << c.angleTable);
        const Maps maps = Paint(Materials(PlainTexture(255), PlainTexture(0), PlainTexture(100),
                                          c.heightTable, c.angleTable),
                                AnyField(), 8, false);
        EXPECT_EQ(Texel(maps.colour, 8, 3, 5), c.colour);
        EXPECT_EQ(Texel(maps.detail, 8, 3, 5), c.detail);
    }
}

TEST(PrimaryMaps, CopiesThePureLowTextureExactly) {
    const MaterialSet materials = Materials(PositionTexture(), PlainTexture(0), PlainTexture(0));
    const std::string colour = Paint(materials, AnyField(), 512, true).colour;
    for (std::int32_t y = 0; y < 512; ++y) {
        const std::size_t row = static_cast<std::size_t>(511 - y);
        const std::string expected(
            reinterpret_cast<const char*>(materials.lowTexture.pixels.get()) + y * 512 * 3,
            512 * 3);
        ASSERT_EQ(colour.substr(row * 512 * 3, 512 * 3), expected) << "row " << y;
    }
}

TEST(PrimaryMaps, StoresTheLastWeightRowFirst) {
    // Only the last grid row is vertical, and only a slope that close to 1
    // turns steep: weight row S - 1 is all steep, row S - 2 all low.
    MaterialSet materials = Materials(PlainTexture(0), PlainTexture(0), PlainTexture(0));
    materials.angleGradient.entries[510] = materials.angleGradient.entries[511] = 1.0f;
    HeightField field = MakeField(6, 100.0f, 0.0f, 0.0f);
    std::fill(field.normalMap.end() - 6, field.normalMap.end(), 1.0f);
    const std::int32_t side = 20;
    const std::string detail = Paint(materials, field, side, false).detail;
    std::string steepRow, lowRow;
    for (int x = 0; x < side; ++x) steepRow += Bytes(255, 0, 0), lowRow += Bytes(0, 0, 255);
    EXPECT_EQ(detail.substr(0, side * 3), steepRow);
    EXPECT_EQ(detail.substr(side * 3, side * 3), lowRow);
}

TEST(PrimaryMaps, SameBytesForAnyNumberOfThreadsAndBands) {
    MaterialSet materials = Materials(PositionTexture(), PlainTexture(40), PlainTexture(200));
    for (int k = 0; k < kGradientSize; ++k) {
        materials.heightGradient.entries[k] = GradientEntry(static_cast<std::uint8_t>(k / 2));
        materials.angleGradient.entries[k] = GradientEntry(static_cast<std::uint8_t>(255 - k / 3));
    }
    HeightField field = MakeField(65, 5000.0f, 0.0f, 0.0f);
    for (std::size_t i = 0; i < field.heights.size(); ++i) {
        field.heights[i] = static_cast<float>((i * 7919) % 5000);
        field.normalMap[i] = static_cast<float>((i * 104729) % 1000) / 1000.0f;
    }
    const std::int32_t side = 700;
    Maps reference;
    {
        ThreadCount setting("1");
        reference = Paint(materials, field, side, true);
    }
    const struct {
        const char* threads;
        std::size_t bandRows;
    } runs[] = {{"2", 0}, {"5", 0}, {"1", 7}, {"3", 64}, {"2", 699}};
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << run.threads << " threads, bands of " << run.bandRows);
        ThreadCount setting(run.threads);
        const Maps maps = Paint(materials, field, side, true, run.bandRows);
        EXPECT_TRUE(maps.colour == reference.colour);
        EXPECT_TRUE(maps.detail == reference.detail);
    }
}

TEST(PrimaryMaps, StopsBeforeTheNextBandWhenAsked) {
    struct StopAfter : Progress {
        int bands;
        double reported = 0.0;
        void Advance(double fraction) override { reported = fraction, --bands; }
        bool StopRequested() override { return bands <= 0; }
    } progress;
    progress.bands = 2;
    const MaterialSet materials = Materials(PlainTexture(1), PlainTexture(2), PlainTexture(3));
    std::size_t rowsWritten = 0;
    EXPECT_THROW(PaintPrimaryMaps(
                     materials, AnyField(), 100, false, progress,
                     [&](const std::uint8_t*, const std::uint8_t*, std::size_t rows) {
                         rowsWritten += rows;
                     },
                     30),
                 JobStopped);
    EXPECT_EQ(rowsWritten, 60u);
    EXPECT_DOUBLE_EQ(progress.reported, 0.6);
}

}  // namespace
