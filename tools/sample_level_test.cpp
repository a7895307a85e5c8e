#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tools/arguments.h"
#include "tools/level_writer.h"
#include "tools/terrain_shape.h"

namespace fs = std::filesystem;
using sample_level::LevelOptions;
using sample_level::WriteLevel;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;

namespace {

std::vector<std::string> LevelFiles() {
    std::vector<std::string> files = {"Heightdata.con", "HeightmapPrimary.raw"};
    for (const auto& tile : sample_level::kSurroundingTiles) {
        files.push_back(std::string("HeightmapSecondary_") + tile.name + ".raw");
    }
    for (const char* name : {"low", "high", "steep", "grad_height", "grad_angle"}) {
        files.push_back(std::string("paint/data/") + name + ".tga");
    }
    return files;
}

LevelOptions Small(const std::string& out, std::uint64_t seed) {
    LevelOptions options;
    options.out = out;
    options.primarySide = 129;
    options.secondarySide = 33;
    options.seed = seed;
    return options;
}

// The settings as the painter reads them: lines split at line feeds with
// carriage returns dropped; size lines and the first scale line make the
// primary section, the next ones up to the second scale line the secondary.
struct Section {
    int size = 0;
    int horizontal = 0;
    float vertical = 0.0f;
};

void ReadSettings(const std::string& text, Section& primary, Section& secondary) {
    Section* current = &primary;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line;
        for (size_t i = start; i < end; ++i) {
            if (text[i] != '\r') line += text[i];
        }
        start = end + 1;
        if (line.rfind("heightmap.setSize", 0) == 0) {
            std::sscanf(line.c_str(), "heightmap.setSize %d", &current->size);
        } else if (line.rfind("heightmap.setScale", 0) == 0) {
            ASSERT_EQ(std::sscanf(line.c_str(), "heightmap.setScale %d/%f", &current->horizontal,
                                  &current->vertical),
                      2)
                << line;
            if (current == &secondary) return;
            current = &secondary;
        }
    }
}

struct TgaHeader {
    int type = 0, width = 0, height = 0, bits = 0, descriptor = 0, colourMap = 0;
    size_t fileSize = 0;
};

TgaHeader ReadTgaHeader(const std::string& bytes) {
    TgaHeader h;
    h.fileSize = bytes.size();
    if (bytes.size() < 18) return h;
    auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    h.colourMap = at(1);
    h.type = at(2);
    h.width = at(12) | at(13) << 8;
    h.height = at(14) | at(15) << 8;
    h.bits = at(16);
    h.descriptor = at(17);
    return h;
}

std::vector<std::uint16_t> Samples16(const std::string& bytes) {
    std::vector<std::uint16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                                static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return samples;
}

// One small level, written once for the tests that only read it.
class WrittenLevel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempWorkingFolder>();
        ASSERT_TRUE(WriteLevel(Small("level", 1)).ok());
    }
    static void TearDownTestSuite() { folder_.reset(); }

private:
    static std::unique_ptr<TempWorkingFolder> folder_;
};

std::unique_ptr<TempWorkingFolder> WrittenLevel::folder_;

TEST(SampleLevel, SameSeedGivesSameBytesAndOtherSeedsDiffer) {
    TempWorkingFolder folder;
    for (const auto& [name, seed] : {std::pair{"a", 7}, {"b", 7}, {"c", 8}}) {
        ASSERT_TRUE(WriteLevel(Small(name, seed)).ok());
    }
    for (const std::string& name : LevelFiles()) {
        const std::string a = ReadFileBytes(fs::path("a") / name);
        ASSERT_FALSE(a.empty()) << name;
        EXPECT_EQ(a, ReadFileBytes(fs::path("b") / name)) << name;
        // The gradients are fixed ramps; the settings name the seed.
        const bool seeded = name.find("grad_") == std::string::npos;
        if (seeded) {
            EXPECT_NE(a, ReadFileBytes(fs::path("c") / name)) << name;
        }
    }
}

