#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/platform/platform.h"
#include "painter/paint/paint_fixture.h"

namespace fs = std::filesystem;
using testing_support::ReadFileBytes;

namespace {

constexpr std::size_t kHeader = 18;
constexpr std::size_t kTexels = 512 * 512;

// Each converter command, with the sizes of the temporary images at that moment.
std::vector<std::string> commands;
int RecordCommand(const char* line) {
    std::string event = line;
    for (const char* name : {"ctemp.tga", "dtemp.tga"}) {
        if (fs::exists(name)) event += std::string(" [") + name + "]";
    }
    commands.push_back(event);
    return 0;
}

class SurroundingMaps : public ::testing::Test {
protected:
    void SetUp() override {
        commands.clear();
        previous_ = platform::ReplaceCommandRunner(RecordCommand);
    }
    void TearDown() override { platform::ReplaceCommandRunner(previous_); }

    // Weights that vary over the map and add up to 1.
    void SetVaryingPlanes(TerrainPainter& painter, std::int32_t side) {
        const std::size_t count = static_cast<std::size_t>(side) * side;
        painter.outputSize = side;
        painter.lowWeight = std::make_unique<float[]>(count);
        painter.highWeight = std::make_unique<float[]>(count);
        painter.steepWeight = std::make_unique<float[]>(count);
        for (std::size_t i = 0; i < count; ++i) {
            const float steep = static_cast<float>(i % 257) / 256.0f;
            const float high = (1.0f - steep) * static_cast<float>(i % 19) / 18.0f;
            painter.steepWeight[i] = steep;
            painter.highWeight[i] = high;
            painter.lowWeight[i] = (1.0f - steep) - high;
        }
    }

    PaintFixture fixture_;
    platform::CommandRunner previous_ = nullptr;
};

TEST_F(SurroundingMaps, WritesBothImagesThenConvertsColourBeforeLowDetail) {
    TerrainPainter& painter = fixture_.painter();
    SetVaryingPlanes(painter, 512);
    painter.WriteSurroundingMaps("3");
    EXPECT_EQ(commands, (std::vector<std::string>{
                            "nvdxt -file ctemp.tga -output colormaps/tx_s3.dds -u8888 -nomipmap "
                            "[ctemp.tga] [dtemp.tga]",
                            "nvdxt -file dtemp.tga -output lowdetailmaps/tx_s3.dds -u8888 "
                            "-nomipmap [ctemp.tga] [dtemp.tga]"}));
    EXPECT_EQ(ReadFileBytes("ctemp.tga").size(), kHeader + kTexels * 3);
}

TEST_F(SurroundingMaps, LowDetailHasNoGreenAndBlueAndRedFillTheByte) {
    TerrainPainter& painter = fixture_.painter();
    SetVaryingPlanes(painter, 512);
    painter.WriteSurroundingMaps("0");
    const std::string detail = ReadFileBytes("dtemp.tga");
    ASSERT_EQ(detail.size(), kHeader + kTexels * 3);
    for (std::size_t t = 0; t < kTexels; ++t) {
        const auto blue = static_cast<std::uint8_t>(detail[kHeader + t * 3]);
        const auto green = static_cast<std::uint8_t>(detail[kHeader + t * 3 + 1]);
        const auto red = static_cast<std::uint8_t>(detail[kHeader + t * 3 + 2]);
        ASSERT_EQ(green, 0) << "texel " << t;
        ASSERT_TRUE(blue + red == 254 || blue + red == 255) << "texel " << t;
    }
}

TEST_F(SurroundingMaps, UsesEachTextureTexelOnceWhereverItLies) {
    // Pure steep weight on a texture that says where each texel is: the
    // colour map is the texture, rows stored from the last one.
    TerrainPainter& painter = fixture_.painter();
    SetVaryingPlanes(painter, 512);
    std::fill(painter.steepWeight.get(), painter.steepWeight.get() + kTexels, 1.0f);
    std::fill(painter.lowWeight.get(), painter.lowWeight.get() + kTexels, 0.0f);
    std::fill(painter.highWeight.get(), painter.highWeight.get() + kTexels, 0.0f);
    painter.WriteSurroundingMaps("7");
    const std::string colour = ReadFileBytes("ctemp.tga");
    const std::string detail = ReadFileBytes("dtemp.tga");
    const auto* steep = reinterpret_cast<const char*>(painter.steepTexture.pixels.get());
    for (std::size_t y = 0; y < 512; ++y) {
        ASSERT_EQ(colour.compare(kHeader + (511 - y) * 512 * 3, 512 * 3, steep + y * 512 * 3, 512 * 3), 0)
            << "weight row " << y;
    }
    EXPECT_EQ(detail.substr(kHeader, 3), std::string("\xFF\0\0", 3));
}

TEST_F(SurroundingMaps, RefusesPlanesOfAnotherSizeBeforeWritingAnything) {
    TerrainPainter& painter = fixture_.painter();
    SetVaryingPlanes(painter, 1024);
    EXPECT_EQ(paint_test::FailureOf([&] { painter.WriteSurroundingMaps("0"); }),
              "ERROR: secondary size != 512");
    EXPECT_FALSE(fs::exists("ctemp.tga"));
    EXPECT_FALSE(fs::exists("dtemp.tga"));
    EXPECT_TRUE(commands.empty());
}

TEST_F(SurroundingMaps, AnUnwritableTemporaryImageIsNotConverted) {
    TerrainPainter& painter = fixture_.painter();
    SetVaryingPlanes(painter, 512);
    for (const char* name : {"ctemp.tga", "dtemp.tga"}) {
        SCOPED_TRACE(name);
        commands.clear();
        fs::remove("ctemp.tga");
        fs::remove("dtemp.tga");
        fs::create_directory(name);
        EXPECT_EQ(paint_test::FailureOf([&] { painter.WriteSurroundingMaps("1"); }),
                  std::string("ERROR: writing \"") + name + "\"");
        EXPECT_TRUE(commands.empty());
        fs::remove(name);
    }
}

}  // namespace
