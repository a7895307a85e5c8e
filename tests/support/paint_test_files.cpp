#include "tests/support/paint_test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace paint_test {

TgaImage Picture(std::int32_t format, int width, int height, int step, int seed) {
    TgaImage image = TgaImage::Make(format, width, height);
    for (size_t i = 0; i < image.ByteCount(); ++i) {
        image.pixels[i] = static_cast<std::uint8_t>((i * static_cast<size_t>(step) + seed) & 0xFF);
    }
    return image;
}

void Write(const TgaImage& image, const char* path) { ASSERT_TRUE(image.Save(path).ok()) << path; }

void WriteMaterialSet() {
    std::filesystem::create_directory("data");
    Write(Picture(Grey8, 512, 1, 1, 0), "data/grad_height.tga");
    Write(Picture(Grey8, 512, 1, 3, 5), "data/grad_angle.tga");
    Write(Picture(Bgr24, 512, 512, 7, 1), "data/steep.tga");
    Write(Picture(Bgr24, 512, 512, 11, 2), "data/high.tga");
    Write(Picture(Bgr24, 512, 512, 13, 3), "data/low.tga");
}

#ifdef __linux__
OpenWatch::OpenWatch(const char* folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0 && inotify_add_watch(fd_, folder, IN_OPEN) < 0) {
        close(fd_);
        fd_ = -1;
    }
}

OpenWatch::~OpenWatch() {
    if (fd_ >= 0) close(fd_);
}

std::optional<std::vector<std::string>> OpenWatch::Opened() {
    if (fd_ < 0) return std::nullopt;
    std::vector<std::string> names;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t got; (got = read(fd_, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0) names.emplace_back(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return names;
}
#else
OpenWatch::OpenWatch(const char*) {}
OpenWatch::~OpenWatch() {}
std::optional<std::vector<std::string>> OpenWatch::Opened() { return std::nullopt; }
#endif

}  // namespace paint_test
