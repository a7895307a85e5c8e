// Terrain input at the primary map's size: reading a 1025 x 1025 16-bit
// heightmap (read, convert, slope map), the slope map alone, and the two
// samplers as the blend weights call them for a 4096 x 4096 output. Run with
// MARVANE_THREADS=1 and without it to see the slope map on one core and on all.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "level/heightmap_file.h"
#include "level/heightmap_samples.h"
#include "painter/terrain/height_field.h"

namespace {

constexpr int kSide = 1025;
constexpr int kOutputSide = 4 * (kSide - 1);

HeightmapSettings PrimarySettings() {
    return {kSide, 2.0f, 0.003f, 0.003f * level::FullSampleRange(true), 0, {}, 0, {}, {}, {}};
}

// The heightmap as the painter reads it; empty when it cannot be read.
HeightField ReadPrimary(const std::string& path) {
    level::Heightmap map;
    if (!level::ReadHeightmap(path, PrimarySettings(), true, map).ok()) return HeightField();
    return HeightField::FromHeightmap(std::move(map));
}

// Hills, a ridge and a little noise: slopes of every steepness, no flat
// stretches that would make the work easier than a real level's.
std::string MakeHeightmap() {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kSide) * kSide * 2);
    std::uint32_t noise = 12345;
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            noise = noise * 1664525u + 1013904223u;
            const double hills = 12000.0 * std::sin(r * 0.011) * std::cos(c * 0.017);
            const double ridge = 20000.0 * std::exp(-std::pow((c - r * 0.7 - 200) / 60.0, 2));
            const double value = 25000.0 + hills + ridge + static_cast<double>(noise >> 26);
            const auto sample = static_cast<std::uint16_t>(std::lround(value));
            bytes += static_cast<char>(sample & 0xff);
            bytes += static_cast<char>(sample >> 8);
        }
    }
    return bytes;
}

std::string BenchFile() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "marvane-terrain-bench.raw").string();
    static bool written = false;
    if (!written) {
        const std::string bytes = MakeHeightmap();
        if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
            written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
            written = std::fclose(file) == 0 && written;
        }
    }
    return written ? path : std::string();
}

void BM_LoadRaw1025Primary(benchmark::State& state) {
    const std::string path = BenchFile();
    if (path.empty()) {
        state.SkipWithError("cannot write the heightmap");
        return;
    }
    for (auto _ : state) {
        HeightField field = ReadPrimary(path);
        field.BuildNormalMap();
        benchmark::DoNotOptimize(field.normalMap.data());
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_LoadRaw1025Primary)->Unit(benchmark::kMillisecond)->UseRealTime();

const HeightField& Primary() {
    static const HeightField field = ReadPrimary(BenchFile());
    return field;
}

void BM_BuildNormalMap1025(benchmark::State& state) {
    if (BenchFile().empty()) {
        state.SkipWithError("cannot write the heightmap");
        return;
    }
    HeightField field = Primary();
    for (auto _ : state) {
        field.normalMap = {};  // released, so every build allocates as a read's does
        field.BuildNormalMap();
        benchmark::DoNotOptimize(field.normalMap.data());
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_BuildNormalMap1025)->Unit(benchmark::kMillisecond)->UseRealTime();

// One output row per iteration, at the grid positions the blend weights use:
// texel j of a 4096-texel row at j * 1024/4095, rows in turn.
template <double (HeightField::*Sampler)(float, float) const>
void SampleRows(benchmark::State& state) {
    if (BenchFile().empty()) {
        state.SkipWithError("cannot write the heightmap");
        return;
    }
    const HeightField& field = Primary();
    const float step = static_cast<float>(static_cast<double>(kSide - 1) / (kOutputSide - 1));
    int row = 0;
    for (auto _ : state) {
        const float y = static_cast<float>(row) * step;
        double sum = 0.0;
        for (int j = 0; j < kOutputSide; ++j)
            sum += (field.*Sampler)(static_cast<float>(j) * step, y);
        benchmark::DoNotOptimize(sum);
        row = (row + 1) % kOutputSide;
    }
    state.SetItemsProcessed(state.iterations() * kOutputSide);
}

void BM_SampleHeight(benchmark::State& state) { SampleRows<&HeightField::SampleHeight>(state); }
BENCHMARK(BM_SampleHeight);

void BM_SampleSlope(benchmark::State& state) { SampleRows<&HeightField::SampleSlope>(state); }
BENCHMARK(BM_SampleSlope);

}  // namespace
