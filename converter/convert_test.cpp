#include "converter/convert.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "common/image/tga_image.h"
#include "tests/support/run_program.h"
#include "tests/support/tga_bytes.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using program_testing::ProgramBesideTest;
using program_testing::ReadText;
using program_testing::RunAndWait;
using program_testing::TgaBytes;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

// A 3 × 2 Bgr24 picture stored bottom row first, as the painter writes it.
void SaveBottomUpPicture(const char* path) {
    TgaImage image = TgaImage::Make(Bgr24, 3, 2);
    const std::uint8_t stored[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    std::memcpy(image.pixels.get(), stored, sizeof stored);
    ASSERT_TRUE(image.Save(path).ok());
}

// Its DDS pixels: the top row (stored second) first, alpha 255.
const std::string kUprightPixels = {10, 11, 12, '\xFF', 13, 14, 15, '\xFF', 16, 17, 18, '\xFF',
                                    1,  2,  3,  '\xFF', 4,  5,  6,  '\xFF', 7,  8,  9,  '\xFF'};

void ExpectUprightDds(const fs::path& path) {
    const std::string file = ReadFileBytes(path);
    ASSERT_EQ(file.size(), 128u + kUprightPixels.size()) << path;
    EXPECT_EQ(file.substr(0, 4), "DDS ");
    EXPECT_EQ(file[12], 2);  // height
    EXPECT_EQ(file[16], 3);  // width
    EXPECT_EQ(file.substr(128), kUprightPixels);
}

TEST(ConvertTgaToDds, ReplacesAnOlderOutputAndLeavesNoTemporaryFile) {
    TempWorkingFolder folder;
    SaveBottomUpPicture("in.tga");
    WriteFileBytes("out.dds", "an older tile");
    EXPECT_TRUE(ConvertTgaToDds("in.tga", "out.dds").ok());
    ExpectUprightDds("out.dds");
    EXPECT_FALSE(fs::exists("out.dds.partial"));
}

TEST(ConvertTgaToDds, AFailureLeavesTheOlderOutputAsItWas) {
    struct FailureCase {
        const char* name;
        std::function<void()> setUp;
        const char* input;
        const char* output;
        const char* message;  // how the message begins
    };
    const FailureCase cases[] = {
        {"missing input", [] {}, "missing.tga", "out.dds", "ERROR: reading missing.tga ("},
        {"colour-mapped input", [] { WriteFileBytes("in.tga", TgaBytes(1, 8, 1, 1, 0, "x", 1)); },
         "in.tga", "out.dds", "ERROR: reading in.tga ("},
        {"input one byte short",
         [] { WriteFileBytes("in.tga", TgaBytes(2, 24, 2, 1, 0, "abcde")); }, "in.tga", "out.dds",
         "ERROR: reading in.tga ("},
        {"output folder missing", [] { SaveBottomUpPicture("in.tga"); }, "in.tga",
         "nofolder/out.dds", "ERROR: writing nofolder/out.dds ("},
        {"output name taken by a folder",
         [] {
             SaveBottomUpPicture("in.tga");
             fs::create_directory("taken.dds");
         },
         "in.tga", "taken.dds", "ERROR: writing taken.dds ("},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingFolder folder;
        c.setUp();
        WriteFileBytes("out.dds", "an older tile");
        const std::string message = ConvertTgaToDds(c.input, c.output).message();
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_EQ(ReadFileBytes("out.dds"), "an older tile");
        EXPECT_FALSE(fs::exists("nofolder"));
        EXPECT_FALSE(fs::exists(std::string(c.output) + ".partial"));
    }
}

#ifndef _WIN32
// A device named as the output is written in place, never replaced by a file.
TEST(ConvertTgaToDds, WritesADeviceInPlaceAndLeavesItADevice) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    TempWorkingFolder folder;
    SaveBottomUpPicture("in.tga");
    EXPECT_EQ(ConvertTgaToDds("in.tga", "/dev/full").message(),
              "ERROR: writing /dev/full (No space left on device)");
    EXPECT_EQ(fs::status("/dev/full").type(), fs::file_type::character);
    EXPECT_FALSE(fs::exists("/dev/full.partial"));
}
#endif

// The program itself, run through the command interpreter as its callers do.
class NvdxtProgram : public ::testing::Test {
protected:
    int Run(const std::string& arguments) {
        return RunAndWait(ProgramBesideTest("nvdxt") + " " + arguments +
                          " >stdout.txt 2>stderr.txt");
    }
    TempWorkingFolder folder_;
};

TEST_F(NvdxtProgram, TakesItsOptionsInAnyOrderAndAForwardSlashInPaths) {
    SaveBottomUpPicture("in.tga");
    fs::create_directory("maps");
    EXPECT_EQ(Run("-nomipmap -output maps/tx_s3.dds -u8888 -file in.tga"), 0);
    ExpectUprightDds("maps/tx_s3.dds");
    EXPECT_EQ(Run("-file in.tga -output out.dds -u8888 -nomipmap"), 0);
    ExpectUprightDds("out.dds");
    EXPECT_EQ(ReadText("stderr.txt"), "");
}

TEST_F(NvdxtProgram, RefusesABadCommandLineWithTheUsageText) {
    SaveBottomUpPicture("in.tga");
    WriteFileBytes("out.dds", "an older tile");
    for (const char* arguments :
         {"", "-file in.tga -u8888 -nomipmap",
          "-file in.tga -output out.dds -u8888 -nomipmap -dxt1", "-file in.tga -output"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_NE(ReadText("stderr.txt").find("usage: nvdxt -file"), std::string::npos);
        EXPECT_EQ(ReadFileBytes("out.dds"), "an older tile");
    }
}

TEST_F(NvdxtProgram, ReportsAnUnreadableInputOrAMissingFolder) {
    WriteFileBytes("out.dds", "an older tile");
    EXPECT_EQ(Run("-file missing.tga -output out.dds -u8888 -nomipmap"), 1);
    EXPECT_EQ(ReadText("stderr.txt").rfind("ERROR: reading missing.tga", 0), 0u);
    EXPECT_EQ(ReadFileBytes("out.dds"), "an older tile");

    SaveBottomUpPicture("in.tga");
    EXPECT_EQ(Run("-file in.tga -output nofolder/out.dds -u8888 -nomipmap"), 1);
    EXPECT_EQ(ReadText("stderr.txt").rfind("ERROR: writing nofolder/out.dds", 0), 0u);
    EXPECT_FALSE(fs::exists("nofolder"));
}

}  // namespace