TEST_F(WrittenLevel, SettingsDescribeTheHeightmapsAsWritten) {
    const std::string text = ReadFileBytes("level/Heightdata.con");
    EXPECT_NE(text.find("\r\n"), std::string::npos) << "level files have CRLF line ends";
    Section primary, secondary;
    ReadSettings(text, primary, secondary);
    EXPECT_EQ(primary.size, 129);
    EXPECT_EQ(primary.horizontal, 16);
    EXPECT_FLOAT_EQ(primary.vertical, 0.003f);
    EXPECT_EQ(secondary.size, 33);
    EXPECT_EQ(secondary.horizontal, 64);
    EXPECT_FLOAT_EQ(secondary.vertical, 0.768f);
    // Both kinds of map span the same tile width and the same height range,
    // so the surrounding terrain meets the primary without a step.
    EXPECT_EQ(primary.horizontal * (primary.size - 1), secondary.horizontal * (secondary.size - 1));
    EXPECT_FLOAT_EQ(primary.vertical * 65536.0f, secondary.vertical * 256.0f);

    // Samples least significant byte first, row 0 first, nothing around them.
    const sample_level::TerrainShape shape(1);
    const std::string primaryBytes = ReadFileBytes("level/HeightmapPrimary.raw");
    EXPECT_EQ(primaryBytes.size(), size_t{129} * 129 * 2);
    EXPECT_EQ(Samples16(primaryBytes), sample_level::SamplePrimary(shape, 129));
    for (const auto& tile : sample_level::kSurroundingTiles) {
        const std::string name = std::string("level/HeightmapSecondary_") + tile.name + ".raw";
        const std::string bytes = ReadFileBytes(name);
        EXPECT_EQ(bytes.size(), size_t{33} * 33) << name;
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                  sample_level::SampleSurrounding(shape, 33, tile))
            << name;
    }
}

TEST(SampleLevel, DefaultSettingsAreTheFullSizeLevel) {
    LevelOptions options;
    Section primary, secondary;
    ReadSettings(sample_level::SettingsText(options), primary, secondary);
    EXPECT_EQ(primary.size, 1025);
    EXPECT_EQ(primary.horizontal, 2);
    EXPECT_EQ(secondary.size, 257);
    EXPECT_EQ(secondary.horizontal, 8);
}

TEST_F(WrittenLevel, MaterialSetHasTheFormatsThePainterReads) {
    struct Expected {
        const char* name;
        int type, width, height, bits;
    };
    const Expected table[] = {
        {"low", 2, 512, 512, 24},      {"high", 2, 512, 512, 24},    {"steep", 2, 512, 512, 24},
        {"grad_height", 3, 512, 1, 8}, {"grad_angle", 3, 512, 1, 8},
    };
    for (const Expected& e : table) {
        const TgaHeader h = ReadTgaHeader(
            ReadFileBytes(fs::path("level/paint/data") / (std::string(e.name) + ".tga")));
        EXPECT_EQ(h.colourMap, 0) << e.name;
        EXPECT_EQ(h.type, e.type) << e.name;
        EXPECT_EQ(h.width, e.width) << e.name;
        EXPECT_EQ(h.height, e.height) << e.name;
        EXPECT_EQ(h.bits, e.bits) << e.name;
        EXPECT_EQ(h.descriptor, 0) << e.name;
        EXPECT_EQ(h.fileSize, 18 + size_t(e.width) * e.height * (e.bits / 8)) << e.name;
    }
}

