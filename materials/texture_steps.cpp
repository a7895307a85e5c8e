#include "materials/texture_steps.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace materials {

namespace {

// Sums of absolute byte differences over whole pixels, in whole numbers.
std::uint64_t Step(const std::uint8_t* a, const std::uint8_t* b, size_t channels) {
    std::uint64_t sum = 0;
    for (size_t c = 0; c < channels; ++c) sum += std::uint64_t(std::abs(int(a[c]) - int(b[c])));
    return sum;
}

bool HasPixels(const TgaImage& image) { return image.ByteCount() > 0; }

}  // namespace

double WrapEdgeStep(const TgaImage& image) {
    if (!HasPixels(image)) return 0.0;
    const size_t channels = size_t(BytesPerPixel(image.format));
    const size_t width = size_t(image.width), height = size_t(image.height);
    const std::uint8_t* pixels = image.pixels.get();
    std::uint64_t sum = 0;
    for (size_t y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels + y * width * channels;
        sum += Step(row + (width - 1) * channels, row, channels);
    }
    const std::uint8_t* last = pixels + (height - 1) * width * channels;
    for (size_t x = 0; x < width; ++x) {
        sum += Step(last + x * channels, pixels + x * channels, channels);
    }
    return static_cast<double>(sum) / static_cast<double>((height + width) * channels);
}

double InsideStep(const TgaImage& image) {
    if (!HasPixels(image)) return 0.0;
    const size_t channels = size_t(BytesPerPixel(image.format));
    const size_t width = size_t(image.width), height = size_t(image.height);
    const size_t pairs = (width - 1) * height + width * (height - 1);
    if (pairs == 0) return 0.0;
    const std::uint8_t* pixels = image.pixels.get();
    const size_t rowBytes = width * channels;
    std::uint64_t sum = 0;
    for (size_t y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels + y * rowBytes;
        for (size_t x = 0; x + 1 < width; ++x) {
            sum += Step(row + x * channels, row + (x + 1) * channels, channels);
        }
        if (y + 1 < height) {
            for (size_t x = 0; x < width; ++x) {
                sum += Step(row + x * channels, row + rowBytes + x * channels, channels);
            }
        }
    }
    return static_cast<double>(sum) / static_cast<double>(pairs * channels);
}

}  // namespace materials
