// The painting job's stages, one benchmark each, on a real level, so that the
// whole job's time (bench/job_timing.sh) splits into shares: the primary
// heightmap's loading (with its slope map), its painting (blend weights and
// composition, a band at a time), its maps painted and written, the saves
// alone, the eight surrounding maps
// with and without their sixteen conversions, one conversion, one start of
// the command interpreter, and the splitter with its 128 conversions. Two
// limits frame them: filling the job's peak memory once, fresh from the
// system, and reading it once.
//
// The level is the paint/ folder named by MARVANE_BENCH_LEVEL (data/ inside,
// the heightmaps one folder up), in which the job has run once, so that
// the two big maps exist for the splitter. Without it, every
// benchmark here but the two limits skips.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "common/image/tga_image.h"
#include "common/platform/platform.h"
#include "common/status/status.h"
#include "common/text/c_format.h"
#include "level/heightmap_file.h"
#include "level/level_names.h"
#include "level/settings_file.h"
#include "painter/paint/material_set.h"
#include "painter/paint/primary_maps.h"
#include "painter/paint/surrounding_maps.h"
#include "painter/terrain/height_field.h"

namespace {

// The level's files, one folder up from the working folder, as the job reads them.
const std::string kSettingsPath = std::string("../") + level::kSettingsFile;
const std::string kPrimaryPath = std::string("../") + level::kPrimaryHeightmapFile;

// The level, entered once: its settings and its material set. Null when no
// level is named or it cannot be read.
struct Level {
    TerrainConfig config;
    MaterialSet materials;
    std::optional<HeightField> primary;

