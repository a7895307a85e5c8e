#include "materials/check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/image/tga_image.h"
#include "materials/default_set.h"
#include "tests/support/temp_folder.h"
#include "tests/support/tga_bytes.h"

namespace fs = std::filesystem;
using materials::FileCheck;
using materials::Severity;
using program_testing::TgaBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

std::string Pixels(size_t count) { return std::string(count, '\x80'); }

// A true-colour or greyscale file holding all the pixels its header promises.
std::string Image(int type, int bits, int width, int height, int descriptor = 0) {
    return TgaBytes(type, bits, width, height, descriptor,
                    Pixels(static_cast<size_t>(width) * static_cast<size_t>(height) *
                           static_cast<size_t>(bits / 8)));
}

enum class Make { File, Nothing, Folder, DataFile };

struct Case {
    const char* name;
    std::string bytes;  // the file's
    Severity severity;
    std::string fact;  // one finding's fact, word for word ("" when fine)
    Make make = Make::File;
};

// Makes the case's file at `path` and checks it; the painter's own reader
// must agree on whether the file is refused.
void RunCases(const std::vector<Case>& cases, const char* path, bool texture) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingFolder folder;
        if (c.make == Make::DataFile) {
            WriteFileBytes("data", "a file where the folder should be");
        } else {
            fs::create_directory("data");
        }
        if (c.make == Make::Folder) fs::create_directory(path);
        if (c.make == Make::File) WriteFileBytes(path, c.bytes);
        const FileCheck check =
            texture ? materials::CheckTexture(path) : materials::CheckGradient(path);
        EXPECT_EQ(materials::SeverityName(check.Worst()), materials::SeverityName(c.severity))
            << materials::CheckReport(check);
        if (!c.fact.empty()) {
            bool named = false;
            for (const auto& finding : check.findings) named = named || finding.fact == c.fact;
            EXPECT_TRUE(named) << materials::CheckReport(check);
        }
        TgaImage image;
        const bool loads = image.Load(path).ok();
        const bool painterTakesIt =
            texture ? loads && image.format == Bgr24 && image.width == 512 && image.height == 512
                    : loads && image.ByteCount() >= 512;
        EXPECT_EQ(check.Worst() == Severity::Refused, !painterTakesIt);
    }
}

TEST(MaterialCheck, NamesEachFaultOfATexture) {
    const std::string full = Image(2, 24, 512, 512);
    RunCases(
        {
            {"512 x 512, 24-bit", full, Severity::Fine, ""},
            {"24-bit marked greyscale (read as colour)", Image(3, 24, 512, 512), Severity::Fine,
             ""},
            {"1024 x 768", Image(2, 24, 1024, 768), Severity::Refused, "1024 x 768"},
            {"512 x 256", Image(2, 24, 512, 256), Severity::Refused, "512 x 256"},
            {"negative width", TgaBytes(2, 24, -512, 512, 0, Pixels(786432)), Severity::Refused,
             "-512 x 512"},
            {"PNG renamed", "\x89PNG\r\n\x1A\n" + Pixels(40), Severity::Refused,
             "a PNG picture, not a TGA file"},
            {"JPEG renamed", "\xFF\xD8\xFF\xE0" + Pixels(40), Severity::Refused,
             "a JPEG picture, not a TGA file"},
            {"BMP renamed", "BM" + Pixels(60), Severity::Refused, "a BMP picture, not a TGA file"},
            {"not a picture at all", "hello, this is text\n", Severity::Refused,
             "not a TGA file (its first bytes are no TGA header)"},
            {"32-bit", Image(2, 32, 512, 512), Severity::Refused, "32-bit"},
            {"16-bit", Image(2, 16, 512, 512), Severity::Refused, "16-bit"},
            {"greyscale", Image(3, 8, 512, 512), Severity::Refused, "greyscale"},
            {"8-bit marked true-colour", Image(2, 8, 512, 512), Severity::Refused, "greyscale"},
            {"run-length compressed", TgaBytes(10, 24, 512, 512, 0, Pixels(1000)),
             Severity::Refused, "run-length compressed"},
            {"colour-mapped", TgaBytes(1, 8, 512, 512, 0, Pixels(1000), 1), Severity::Refused,
             "colour-mapped (a palette image)"},
            {"pixel data one byte short", full.substr(0, full.size() - 1), Severity::Refused,
             "cut short (it holds 786431 of its 786432 pixel bytes)"},
            {"header cut short", full.substr(0, 10), Severity::Refused,
             "too short for a TGA header (10 bytes)"},
            {"empty", "", Severity::Refused, "empty"},
            {"missing", "", Severity::Refused, "missing", Make::Nothing},
            {"a folder", "", Severity::Refused, "a folder", Make::Folder},
            {"stored top row first", Image(2, 24, 512, 512, 0x20), Severity::Note,
             "stored top row first"},
            {"stored right to left", Image(2, 24, 512, 512, 0x10), Severity::Note,
             "stored right to left"},
        },
        "data/low.tga", true);
}

