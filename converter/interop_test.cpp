// The DDS files must read back as the same upright picture in programs that
// know nothing of ours. Each available reader decodes every sample file to
// raw RGBA, top row first, which is compared byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "converter/convert.h"
#include "tests/support/run_program.h"
#include "tests/support/tga_bytes.h"
#include "tests/support/temp_folder.h"

using program_testing::ReadText;
using program_testing::RunAndWait;
using program_testing::TgaBytes;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

struct Reader {
    std::string name;
    std::string decode;     // command line up to the DDS file's name
    std::string rawPrefix;  // in front of the raw output file's name
};

// ImageMagick, where it is the real one (Debian's /usr/bin/convert or
// ImageMagick 7's magick; a convert earlier on PATH may be a stand-in).
std::vector<Reader> FindReaders() {
    std::vector<Reader> readers;
    for (const char* program : {"magick", "/usr/bin/convert", "convert"}) {
        if (RunAndWait(std::string(program) + " -version >version.txt 2>&1") == 0 &&
            ReadText("version.txt").rfind("Version: ImageMagick", 0) == 0) {
            readers.push_back({std::string("ImageMagick (") + program + ")",
                               std::string(program) + " -depth 8", "rgba:"});
            break;
        }
    }
    // Pillow, from whichever Python has it: the one on PATH may not be the
    // system's, where Debian's python3-pil installs.
    WriteFileBytes("decode.py",
                   "import sys\n"
                   "from PIL import Image\n"
                   "with Image.open(sys.argv[1]) as image:\n"
                   "    data = image.convert('RGBA').tobytes()\n"
                   "with open(sys.argv[2], 'wb') as out:\n"
                   "    out.write(data)\n");
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        if (RunAndWait(std::string(python) + " -c \"import PIL\" >version.txt 2>&1") == 0) {
            readers.push_back(
                {std::string("Pillow (") + python + ")", std::string(python) + " decode.py", ""});
            break;
        }
    }
    return readers;
}

struct Sample {
    const char* name;
    std::string tga;
    std::string rgba;  // the upright picture as a reader should decode it
};

TEST(DdsInterop, ReadersDecodeTheSamePicture) {
    TempWorkingFolder folder;
    const std::vector<Reader> readers = FindReaders();
    if (readers.empty()) {
        GTEST_SKIP() << "SKIPPED: neither ImageMagick nor Pillow is installed; "
                        "apt-get install imagemagick python3-pil";
    }

    std::string names;
    for (const Reader& reader : readers) names += (names.empty() ? "" : ", ") + reader.name;
    std::printf("decoding with %s\n", names.c_str());

    // 3 × 2 pictures whose pixels all differ: a flip, a mirror or a red/blue
    // swap cannot pass. Stored rows: bottom first unless the descriptor's
    // bit 5 says top first.
    const std::string bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const std::string bgra = {1,  2,  3,  9,      4,  5,  6,  0,  7,  8,  9,  127,
                              10, 11, 12, '\xFF', 13, 14, 15, 80, 16, 17, 18, 1};
    const std::string grey = {10, 20, 30, 40, 50, 60};
    const std::string opaque = "\xFF";
    const std::vector<Sample> samples = {
        {"Bgr24 bottom-left", TgaBytes(2, 24, 3, 2, 0, bgr),
         std::string{12, 11, 10} + opaque + std::string{15, 14, 13} + opaque +
             std::string{18, 17, 16} + opaque + std::string{3, 2, 1} + opaque +
             std::string{6, 5, 4} + opaque + std::string{9, 8, 7} + opaque},
        {"Bgra32 top-left", TgaBytes(2, 32, 3, 2, 0x28, bgra),
         std::string{3,  2,  1,  9,      6,  5,  4,  0,  9,  8,  7,  127,
                     12, 11, 10, '\xFF', 15, 14, 13, 80, 18, 17, 16, 1}},
        {"Grey8 bottom-left", TgaBytes(3, 8, 3, 2, 0, grey),
         std::string{40, 40, 40} + opaque + std::string{50, 50, 50} + opaque +
             std::string{60, 60, 60} + opaque + std::string{10, 10, 10} + opaque +
             std::string{20, 20, 20} + opaque + std::string{30, 30, 30} + opaque},
    };

    for (const Sample& sample : samples) {
        WriteFileBytes("in.tga", sample.tga);
        std::remove("in.dds");
        ASSERT_TRUE(ConvertTgaToDds("in.tga", "in.dds").ok()) << sample.name;
        for (const Reader& reader : readers) {
            SCOPED_TRACE(reader.name + ", " + sample.name);
            std::remove("out.rgba");
            EXPECT_EQ(RunAndWait(reader.decode + " in.dds " + reader.rawPrefix + "out.rgba"), 0);
            EXPECT_EQ(ReadFileBytes("out.rgba"), sample.rgba);
        }
    }
}

}  // namespace
