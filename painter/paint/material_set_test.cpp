#include "painter/paint/material_set.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/paint_test_files.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using paint_test::FailureOf;
using paint_test::OpenWatch;
using paint_test::Picture;
using paint_test::Write;
using paint_test::WriteMaterialSet;
using testing_support::TempWorkingFolder;

namespace {

constexpr MaterialPaths kPaths{"data/grad_height.tga", "data/grad_angle.tga", "data/steep.tga",
                               "data/high.tga", "data/low.tga"};

// The material set in the order it is read.
const char* const kSetOrder[] = {"grad_height.tga", "grad_angle.tga", "steep.tga", "high.tga",
                                 "low.tga"};

std::string BlockOf(const TgaImage& image) {
    return std::string(reinterpret_cast<const char*>(image.pixels.get()), image.ByteCount());
}

TEST(MaterialSet, LoadsEachImage) {
    TempWorkingFolder folder;
    WriteMaterialSet();
    const MaterialSet painter = MaterialSet::Load(kPaths);

    // Each texture is its own file's pixel data, byte for byte.
    struct Row {
        const TgaImage& texture;
        int step;
        int seed;
    };
    for (const Row& row : {Row{painter.steepTexture, 7, 1}, Row{painter.highTexture, 11, 2},
                           Row{painter.lowTexture, 13, 3}}) {
        EXPECT_EQ(row.texture.format, Bgr24);
        EXPECT_EQ(row.texture.width, MaterialSize);
        EXPECT_EQ(row.texture.height, MaterialSize);
        EXPECT_EQ(BlockOf(row.texture),
                  BlockOf(Picture(Bgr24, MaterialSize, MaterialSize, row.step, row.seed)));
    }
    // The height gradient is a ramp of bytes k, the angle gradient bytes 3k + 5.
    for (int k = 0; k < kGradientSize; ++k) {
        ASSERT_EQ(painter.heightGradient[k], GradientEntry(static_cast<std::uint8_t>(k)));
        ASSERT_EQ(painter.angleGradient[k], GradientEntry(static_cast<std::uint8_t>(k * 3 + 5)));
    }
}

// One row per broken file: the message, and how many files of the set were
// opened before the failure (the broken one included when it exists).
struct Broken {
    const char* name;
    const char* file;
    const char* message;
    int opened;
};

const Broken kBroken[] = {
    {"HeightGradientMissing", "grad_height.tga", "ERROR: opening \"data/grad_height.tga\"", 0},
    {"AngleGradientMissing", "grad_angle.tga", "ERROR: opening \"data/grad_angle.tga\"", 1},
    {"SteepMissing", "steep.tga", "ERROR: reading \"data/steep.tga\"", 2},
    {"HighMissing", "high.tga", "ERROR: reading \"data/high.tga\"", 3},
    {"LowMissing", "low.tga", "ERROR: reading \"data/low.tga\"", 4},
    {"HeightGradientShort", "grad_height.tga", "ERROR: opening \"data/grad_height.tga\"", 1},
    {"AngleGradientColourMapped", "grad_angle.tga", "ERROR: opening \"data/grad_angle.tga\"", 2},
    {"SteepTooSmall", "steep.tga", "ERROR: reading \"data/steep.tga\"", 3},
    {"HighGrey", "high.tga", "ERROR: reading \"data/high.tga\"", 4},
    {"LowWithAlpha", "low.tga", "ERROR: reading \"data/low.tga\"", 5},
    {"LowOneRowShort", "low.tga", "ERROR: reading \"data/low.tga\"", 5},
    {"SteepTruncated", "steep.tga", "ERROR: reading \"data/steep.tga\"", 3},
};

void PrintTo(const Broken& broken, std::ostream* out) { *out << broken.name; }

class MaterialSetBroken : public ::testing::TestWithParam<Broken> {};

TEST_P(MaterialSetBroken, FailsWithThatFilesMessageAndOpensNoLaterFile) {
    TempWorkingFolder folder;
    WriteMaterialSet();
    const Broken& broken = GetParam();
    const std::string path = std::string("data/") + broken.file;
    const std::string name = broken.name;
    if (name.ends_with("Missing")) fs::remove(path);
    if (name == "HeightGradientShort") Write(Picture(Grey8, 500, 1), path.c_str());
    if (name == "AngleGradientColourMapped") {
        std::string bytes = testing_support::ReadFileBytes(path);
        bytes[1] = 1;
        testing_support::WriteFileBytes(path, bytes);
    }
    if (name == "SteepTooSmall") Write(Picture(Bgr24, 256, 256), path.c_str());
    if (name == "HighGrey") Write(Picture(Grey8, 512, 512), path.c_str());
    if (name == "LowWithAlpha") Write(Picture(Bgra32, 512, 512), path.c_str());
    if (name == "LowOneRowShort") Write(Picture(Bgr24, 512, 511), path.c_str());
    if (name == "SteepTruncated") {
        const std::string bytes = testing_support::ReadFileBytes(path);
        testing_support::WriteFileBytes(path, bytes.substr(0, bytes.size() - 1));
    }

    OpenWatch watch("data");
    EXPECT_EQ(FailureOf([] { MaterialSet::Load(kPaths); }), broken.message);
    if (auto opened = watch.Opened()) {
        EXPECT_EQ(*opened, std::vector<std::string>(kSetOrder, kSetOrder + broken.opened));
    }
}

INSTANTIATE_TEST_SUITE_P(MaterialSet, MaterialSetBroken, ::testing::ValuesIn(kBroken),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MaterialSet, OpensTheSetInItsOrderEachFileOnce) {
    TempWorkingFolder folder;
    WriteMaterialSet();
    OpenWatch watch("data");
    MaterialSet::Load(kPaths);
    auto opened = watch.Opened();
    if (!opened) GTEST_SKIP() << "file opens cannot be watched on this system";
    EXPECT_EQ(*opened, std::vector<std::string>(std::begin(kSetOrder), std::end(kSetOrder)));
}

}  // namespace