// Gradient entry k stands for k / 511 of the height range or of a right angle.
TEST_F(WrittenLevel, GradientsRampWhereTheMaterialsChange) {
    const std::string height = ReadFileBytes("level/paint/data/grad_height.tga").substr(18);
    const std::string angle = ReadFileBytes("level/paint/data/grad_angle.tga").substr(18);
    ASSERT_EQ(height.size(), 512u);
    ASSERT_EQ(angle.size(), 512u);
    auto entry = [](const std::string& g, double fraction) {
        return static_cast<unsigned char>(g[static_cast<size_t>(fraction * 511.0 + 0.5)]);
    };
    for (size_t k = 1; k < 512; ++k) {
        EXPECT_GE(static_cast<unsigned char>(height[k]), static_cast<unsigned char>(height[k - 1]));
        EXPECT_GE(static_cast<unsigned char>(angle[k]), static_cast<unsigned char>(angle[k - 1]));
    }
    EXPECT_EQ(entry(height, 0.0), 0);
    EXPECT_EQ(entry(height, 0.39), 0);
    EXPECT_NEAR(entry(height, 0.5), 128, 3);
    EXPECT_EQ(entry(height, 0.61), 255);
    EXPECT_EQ(entry(height, 1.0), 255);
    EXPECT_EQ(entry(angle, 0.0), 0);
    EXPECT_EQ(entry(angle, 29.0 / 90.0), 0);
    EXPECT_NEAR(entry(angle, 35.0 / 90.0), 128, 3);
    EXPECT_EQ(entry(angle, 41.0 / 90.0), 255);
    EXPECT_EQ(entry(angle, 1.0), 255);
}

struct ColourStats {
    double blue = 0, green = 0, red = 0;
    double whiteShare = 0;  // texels bright in all three channels
    double wrapStep = 0;    // change across the texture's wrap-around edges
    double innerStep = 0;   // mean change across the seams between blocks inside
};

// Mean colours, and how much 8 × 8 blocks change across the wrap-around edges
// (column 511 to column 0, row 511 to row 0) compared with the mean change
// between neighbouring blocks inside. Blocks average the per-texel speckle
// out, so a texture that does not tile shows up as a larger wrap step.
ColourStats Measure(const std::string& file) {
    const std::string bytes = ReadFileBytes(file);
    EXPECT_EQ(bytes.size(), 18u + 512u * 512u * 3u);
    ColourStats s;
    if (bytes.size() != 18u + 512u * 512u * 3u) return s;
    auto at = [&](int x, int y, int c) {
        return static_cast<double>(static_cast<unsigned char>(bytes[18 + (y * 512 + x) * 3 + c]));
    };
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            s.blue += at(x, y, 0);
            s.green += at(x, y, 1);
            s.red += at(x, y, 2);
            if (at(x, y, 0) > 215 && at(x, y, 1) > 215 && at(x, y, 2) > 215) s.whiteShare += 1;
        }
    }
    const double n = 512.0 * 512.0;
    s.blue /= n;
    s.green /= n;
    s.red /= n;
    s.whiteShare /= n;
    auto block = [&](int x0, int y0, int c) {
        double sum = 0;
        for (int y = y0; y < y0 + 8; ++y) {
            for (int x = x0; x < x0 + 8; ++x) sum += at(x, y, c);
        }
        return sum / 64.0;
    };
    // Seam at block column/row `before` | `after` (in blocks of 8).
    auto seam = [&](int before, int after) {
        double sum = 0;
        for (int i = 0; i < 512; i += 8) {
            for (int c = 0; c < 3; ++c) {
                sum += std::fabs(block(before * 8, i, c) - block(after * 8, i, c)) +
                       std::fabs(block(i, before * 8, c) - block(i, after * 8, c));
            }
        }
        return sum;
    };
    s.wrapStep = seam(63, 0);
    for (int k = 0; k < 63; ++k) s.innerStep += seam(k, k + 1) / 63.0;
    return s;
}

TEST_F(WrittenLevel, TexturesLookLikeTheirMaterialsAndTile) {
    const ColourStats grass = Measure("level/paint/data/low.tga");
    const ColourStats snowRock = Measure("level/paint/data/high.tga");
    const ColourStats cliff = Measure("level/paint/data/steep.tga");

    EXPECT_GT(grass.green, grass.red + 20);
    EXPECT_GT(grass.green, grass.blue + 40);
    EXPECT_LT(grass.whiteShare, 0.001);

    EXPECT_GT(snowRock.whiteShare, 0.25);  // snow caps
    EXPECT_LT(snowRock.whiteShare, 0.75);  // and bare rock between
    EXPECT_GT(snowRock.blue, cliff.blue + 40);

    EXPECT_GT(cliff.red, cliff.green);  // brown-grey
    EXPECT_GT(cliff.green, cliff.blue);
    EXPECT_LT(cliff.whiteShare, 0.001);
    EXPECT_LT(cliff.red + cliff.green + cliff.blue, snowRock.red + snowRock.green + snowRock.blue);

    // The painter repeats the textures across its map: the step across a wrap
    // edge must be no larger than an ordinary step between neighbours.
    for (const ColourStats* s : {&grass, &snowRock, &cliff}) {
        EXPECT_LT(s->wrapStep, 1.5 * s->innerStep);
    }
}

