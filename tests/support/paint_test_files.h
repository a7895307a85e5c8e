#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/image/tga_image.h"
#include "painter/paint/gradient_table.h"
#include "painter/terrain/height_field.h"

// Files of a material set for tests, written into the current folder.
namespace paint_test {

// An image whose byte i is (i × step + seed) mod 256.
TgaImage Picture(std::int32_t format, int width, int height, int step = 7, int seed = 0);

// Writes an image; fails the calling test when it cannot be written.
void Write(const TgaImage& image, const char* path);

// data/ with both gradients and the three textures, each of them valid.
void WriteMaterialSet();

// A height field made in memory: the same height and slope at every vertex.
inline HeightField MakeField(std::int32_t size, float heightRange, float height, float slope) {
    HeightField field;
    field.size = size;
    field.horizontalScale = 1.0f;
    field.verticalScale = heightRange / 65536.0f;
    field.heightRange = heightRange;
    const std::size_t n = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    field.heights.assign(n, height);
    field.normalMap.assign(n, slope);
    return field;
}

inline void SetTable(GradientTable& table, float value) { table.entries.fill(value); }

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

#include "common/status/status.h"

template <typename Action>
std::string paint_test::FailureOf(Action&& action) {
    try {
        action();
    } catch (const FatalError& error) {
        return error.text;
    }
    return "(no failure)";
}