TEST(MaterialCheck, NamesEachFaultOfAGradient) {
    RunCases(
        {
            {"512 x 1 greyscale", Image(3, 8, 512, 1), Severity::Fine, ""},
            {"512 x 1 stored top row first", Image(3, 8, 512, 1, 0x20), Severity::Fine, ""},
            {"24-bit", Image(2, 24, 512, 1), Severity::Wrong, "24-bit (channels interleaved)"},
            {"32-bit, one row of 512 bytes", Image(2, 32, 128, 1), Severity::Wrong,
             "32-bit (channels interleaved)"},
            {"256 x 1", Image(3, 8, 256, 1), Severity::Refused, "256 x 1, only 256 pixel bytes"},
            {"256 x 2", Image(3, 8, 256, 2), Severity::Wrong,
             "256 x 2, a first stored row of only 256 pixels"},
            {"1024 x 1", Image(3, 8, 1024, 1), Severity::Wrong, "1024 pixels wide"},
            {"stored right to left", Image(3, 8, 512, 1, 0x10), Severity::Wrong,
             "stored right to left"},
            {"512 x 4", Image(3, 8, 512, 4), Severity::Note, "4 rows high"},
            {"16-bit", Image(2, 16, 512, 1), Severity::Refused, "16-bit"},
            {"run-length compressed", TgaBytes(11, 8, 512, 1, 0, Pixels(100)), Severity::Refused,
             "run-length compressed"},
            {"huge size, tiny data", TgaBytes(3, 8, 32767, 32767, 0, Pixels(512)),
             Severity::Refused, "cut short (it holds 512 of its 1073676289 pixel bytes)"},
            {"width 0", TgaBytes(3, 8, 0, 1, 0, Pixels(512)), Severity::Refused,
             "0 x 1, without pixels"},
            {"missing", "", Severity::Refused, "missing", Make::Nothing},
            {"a folder", "", Severity::Refused, "a folder", Make::Folder},
            {"data is a file", "", Severity::Refused, "missing: data is a file, not a folder",
             Make::DataFile},
            {"PNG renamed", "\x89PNG\r\n\x1A\n" + Pixels(40), Severity::Refused,
             "a PNG picture, not a TGA file"},
        },
        "data/grad_height.tga", false);
}

TEST(MaterialCheck, FindsTheDefaultSetFine) {
    TempWorkingFolder folder;
    fs::create_directory("data");
    int written = 0;
    ASSERT_TRUE(materials::WriteDefaultSet("data", materials::kDefaultSeed, false, written).ok());
    const std::vector<FileCheck> checks = materials::CheckMaterialSet("data");
    EXPECT_EQ(materials::Worst(checks), Severity::Fine);
    EXPECT_EQ(materials::CheckReport(checks),
              "data/grad_height.tga: fine\n"
              "data/grad_angle.tga: fine\n"
              "data/steep.tga: fine\n"
              "data/high.tga: fine\n"
              "data/low.tga: fine\n");
}

TEST(MaterialCheck, ReportsWhatIsWrongAndHowToMendIt) {
    TempWorkingFolder folder;
    fs::create_directory("data");
    WriteFileBytes("data/high.tga", Image(2, 32, 1024, 768, 0x20));
    WriteFileBytes("data/grad_angle.tga", Image(2, 24, 512, 1));
    const std::vector<FileCheck> checks = materials::CheckMaterialSet("data");
    EXPECT_EQ(materials::Worst(checks), Severity::Refused);
    EXPECT_EQ(materials::CheckReport(checks[3]),
              "data/high.tga: refused\n"
              "  refused: 32-bit; a texture must be 24-bit, without alpha\n"
              "  refused: 1024 x 768; a texture must be 512 x 512\n"
              "  note: stored top row first; the painter uses the rows as stored, so it is "
              "painted flipped top to bottom against the same picture stored bottom row first\n"
              "  to mend: marvane_materials --high PICTURE converts a picture into a texture\n");
    EXPECT_EQ(materials::CheckReport(checks[1]).substr(0, 60),
              "data/grad_angle.tga: wrong\n  wrong: 24-bit (channels interle");
    EXPECT_NE(materials::CheckReport(checks[1]).find(
                  "  to mend: marvane_materials --rules FILE writes both gradients\n"),
              std::string::npos);
}

// The painter's one-line reasons: for a file it refuses only, naming the
// option that makes a good one.
TEST(MaterialCheck, GivesThePainterOneLinePerFileItCannotUse) {
    TempWorkingFolder folder;
    fs::create_directory("data");
    WriteFileBytes("data/low.tga", Image(2, 24, 1024, 768));
    WriteFileBytes("data/high.tga", Image(2, 24, 512, 512, 0x20));
    WriteFileBytes("data/grad_height.tga", Image(3, 8, 256, 1));
    WriteFileBytes("data/grad_angle.tga", Image(2, 24, 512, 1));

    EXPECT_EQ(materials::TextureProblem("data/low.tga"),
              "data/low.tga is 1024 x 768; textures must be 512 x 512, 24-bit, uncompressed: "
              "marvane_materials --low PICTURE converts one");
    EXPECT_EQ(materials::TextureProblem("data/steep.tga"),
              "data/steep.tga is missing; textures must be 512 x 512, 24-bit, uncompressed: "
              "marvane_materials --steep PICTURE converts one");
    EXPECT_EQ(materials::TextureProblem("data/high.tga"), "");  // only a note
    EXPECT_EQ(materials::GradientProblem("data/grad_height.tga"),
              "data/grad_height.tga is 256 x 1, only 256 pixel bytes; gradients must be "
              "uncompressed TGA with at least 512 pixel bytes, best a 512 x 1 greyscale ramp: "
              "marvane_materials --rules FILE writes both");
    EXPECT_EQ(materials::GradientProblem("data/grad_angle.tga"), "");
    EXPECT_EQ(materials::GradientWarning("data/grad_angle.tga"),
              "data/grad_angle.tga is 24-bit (channels interleaved), so the painter paints "
              "something other than the picture shows; marvane_materials --check says how to "
              "mend it");
    EXPECT_EQ(materials::GradientWarning("data/grad_height.tga"), "");  // refused, not wrong
    EXPECT_TRUE(materials::GradientChannelsInterleaved("data/grad_angle.tga"));
    EXPECT_FALSE(materials::GradientChannelsInterleaved("data/grad_height.tga"));
}

}  // namespace
