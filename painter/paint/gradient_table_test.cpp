#include "painter/paint/gradient_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>

#include "tests/support/paint_test_files.h"
#include "tests/support/temp_folder.h"

using paint_test::FailureOf;
using paint_test::Picture;
using paint_test::Write;
using testing_support::TempWorkingFolder;

namespace {

TEST(GradientEntry, ScalesBytesByTheFloatNearestToOneOver255) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(GradientEntry(1)), 0x3B808081u);
    EXPECT_EQ(GradientEntry(0), 0.0f);
    EXPECT_EQ(GradientEntry(255), 1.0f);
    // 128 is a power of two, so the product is the factor's bits shifted: 0.5019608.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(GradientEntry(128)), 0x3F008081u);
    for (int byte = 1; byte < 256; ++byte) {
        EXPECT_GT(GradientEntry(static_cast<std::uint8_t>(byte)),
                  GradientEntry(static_cast<std::uint8_t>(byte - 1)));
        EXPECT_LE(GradientEntry(static_cast<std::uint8_t>(byte)), 1.0f);
    }
}

TEST(GradientTable, TakesOneEntryPerByteFromTheStartOfThePixelBlock) {
    struct Row {
        const char* name;
        std::int32_t format;
        int width;
        int height;
    };
    // Wider, taller and colour images: only the first 512 stored bytes count,
    // channels interleaved, whatever lies after them.
    for (const Row& row :
         {Row{"512 x 1 grey", Grey8, 512, 1}, Row{"1024 x 1 grey", Grey8, 1024, 1},
          Row{"512 x 2 grey", Grey8, 512, 2}, Row{"171 x 1 colour", Bgr24, 171, 1},
          Row{"128 x 1 with alpha", Bgra32, 128, 1}, Row{"16 x 32 grey", Grey8, 16, 32}}) {
        SCOPED_TRACE(row.name);
        TgaImage image = Picture(row.format, row.width, row.height, 5, 3);
        std::memset(image.pixels.get() + 512, 255, image.ByteCount() - 512);

        GradientTable table;
        ASSERT_TRUE(GradientTable::FromImage(image, table));
        for (int k = 0; k < kGradientSize; ++k) {
            ASSERT_EQ(table[k], GradientEntry(static_cast<std::uint8_t>((k * 5 + 3) & 0xFF))) << k;
        }
    }
}

TEST(GradientTable, AllOnesAndAllZerosGiveExactlyOneAndZero) {
    TgaImage image = Picture(Grey8, 512, 1);
    GradientTable ones, zeros;
    std::memset(image.pixels.get(), 255, 512);
    ASSERT_TRUE(GradientTable::FromImage(image, ones));
    std::memset(image.pixels.get(), 0, 512);
    ASSERT_TRUE(GradientTable::FromImage(image, zeros));
    for (int k = 0; k < kGradientSize; ++k) {
        ASSERT_EQ(ones[k], 1.0f);
        ASSERT_EQ(zeros[k], 0.0f);
    }
}

TEST(GradientTable, RefusesWhatItCannotReadWithTheOpeningMessage) {
    TempWorkingFolder folder;
    // Too few bytes for 512 entries would be read past the block's end.
    Write(Picture(Grey8, 511, 1), "short.tga");
    Write(Picture(Bgr24, 170, 1), "short_colour.tga");
    Write(Picture(Grey8, 16, 16), "square.tga");
    std::string colourMapped = testing_support::ReadFileBytes("short.tga");
    colourMapped[1] = 1;
    testing_support::WriteFileBytes("mapped.tga", colourMapped);

    for (const char* path :
         {"absent.tga", "short.tga", "short_colour.tga", "square.tga", "mapped.tga"}) {
        EXPECT_EQ(FailureOf([&] { GradientTable::Load(path); }),
                  std::string("ERROR: opening \"") + path + "\"");
    }
}

}  // namespace
