// Load and Save of a primary-sized map: 4096 × 4096 Bgr24, 48 MiB of pixels.
// Both should cost about one read or one write of the block, nothing more.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "common/image/tga_image.h"

namespace {

constexpr int kSide = 4096;

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "marvane-image-bench.tga").string();
}

TgaImage MakeMap() {
    TgaImage image = TgaImage::Make(Bgr24, kSide, kSide);
    for (size_t i = 0; i < image.ByteCount(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>(i * 7);
    return image;
}

void BM_TgaSave4096Bgr24(benchmark::State& state) {
    const TgaImage image = MakeMap();
    const std::string path = BenchFile();
    for (auto _ : state) {
        if (!image.Save(path.c_str()).ok()) state.SkipWithError("Save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(image.ByteCount()));
    std::remove(path.c_str());
}
BENCHMARK(BM_TgaSave4096Bgr24)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TgaLoad4096Bgr24(benchmark::State& state) {
    const std::string path = BenchFile();
    if (!MakeMap().Save(path.c_str()).ok()) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    for (auto _ : state) {
        TgaImage image;
        if (!image.Load(path.c_str()).ok()) state.SkipWithError("Load failed");
        benchmark::DoNotOptimize(image.pixels.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kSide * kSide * 3);
    std::remove(path.c_str());
}
BENCHMARK(BM_TgaLoad4096Bgr24)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
