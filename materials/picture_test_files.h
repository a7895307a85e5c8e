#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/image/tga_image.h"
#include "materials/picture.h"

// Picture files made in memory for the tests, so that they need no files of
// their own: what stb_image_write writes, and by hand what it cannot (16-bit
// and paletted PNG, headers that claim more than they hold).
namespace materials::test_files {

enum class Kind { Png, Bmp, Tga, Jpeg };

// A file of 8-bit samples, `channels` (1 to 4) interleaved, rows from the
// top. JPEG drops alpha itself and is not exact.
std::string Encode(Kind kind, int width, int height, int channels,
                   const std::vector<std::uint8_t>& samples);
// A greyscale PNG of 16-bit samples.
std::string EncodeGrey16Png(int width, int height, const std::vector<std::uint16_t>& samples);
// A paletted PNG: 8-bit indices into `rgba`, four bytes an entry, whose
// alphas go into a transparency chunk.
std::string EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& rgba,
                             const std::vector<std::uint8_t>& indices);

// Files whose header claims width × height pixels and hold hardly any.
std::string PngClaiming(std::uint32_t width, std::uint32_t height);
std::string JpegClaiming(std::uint16_t width, std::uint16_t height);
std::string BmpClaiming(std::int32_t width, std::int32_t height);
std::string TgaClaiming(std::uint16_t width, std::uint16_t height);

// A picture that does not tile: a smooth gradient in every channel, left
// to right, top to bottom and across, with noise of ±`noise` on top, the
// same on every machine.
Picture GradientWithNoise(std::int32_t width, std::int32_t height, int noise);

// The picture as TGA bytes would show it, and back: an image's stored rows
// bottom first and blue, green, red; a picture's rows top first and red,
// green, blue.
Picture PictureOfTexture(const TgaImage& image);
TgaImage TextureOfPicture(const Picture& picture);

}  // namespace materials::test_files