    std::int32_t PrimarySide() const { return 4 * (config.primary.size - 1); }
};

Level* OpenLevel() {
    static std::unique_ptr<Level> level = []() -> std::unique_ptr<Level> {
        const char* folder = std::getenv("MARVANE_BENCH_LEVEL");
        if (!folder || !*folder) return nullptr;
        std::error_code error;
        std::filesystem::current_path(folder, error);
        if (error) return nullptr;
        // nvdxt and quillet from the folder of this program, as the painter finds them.
        platform::PutFolderFirstOnPath(platform::ExecutableFolder());
        try {
            auto opened = std::make_unique<Level>();
            if (!level::ReadSettingsFile(kSettingsPath, opened->config).ok()) return nullptr;
            opened->materials =
                MaterialSet::Load({materials::kHeightGradientPath, materials::kAngleGradientPath,
                                   materials::kSteepTexturePath, materials::kHighTexturePath,
                                   materials::kLowTexturePath});
            return opened;
        } catch (const FatalError&) {
            return nullptr;
        }
    }();
    return level.get();
}

Level* LevelOrSkip(benchmark::State& state) {
    Level* level = OpenLevel();
    if (!level) state.SkipWithError("no level: set MARVANE_BENCH_LEVEL to a level's paint folder");
    return level;
}

HeightField LoadField(const std::string& path, const HeightmapSettings& settings,
                      bool sixteenBit) {
    level::Heightmap map;
    if (const Status read = level::ReadHeightmap(path, settings, sixteenBit, map); !read.ok()) {
        throw FatalError{read.message()};
    }
    HeightField field = HeightField::FromHeightmap(std::move(map));
    field.BuildNormalMap();
    return field;
}

const HeightField& Primary(Level& level) {
    if (!level.primary) {
        level.primary.emplace(LoadField(kPrimaryPath, level.config.primary, true));
    }
    return *level.primary;
}

int NoCommand(const char*) { return 0; }

void BM_Job_PrimaryLoad(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    for (auto _ : state) {
        const HeightField field = LoadField(kPrimaryPath, level->config.primary, true);
        benchmark::DoNotOptimize(field.normalMap.data());
    }
}
BENCHMARK(BM_Job_PrimaryLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// Blend weights and both maps' composition, a band at a time, without files.
void BM_Job_PrimaryPainting(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    const HeightField& field = Primary(*level);
    Progress progress;
    for (auto _ : state) {
        PaintPrimaryMaps(level->materials, field, level->PrimarySide(), true, progress,
                         [](const std::uint8_t* detail, const std::uint8_t*, std::size_t) {
                             benchmark::DoNotOptimize(detail);
                         });
    }
}
BENCHMARK(BM_Job_PrimaryPainting)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with both maps written, to other names than the job's.
void BM_Job_PrimaryMaps(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    const HeightField& field = Primary(*level);
    const std::int32_t side = level->PrimarySide();
    Progress progress;
    for (auto _ : state) {
        TgaFileWriter detail, colour;
        if (!detail.Begin("bench_detail.tga", Bgr24, side, side).ok() ||
            !colour.Begin("bench_colour.tga", Bgr24, side, side).ok()) {
            state.SkipWithError("cannot write");
            break;
        }
        const std::size_t rowBytes = static_cast<std::size_t>(side) * 3;
        PaintPrimaryMaps(level->materials, field, side, true, progress,
                         [&](const std::uint8_t* d, const std::uint8_t* c, std::size_t rows) {
                             detail.Write(d, rows * rowBytes);
                             colour.Write(c, rows * rowBytes);
                         });
        if (!detail.Finish().ok() || !colour.Finish().ok()) state.SkipWithError("cannot write");
    }
    platform::RemoveFile("bench_detail.tga");
    platform::RemoveFile("bench_colour.tga");
}
BENCHMARK(BM_Job_PrimaryMaps)->Unit(benchmark::kMillisecond)->UseRealTime();

// Two saves of maps of that size on their own.
void BM_Job_PrimarySaves(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    const std::int32_t side = level->PrimarySide();
    TgaImage detail = TgaImage::Make(Bgr24, side, side);
    TgaImage colour = TgaImage::Make(Bgr24, side, side);
    for (size_t i = 0; i < detail.ByteCount(); ++i) {
        detail.pixels[i] = static_cast<std::uint8_t>(i * 7);
        colour.pixels[i] = static_cast<std::uint8_t>(i * 5);
    }
    for (auto _ : state) {
        if (!detail.Save("bench_detail.tga").ok() || !colour.Save("bench_colour.tga").ok()) {
            state.SkipWithError("cannot save");
            break;
        }
    }
    platform::RemoveFile("bench_detail.tga");
    platform::RemoveFile("bench_colour.tga");
}
BENCHMARK(BM_Job_PrimarySaves)->Unit(benchmark::kMillisecond)->UseRealTime();

// As the job paints them: each map through its temporary pictures and two
// conversions.
void PaintSurrounding(Level& level, platform::CommandRunner runCommand) {
    for (std::size_t i = 0; i < std::size(level::kSurroundingPlaces); ++i) {
        const SurroundingMaps maps = PaintSurroundingMaps(
            level.materials,
            LoadField("../" + level::SurroundingHeightmapFile(level::kSurroundingPlaces[i]),
                      level.config.secondary, false));
        if (!maps.colour.Save(level::kColourTemporary).ok() ||
            !maps.lowDetail.Save(level::kDetailTemporary).ok()) {
            return;
        }
        runCommand(FormatC("nvdxt -file %s -output %s -u8888 -nomipmap", level::kColourTemporary,
                           level::SurroundingColourFile(i).c_str())
                       .c_str());
        runCommand(FormatC("nvdxt -file %s -output %s -u8888 -nomipmap", level::kDetailTemporary,
                           level::SurroundingLowDetailFile(i).c_str())
                       .c_str());
    }
}

void BM_Job_SurroundingMaps(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    for (auto _ : state) PaintSurrounding(*level, platform::RunCommand);
}
BENCHMARK(BM_Job_SurroundingMaps)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Job_SurroundingMapsWithoutConversions(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    for (auto _ : state) PaintSurrounding(*level, NoCommand);
}
BENCHMARK(BM_Job_SurroundingMapsWithoutConversions)->Unit(benchmark::kMillisecond)->UseRealTime();

// One conversion as the splitter runs it: a 512 x 512 tile through the
// command interpreter into a DDS file.
void BM_Job_OneConversion(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    TgaImage tile = TgaImage::Make(Bgr24, 512, 512);
    for (size_t i = 0; i < tile.ByteCount(); ++i) tile.pixels[i] = static_cast<std::uint8_t>(i);
    if (!tile.Save("bench_tile.tga").ok()) {
        state.SkipWithError("cannot save the tile");
        return;
    }
    const std::string output = std::string(level::kColourFolder) + "/bench_tile.dds";
    const std::string command =
        FormatC("nvdxt -file bench_tile.tga -output %s -u8888 -nomipmap", output.c_str());
    for (auto _ : state) platform::RunCommand(command.c_str());
    platform::RemoveFile("bench_tile.tga");
    platform::RemoveFile(output.c_str());
}
BENCHMARK(BM_Job_OneConversion)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the command interpreter costs before it runs anything of ours.
void BM_Job_InterpreterStart(benchmark::State& state) {
    for (auto _ : state) platform::RunCommand("exit 0");
}
BENCHMARK(BM_Job_InterpreterStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Job_Splitter(benchmark::State& state) {
    Level* level = LevelOrSkip(state);
    if (!level) return;
    std::error_code error;
    if (!std::filesystem::exists(level::kDetailBigMap, error) ||
        !std::filesystem::exists(level::kColourBigMap, error)) {
        const std::string why = FormatC("no %s: run the job in the level once", level::kDetailBigMap);
        state.SkipWithError(why.c_str());
        return;
    }
    const std::string command =
        FormatC("quillet %s %s >/dev/null", level::kDetailBigMap, level::kColourBigMap);
    for (auto _ : state) platform::RunCommand(command.c_str());
}
BENCHMARK(BM_Job_Splitter)->Unit(benchmark::kMillisecond)->UseRealTime();

// The limits: the job's peak memory (MARVANE_BENCH_MIB, default 320 MiB)
// taken fresh from the system and written once, and read once.
size_t StreamBytes() {
    const char* setting = std::getenv("MARVANE_BENCH_MIB");
    const long mib = setting ? std::strtol(setting, nullptr, 10) : 0;
    return static_cast<size_t>(mib > 0 ? mib : 320) << 20;
}

void BM_Limit_FillFreshMemory(benchmark::State& state) {
    const size_t bytes = StreamBytes();
    for (auto _ : state) {
        auto block = std::make_unique_for_overwrite<std::uint64_t[]>(bytes / 8);
        std::uint64_t* words = block.get();
        for (size_t i = 0; i < bytes / 8; ++i) words[i] = i;
        benchmark::DoNotOptimize(words);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_Limit_FillFreshMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Limit_ReadMemory(benchmark::State& state) {
    const size_t words = StreamBytes() / 8;
    auto block = std::make_unique<std::uint64_t[]>(words);
    for (size_t i = 0; i < words; ++i) block[i] = i;
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (size_t i = 0; i < words; ++i) sum += block[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * words * 8));
}
BENCHMARK(BM_Limit_ReadMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