TEST(SampleLevel, RefusesAFolderItCannotMakeWithAnErrorMessage) {
    TempWorkingFolder folder;
    testing_support::WriteFileBytes("occupied", "a file, not a folder");
    const Status written = WriteLevel(Small("occupied/level", 1));
    EXPECT_EQ(written.message().rfind("ERROR: creating folder", 0), 0u) << written.message();
}

TEST(SampleLevel, ReportsAFileItCannotWriteAndKeepsNoPartOfIt) {
    TempWorkingFolder folder;
    // A folder where the primary heightmap should go cannot be opened as a file.
    fs::create_directories("level/HeightmapPrimary.raw");
    EXPECT_EQ(
        WriteLevel(Small("level", 1)).message(),
        "ERROR: creating \"" + (fs::path("level") / "HeightmapPrimary.raw").string() + "\"");
}

TEST(SampleLevel, SidesOutOfRangeAreRefused) {
    TempWorkingFolder folder;
    for (int side : {0, 2, 8193}) {
        LevelOptions options = Small("level", 1);
        options.primarySide = side;
        EXPECT_FALSE(WriteLevel(options).ok()) << side;
        options = Small("level", 1);
        options.secondarySide = side;
        EXPECT_FALSE(WriteLevel(options).ok()) << side;
    }
    EXPECT_FALSE(fs::exists("level"));
}

TEST(SampleLevelArguments, ReadsEveryOption) {
    const char* all[] = {"--out",       "x/y", "--primary", "257",
                         "--secondary", "65",  "--seed",    "18446744073709551615"};
    LevelOptions options;
    ASSERT_TRUE(sample_level::ParseArguments(8, all, options).ok());
    EXPECT_EQ(options.out, "x/y");
    EXPECT_EQ(options.primarySide, 257);
    EXPECT_EQ(options.secondarySide, 65);
    EXPECT_EQ(options.seed, 18446744073709551615ull);

    const char* outOnly[] = {"--out", "level"};
    LevelOptions defaults;
    ASSERT_TRUE(sample_level::ParseArguments(2, outOnly, defaults).ok());
    EXPECT_EQ(defaults.primarySide, 1025);
    EXPECT_EQ(defaults.secondarySide, 257);
    EXPECT_EQ(defaults.seed, 1u);
}

TEST(SampleLevelArguments, RefusesMalformedCommandLines) {
    const std::vector<std::vector<const char*>> bad = {
        {},
        {"--primary", "129"},
        {"--out"},
        {"--out", ""},
        {"--out", "d", "--size", "9"},
        {"--out", "d", "--primary"},
        {"--out", "d", "--primary", "2"},
        {"--out", "d", "--primary", "8193"},
        {"--out", "d", "--primary", "129x"},
        {"--out", "d", "--secondary", "-33"},
        {"--out", "d", "--secondary", " 33"},
        {"--out", "d", "--seed", "abc"},
        {"--out", "d", "--seed", "18446744073709551616"},
    };
    for (const auto& arguments : bad) {
        std::string line;
        for (const char* a : arguments) line += std::string(a) + " ";
        LevelOptions options;
        const Status parsed =
            sample_level::ParseArguments(static_cast<int>(arguments.size()), arguments.data(), options);
        EXPECT_FALSE(parsed.ok()) << "accepted: " << line;
        EXPECT_EQ(parsed.message().rfind("ERROR: ", 0), 0u) << line;
    }
}

}  // namespace
