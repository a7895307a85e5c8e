#include "materials/tileable_texture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "materials/colour_planes.h"
#include "materials/default_set.h"
#include "materials/periodic_component.h"
#include "materials/picture_test_files.h"
#include "materials/texture_steps.h"
#include "tests/support/temp_folder.h"
#include "tests/support/thread_count.h"

namespace {

using namespace materials;
namespace files = materials::test_files;

std::uint64_t Fnv1a(const TgaImage& image) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < image.ByteCount(); ++i) {
        hash ^= image.pixels[i];
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// Blue, green, red of the texel at column x of stored row y.
const std::uint8_t* Texel(const TgaImage& image, size_t x, size_t y) {
    return image.pixels.get() + (y * size_t(image.width) + x) * 3;
}

void ExpectSeamless(const TgaImage& image) {
    ASSERT_EQ(image.format, Bgr24);
    ASSERT_EQ(image.width, 512);
    ASSERT_EQ(image.height, 512);
    const double wrap = WrapEdgeStep(image), inside = InsideStep(image);
    EXPECT_GT(inside, 0.5) << "the picture's detail is kept";
    EXPECT_LE(wrap, 1.5 * inside) << "wrap edges " << wrap << ", inside " << inside;
}

TEST(TileableTexture, APictureThatDoesNotTileRepeatsWithoutASeam) {
    const struct {
        const char* name;
        std::int32_t width, height;
        int noise;
        TextureScale scale;
    } cases[] = {
        {"as large as the texture", 512, 512, 20, {}},
        {"shrunk, not by a whole factor", 1300, 977, 20, {}},
        {"enlarged", 200, 150, 20, {}},
        {"taller than wide", 300, 900, 8, {}},
        {"its centre only", 1600, 1200, 20, {1, 0.4}},
        {"three times across", 900, 700, 20, {3, 1.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture picture = files::GradientWithNoise(c.width, c.height, c.noise);
        ExpectSeamless(MakeTileableTexture(picture, c.scale).image);
    }
    // The picture itself, repeated as it is, shows its seams.
    const Picture square = files::GradientWithNoise(512, 512, 20);
    const TgaImage untreated = files::TextureOfPicture(square);
    EXPECT_GT(WrapEdgeStep(untreated), 3.0 * InsideStep(untreated));
}

TEST(TileableTexture, APhotoSavedAsAFileRepeatsWithoutASeam) {
    const Picture photo = files::GradientWithNoise(800, 600, 12);
    const std::vector<std::uint8_t> rgb(photo.rgb.get(), photo.rgb.get() + photo.ByteCount());
    testing_support::TempWorkingFolder folder;
    for (files::Kind kind : {files::Kind::Png, files::Kind::Jpeg}) {
        const char* name = kind == files::Kind::Png ? "photo.png" : "photo.jpg";
        SCOPED_TRACE(name);
        testing_support::WriteFileBytes(name, files::Encode(kind, 800, 600, 3, rgb));
        Picture picture;
        ASSERT_TRUE(LoadPicture(name, picture).ok());
        ExpectSeamless(MakeTileableTexture(picture).image);
    }
}

// A texture that repeats already (the default grass) comes back nearly as
// it was: only texels near its edges move, and little.
TEST(TileableTexture, APictureThatTilesStaysCloseToItself) {
    const TgaImage grass = MakeGrassTexture(kDefaultSeed);
    const TileableTexture texture = MakeTileableTexture(files::PictureOfTexture(grass));
    ASSERT_EQ(texture.image.ByteCount(), grass.ByteCount());
    std::uint64_t sum = 0;
    int largest = 0;
    for (size_t i = 0; i < grass.ByteCount(); ++i) {
        const int difference = std::abs(int(texture.image.pixels[i]) - int(grass.pixels[i]));
        sum += std::uint64_t(difference);
        largest = std::max(largest, difference);
    }
    EXPECT_LT(double(sum) / double(grass.ByteCount()), 0.5);
    EXPECT_LE(largest, 12);
}

TEST(TileableTexture, APictureRepeatedTwiceGivesMatchingHalves) {
    const TileableTexture texture =
        MakeTileableTexture(files::GradientWithNoise(700, 500, 20), {2, 1.0});
    EXPECT_EQ(texture.scale.repeats, 2);
    const TgaImage& image = texture.image;
    ASSERT_EQ(image.width, 512);
    size_t mismatches = 0;
    for (size_t y = 0; y < 512; ++y) {
        for (size_t x = 0; x < 512; ++x) {
            const std::uint8_t* texel = Texel(image, x, y);
            const std::uint8_t* across = Texel(image, (x + 256) % 512, y);
            const std::uint8_t* down = Texel(image, x, (y + 256) % 512);
            for (size_t c = 0; c < 3; ++c)
                mismatches += (texel[c] != across[c]) + (texel[c] != down[c]);
        }
    }
    EXPECT_EQ(mismatches, 0u);
    ExpectSeamless(image);
}

// A red block near the picture's top left lands near the top left of the
// texture as a viewer shows it: in the last stored rows, the first columns.
TEST(TileableTexture, ShowsThePictureUprightInTheTgaRowOrder) {
    Picture picture = files::GradientWithNoise(300, 200, 10);
    for (size_t y = 20; y < 80; ++y) {
        for (size_t x = 70; x < 130; ++x) {  // the centre square starts at column 50
            std::uint8_t* p = picture.Row(y) + x * 3;
            p[0] = 250, p[1] = 20, p[2] = 20;
        }
    }
    const TgaImage image = MakeTileableTexture(picture).image;
    auto reddish = [&](size_t x, size_t y) {
        const std::uint8_t* texel = Texel(image, x, y);
        return int(texel[2]) > int(texel[0]) + 80;
    };
    EXPECT_TRUE(reddish(128, 511 - 128));
    EXPECT_FALSE(reddish(128, 128));        // upside down
    EXPECT_FALSE(reddish(383, 511 - 128));  // mirrored
}

// Only the centre share of the picture's square is used, and the share
// that was used comes back as the whole pixels it came to.
TEST(TileableTexture, UsesOnlyTheCentreOfThePictureWhenCropped) {
    Picture picture = Picture::Make(1000, 800);
    for (size_t y = 0; y < 800; ++y) {
        for (size_t x = 0; x < 1000; ++x) {
            // Green around the centre 320 x 320 and a few pixels beyond it
            // (which the cubic reads), magenta elsewhere.
            const bool centre = x >= 330 && x < 670 && y >= 230 && y < 570;
            std::uint8_t* p = picture.Row(y) + x * 3;
            p[0] = centre ? 10 : 220;
            p[1] = centre ? std::uint8_t(180 + (x * 7 + y * 3) % 40) : 20;
            p[2] = centre ? 10 : 200;
        }
    }
    const TileableTexture cropped = MakeTileableTexture(picture, {1, 0.4});
    EXPECT_DOUBLE_EQ(cropped.scale.cropFraction, 0.4);
    size_t magenta = 0;
    for (size_t i = 0; i < cropped.image.ByteCount(); i += 3)
        magenta += cropped.image.pixels[i + 2] > 60;
    EXPECT_EQ(magenta, 0u);

    const TileableTexture whole = MakeTileableTexture(picture, {1, 1.0});
    magenta = 0;
    for (size_t i = 0; i < whole.image.ByteCount(); i += 3)
        magenta += whole.image.pixels[i + 2] > 60;
    EXPECT_GT(magenta, 512u * 512u / 2);

    EXPECT_DOUBLE_EQ(MakeTileableTexture(picture, {1, 0.3337}).scale.cropFraction, 267.0 / 800);
}

TEST(TileableTexture, OddPicturesAndScalesGiveATextureStill) {
    Picture dot = Picture::Make(1, 1);
    dot.rgb[0] = 50, dot.rgb[1] = 100, dot.rgb[2] = 150;
    const TileableTexture one = MakeTileableTexture(dot, {5, 0.01});
    ASSERT_EQ(one.image.ByteCount(), 512u * 512u * 3);
    for (size_t i = 0; i < one.image.ByteCount(); i += 3) {
        ASSERT_EQ(std::vector<int>(one.image.pixels.get() + i, one.image.pixels.get() + i + 3),
                  (std::vector<int>{150, 100, 50}));
    }
    EXPECT_EQ(one.scale.repeats, 5);
    EXPECT_EQ(one.scale.cropFraction, 1.0);  // not less than one pixel

    const TextureScale odd[] = {
        {0, 2.0}, {-3, std::numeric_limits<double>::quiet_NaN()}, {1000, -1.0}};
    const Picture strip = files::GradientWithNoise(2000, 3, 10);
    for (const TextureScale& scale : odd) {
        const TileableTexture texture = MakeTileableTexture(strip, scale);
        EXPECT_EQ(texture.image.ByteCount(), 512u * 512u * 3);
        EXPECT_GE(texture.scale.repeats, 1);
        EXPECT_LE(texture.scale.repeats, kMaxRepeats);
        EXPECT_EQ(texture.scale.cropFraction, 1.0);
    }
    EXPECT_EQ(MakeTileableTexture(Picture()).image.ByteCount(), 0u);
}

// Levels made from the same photos look the same wherever they were made:
// no step from the file to the texture leaves its last bits to the C
// library (Linux's and Windows' differ in sin, cos and exp), nor to the
// number of cores.
TEST(TileableTexture, GivesTheSameBytesOnEveryPlatformAndForAnyThreadCount) {
    const Picture photo = files::GradientWithNoise(300, 200, 20);
    const std::string jpeg = files::Encode(files::Kind::Jpeg, 300, 200, 3,
                                           {photo.rgb.get(), photo.rgb.get() + photo.ByteCount()});
    Picture decoded;
    ASSERT_TRUE(DecodePicture({reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size()},
                              "photo.jpg", decoded)
                    .ok());
    for (const char* threads : {"1", "2", "7"}) {
        SCOPED_TRACE(threads);
        testing_support::ScopedThreadCount count(threads);
        EXPECT_EQ(Fnv1a(MakeTileableTexture(files::GradientWithNoise(700, 500, 20)).image),
                  12539387760539094974ull);
        EXPECT_EQ(
            Fnv1a(MakeTileableTexture(files::GradientWithNoise(150, 220, 10), {3, 1.0}).image),
            13527150955037318114ull);
        EXPECT_EQ(
            Fnv1a(MakeTileableTexture(files::GradientWithNoise(1200, 1000, 20), {1, 0.6}).image),
            32470298479457711ull);
        EXPECT_EQ(Fnv1a(MakeTileableTexture(decoded).image), 17741632563819959207ull);
    }
}

// The periodic component keeps the picture's detail exactly: its Laplacian
// around the wrap equals the picture's within its own edges, everywhere,
// and its mean is the picture's.
TEST(PeriodicComponent, KeepsThePicturesLaplacianAndMean) {
    const size_t n = 64;
    const Picture picture = files::GradientWithNoise(int(n), int(n), 30);
    ColourPlanes planes = ColourPlanes::Make(n);
    for (size_t i = 0; i < n * n; ++i) {
        for (size_t c = 0; c < 3; ++c) planes.channel[c][i] = picture.rgb[i * 3 + c];
    }
    const ColourPlanes original = planes;
    KeepPeriodicComponent(planes);
    for (size_t c = 0; c < 3; ++c) {
        const std::vector<double>& u = original.channel[c];
        const std::vector<double>& p = planes.channel[c];
        double meanU = 0.0, meanP = 0.0;
        for (size_t y = 0; y < n; ++y) {
            for (size_t x = 0; x < n; ++x) {
                const size_t i = y * n + x;
                meanU += u[i];
                meanP += p[i];
                double inside = 0.0;  // neighbours within the picture only
                if (x > 0) inside += u[i - 1] - u[i];
                if (x + 1 < n) inside += u[i + 1] - u[i];
                if (y > 0) inside += u[i - n] - u[i];
                if (y + 1 < n) inside += u[i + n] - u[i];
                const double wrapped = p[y * n + (x + n - 1) % n] + p[y * n + (x + 1) % n] +
                                       p[((y + n - 1) % n) * n + x] + p[((y + 1) % n) * n + x] -
                                       4.0 * p[i];
                ASSERT_NEAR(wrapped, inside, 1e-9) << "channel " << c << " at " << x << ", " << y;
            }
        }
        EXPECT_NEAR(meanP, meanU, 1e-7);
    }
}

TEST(TextureScale, KeepsTheGroundNearItsTrueSize) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double picture, repetition;
        int repeats;
        double crop;
    } cases[] = {
        {10.0, 100.0, 10, 1.0},  // a repetition holds ten pictures
        {40.0, 61.0, 2, 0.7625},  // 1.525: two copies of the centre 30.5 m
        {40.0, 50.0, 2, 0.625},   // 1.25: two copies of the centre 25 m
        {40.0, 40.0, 1, 1.0},
        {40.0, 80.0 + 1e-12, 2, 1.0},  // a hair above two is two
        {100.0, 25.0, 1, 0.25},  // a repetition shows a quarter of the picture
        {0.5, 1000.0, kMaxRepeats, 1.0},
        {0.0, 10.0, 1, 1.0},  // what is not a size gives the picture once, whole
        {-1.0, 10.0, 1, 1.0},
        {nan, 10.0, 1, 1.0},
        {10.0, inf, 1, 1.0},
        {10.0, 0.0, 1, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture << " m, " << c.repetition << " m");
        const TextureScale scale = ScaleForGround(c.picture, c.repetition);
        EXPECT_EQ(scale.repeats, c.repeats);
        EXPECT_DOUBLE_EQ(scale.cropFraction, c.crop);
    }
    EXPECT_DOUBLE_EQ(GroundPerPicture({3, 1.0}, 112.5), 37.5);
    EXPECT_DOUBLE_EQ(GroundPerPicture({1, 0.25}, 25.0), 100.0);
    EXPECT_DOUBLE_EQ(GroundPerPicture(ScaleForGround(100.0, 25.0), 25.0), 100.0);
}

}  // namespace
