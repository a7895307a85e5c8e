#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/image/tga_image.h"

// Files of a material set for tests, written into the current folder.
namespace paint_test {

// An image whose byte i is (i × step + seed) mod 256.
TgaImage Picture(std::int32_t format, int width, int height, int step = 7, int seed = 0);

// Writes an image; fails the calling test when it cannot be written.
void Write(const TgaImage& image, const char* path);

// data/ with both gradients and the three textures, each of them valid.
void WriteMaterialSet();

// The message of the FatalError that `action` throws, or "(no failure)".
template <typename Action>
std::string FailureOf(Action&& action);

// The files of a folder that the program opens from now on, in order of
// opening (Linux); elsewhere nothing is recorded and Opened() gives nothing.
class OpenWatch {
public:
    explicit OpenWatch(const char* folder);
    ~OpenWatch();
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;
    std::optional<std::vector<std::string>> Opened();

private:
    int fd_ = -1;
};

}  // namespace paint_test

#include "painter/app/report.h"

template <typename Action>
std::string paint_test::FailureOf(Action&& action) {
    try {
        action();
    } catch (const FatalError& error) {
        return error.text;
    }
    return "(no failure)";
}
