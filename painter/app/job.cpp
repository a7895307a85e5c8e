#include "painter/app/job.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "common/image/tga_image.h"
#include "common/platform/file_commit.h"
#include "common/platform/files_together.h"
#include "common/platform/job_lock.h"
#include "common/platform/platform.h"
#include "common/platform/terminal.h"
#include "level/heightmap_file.h"
#include "level/level_names.h"
#include "level/settings_file.h"
#include "materials/check.h"
#include "materials/material_files.h"
#include "painter/app/terminal_progress.h"
#include "painter/paint/material_set.h"
#include "painter/paint/primary_maps.h"
#include "painter/paint/progress.h"
#include "painter/paint/surrounding_maps.h"
#include "painter/terrain/height_field.h"

// Every file name, temporary and command of a job is here; the painting core
// only reads and paints what it is given.

namespace {

// The level's files, one folder up from the working folder.
const std::string kSettingsPath = std::string("../") + level::kSettingsFile;
const std::string kPrimaryPath = std::string("../") + level::kPrimaryHeightmapFile;

// One of the eight surrounding heightmaps, with the index that names its
// textures.
struct SurroundingMap {
    std::size_t number;
    std::string index;
    std::string path;
};

constexpr MaterialPaths kMaterialSet{materials::kHeightGradientPath, materials::kAngleGradientPath,
                                     materials::kSteepTexturePath, materials::kHighTexturePath,
                                     materials::kLowTexturePath};


// What the job tells the user, where its context says: each step's text
// goes to the log and the status field; a stop is asked for by closing the
// dialog. A command-line job on a terminal also shows its steps and its
// progress there, and any command-line job shows its warnings on standard
// error.
class JobProgress : public Progress {
public:
    JobProgress(const JobContext& context, TerminalProgress* terminal)
        : context_(context), terminal_(terminal), commandLine_(context.fromCommandLine) {}

    void Step(const char* text) override {
        // Cut once, so that the log and the field show the same text.
        const std::string shown = FormatC("%.*s", kMessageCapacity - 1, text);
        context_.log.Text(shown.c_str());
        if (context_.window.showStatus) context_.window.showStatus(shown.c_str());
        if (terminal_) terminal_->Step(text);
    }
    void Advance(double fraction) override {
        if (terminal_) terminal_->Advance(fraction);
    }
    bool StopRequested() override { return Stoppable() && context_.stopRequested(); }
    // Whether anybody can ask this job to stop: a dialog's job can.
    bool Stoppable() const { return static_cast<bool>(context_.stopRequested); }
    // The job's context, for what the job writes and shows besides progress.
    const JobContext& Context() const { return context_; }
    // Before a message that must start a line of its own.
    void EndLine() {
        if (terminal_) terminal_->EndLine();
    }

    void Stepf(const char* format, ...) MARVANE_PRINTF(2, 3) {
        va_list args;
        va_start(args, format);
        const std::string text = FormatCV(format, args, kMessageCapacity - 1);
        va_end(args);
        Step(text.c_str());
    }

    // Whether lines of its own reach the user: a command-line job's do,
    // on standard error; a dialog's job has no place to show them.
    bool CommandLine() const { return commandLine_; }
    // One line on standard error for a command-line job, never in the log
    // (which records the steps only); nothing for a dialog's job.
    void Tell(const std::string& line) {
        if (line.empty() || !commandLine_ || !platform::ReachStartingConsole()) return;
        EndLine();
        std::fputs(line.c_str(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    void Warnf(const char* format, ...) MARVANE_PRINTF(2, 3) {
        va_list args;
        va_start(args, format);
        const std::string text = FormatCV(format, args, kMessageCapacity - 1);
        va_end(args);
        Tell("Warning: " + text);
    }

    // The last error line of the command that failed, for a command-line job.
    std::string commandError;

private:
    const JobContext& context_;
    TerminalProgress* terminal_;
    bool commandLine_;
};

// Runs a command through the interpreter. A dialog's job stops it when the
// user asks the job to stop; a command-line job runs it to its end, unless
// the painter itself is ended (Ctrl+C in a terminal), which ends the command
// with it. A command that
// fails (a full disk, a folder that cannot be written, no such program)
// leaves an output missing, so the job must not report "Completed"; its own
// messages say what went wrong.
// The command's last "ERROR: " line on standard error is kept, so that a
// command-line job can repeat it under its own message: the line that names
// the tile and the reason, which would otherwise be lost among the splitter's.
void RunJobCommand(JobProgress& progress, const char* command) {
    std::string errorLine;
    const platform::CommandRunner runner = progress.Context().runCommand;
    const int status =
        runner ? (progress.StopRequested() ? platform::kCommandStopped : runner(command))
               : platform::RunCommandUntil(command, progress.Context().stopRequested,
                                           progress.CommandLine() ? &errorLine : nullptr);
    if (status == platform::kCommandStopped) throw JobStopped{};
    if (status != 0) {
        progress.commandError = errorLine;
        Fail("ERROR: running \"%s\" failed", command);
    }
}

// The memory a primary map of this size needs at its peak: the heights and
// the slope map, each a float per sample, and a band of both maps with room
// for the threads' rows.
std::uint64_t PrimaryMemoryBytes(std::int32_t size) {
    const std::uint64_t samples =
        static_cast<std::uint64_t>(size) * static_cast<std::uint64_t>(size);
    return samples * 8 + (std::uint64_t{32} << 20);
}

void CheckPrimarySize(const HeightmapSettings& primary) {
    const std::int32_t size = primary.size;
    if (size < 2 && !primary.sizeBeyondRange.empty()) {
        Fail("ERROR: \"%s\": primary size %s is outside 2 to %d (line %d: \"%s\")",
             kSettingsPath.c_str(), primary.sizeBeyondRange.c_str(), level::kLargestPrimarySize,
             primary.sizeLineNumber, primary.sizeLine.c_str());
    }
    if (size > level::kLargestPrimarySize) {
        Fail(
            "ERROR: \"%s\": primary size %d is above %d; its maps would be "
            "wider than a TGA file can hold",
            kSettingsPath.c_str(), size, level::kLargestPrimarySize);
    }
    const std::uint64_t physical = platform::PhysicalMemoryBytes();
    const std::uint64_t needed = size > 0 ? PrimaryMemoryBytes(size) : 0;
    if (physical > 0 && needed > physical) {
        Fail(
            "ERROR: \"%s\": primary size %d needs %llu MiB of memory, more than "
            "the %llu MiB of this machine",
            kSettingsPath.c_str(), size, static_cast<unsigned long long>(needed >> 20),
            static_cast<unsigned long long>(physical >> 20));
    }
}

// The painter reads a gradient image's first 512 pixel bytes as they lie,
// whatever the picture is, so a gradient that reads as something else (24-
// or 32-bit, with its channels interleaved, say) is painted as it lies but
// named, so that the user knows why the ground looks as it does.
void WarnOfGradients(JobProgress& progress) {
    if (!progress.CommandLine()) return;
    for (const char* path : {kMaterialSet.heightGradient, kMaterialSet.angleGradient}) {
        const std::string warning = materials::GradientWarning(path);
        if (!warning.empty()) progress.Warnf("%s", warning.c_str());
    }
}

// The splitter cuts no tile from maps narrower than one: the job would end
// without a primary tile, and nothing else would say why.
void WarnOfNoPrimaryTile(JobProgress& progress, std::int32_t size) {
    const std::int32_t side = level::kPrimaryTexelsPerStep * (size - 1);
    if (side >= level::kTileSide) return;
    progress.Warnf(
        "%s is %d x %d samples, so its maps are %d texels a side, smaller than one %d x %d "
        "tile: no primary tile will be written (a primary size of at least %d gives one)",
        kPrimaryPath.c_str(), size, size, side, level::kTileSide, level::kTileSide,
        level::kSmallestTiledPrimary);
}

// For a file of the material set that the painter refused, a second line
// under its fixed message: what is wrong with the file and how to mend it.
// "" for any other message, or when the check finds nothing.
std::string MaterialSetReason(const std::string& message) {
    for (const char* path :
         {kMaterialSet.steepTexture, kMaterialSet.highTexture, kMaterialSet.lowTexture}) {
        if (message == FormatC("ERROR: reading \"%s\"", path)) {
            return materials::TextureProblem(path);
        }
    }
    for (const char* path : {kMaterialSet.heightGradient, kMaterialSet.angleGradient}) {
        if (message == FormatC("ERROR: opening \"%s\"", path)) {
            return materials::GradientProblem(path);
        }
    }
    return "";
}

// Where a reader of the level's files refuses them, the job ends with the
// reader's message as it is.
void FailOnRefusal(const Status& read) {
    if (!read.ok()) throw FatalError{read.message()};
}

// Reads one heightmap and builds its slopes, each step in the log.
HeightField ReadHeightField(JobProgress& progress, const char* path,
                            const HeightmapSettings& settings, bool sixteenBit) {
    progress.Context().log.Line("");
    progress.Stepf("Reading \"%s\" (%s-bit %dx%1.0fx%.8f)", path, sixteenBit ? "16" : "8",
                   settings.size, static_cast<double>(settings.horizontalScale),
                   static_cast<double>(settings.verticalScale));
    level::Heightmap map;
    FailOnRefusal(level::ReadHeightmap(path, settings, sixteenBit, map));
    HeightField field = HeightField::FromHeightmap(std::move(map));
    progress.Context().log.Line("    Generating normal map");
    field.BuildNormalMap();
    return field;
}

// The two big maps, a band at a time as they are painted.
// A map that cannot be written ends the job and leaves no file behind (the
// splitter would otherwise cut a missing or stale file). As with two saves
// one after the other, the detail map is finished and put in place first,
// also when the colour map cannot be written at all.
void WritePrimaryMaps(JobProgress& progress, const MaterialSet& materials, const HeightField& field,
                      bool mirrorColour) {
    const std::int32_t side = 4 * (field.size - 1);
    progress.Context().log.Line("    Generating detail map");
    progress.Step("Writing primary colour/detail maps");
    // Made again by the next run: no need to wait for the disk.
    TgaFileWriter detailFile(platform::FileCommit::Durability::Scratch);
    TgaFileWriter colourFile(platform::FileCommit::Durability::Scratch);
    if (!detailFile.Begin(level::kDetailBigMap, Bgr24, side, side).ok()) {
        Fail("ERROR: writing \"%s\"", level::kDetailBigMap);
    }
    bool colourWritten = colourFile.Begin(level::kColourBigMap, Bgr24, side, side).ok();
    const std::size_t rowBytes = static_cast<std::size_t>(side) * 3;
    PaintPrimaryMaps(materials, field, side, mirrorColour, progress,
                     [&](const std::uint8_t* detail, const std::uint8_t* colour, std::size_t rows) {
                         if (!detailFile.Write(detail, rows * rowBytes)) {
                             Fail("ERROR: writing \"%s\"", level::kDetailBigMap);
                         }
                         if (colourWritten)
                             colourWritten = colourFile.Write(colour, rows * rowBytes);
                     });
    if (!detailFile.Finish().ok()) Fail("ERROR: writing \"%s\"", level::kDetailBigMap);
    if (!colourWritten || !colourFile.Finish().ok()) {
        Fail("ERROR: writing \"%s\"", level::kColourBigMap);
    }
}

// One surrounding terrain's two textures, each through its temporary picture.
void WriteSurroundingMaps(JobProgress& progress, const MaterialSet& materials,
                          const HeightmapSettings& settings, const SurroundingMap& map) {
    SurroundingMaps maps;
    {
        // Held only until its maps are painted: one height field at a time.
        const HeightField field = ReadHeightField(progress, map.path.c_str(), settings, false);
        progress.Context().log.Line("    Generating detail map");
        progress.Stepf("Writing secondary(%s) colour/lowdetail maps", map.index.c_str());
        maps = PaintSurroundingMaps(materials, field);
    }
    // A temporary image that cannot be written ends the job: the converter
    // would otherwise turn the previous map's leftover file into this one.
    constexpr auto scratch = platform::FileCommit::Durability::Scratch;
    if (!maps.colour.Save(level::kColourTemporary, scratch).ok()) {
        Fail("ERROR: writing \"%s\"", level::kColourTemporary);
    }
    if (!maps.lowDetail.Save(level::kDetailTemporary, scratch).ok()) {
        Fail("ERROR: writing \"%s\"", level::kDetailTemporary);
    }
    RunJobCommand(progress, FormatC("nvdxt -file %s -output %s -u8888 -nomipmap",
                                    level::kColourTemporary,
                                    level::SurroundingColourFile(map.number).c_str())
                                .c_str());
    RunJobCommand(progress, FormatC("nvdxt -file %s -output %s -u8888 -nomipmap",
                                    level::kDetailTemporary,
                                    level::SurroundingLowDetailFile(map.number).c_str())
                                .c_str());
}

// What a program ended half-way through writing leaves: "<name>.partial"
// files, never under a real name.
void RemoveLeftovers() {
    platform::RemovePartialFiles(".");
    for (const char* folder : level::kOutputFolders) platform::RemovePartialFiles(folder);
}

// A write of the level (an import) or of the material set that a program
// ended half-way is completed, or undone, before either is read. A
// command-line job says so on standard error; a dialog's job, which has no
// other place for it, in the log.
void CompleteInterruptedWrites(JobProgress& progress) {
    for (const char* folder : {"..", materials::kDataFolder}) {
        std::string note;
        if (const Status s = platform::CompleteFilesTogether(folder, note); !s.ok()) {
            Fail("%s", s.message().c_str());
        }
        if (note.empty()) continue;
        if (progress.CommandLine()) {
            progress.Tell("Note: " + note);
        } else {
            progress.Context().log.Line("Note: %s", note.c_str());
        }
    }
}

// Reads the level, paints its maps and cuts them into tiles. Throws the
// message of the first failure, or JobStopped.
void PaintLevel(const JobOptions& options, JobProgress& progress) {
    // A dialog's job keeps other jobs out of the folder while it runs; a
    // command-line job runs under the lock its program took at the start.
    platform::JobLock lock;
    if (!progress.CommandLine()) {
        if (const Status taken = lock.Take(); taken.code() == platform::kJobLockBusy) {
            throw FatalError{taken.message()};
        }
    }
    platform::MakeFolder(level::kDetailFolder);
    platform::MakeFolder(level::kColourFolder);
    if (options.paintSurrounding) platform::MakeFolder(level::kLowDetailFolder);
    RemoveLeftovers();
    CompleteInterruptedWrites(progress);

    // The time covers reading, painting and splitting, not the folders.
    const std::int64_t start = platform::MillisecondClock();

    TerrainConfig config;
    FailOnRefusal(level::ReadSettingsFile(kSettingsPath, config));
    CheckPrimarySize(config.primary);
    const MaterialSet materials = MaterialSet::Load(kMaterialSet);
    WarnOfGradients(progress);

    {
        // A size below 2 is refused by the loader before the side is used.
        const HeightField primary =
            ReadHeightField(progress, kPrimaryPath.c_str(), config.primary, true);
        WarnOfNoPrimaryTile(progress, primary.size);
        WritePrimaryMaps(progress, materials, primary, options.mirrorColour);
    }
    if (options.paintSurrounding) {
        for (std::size_t i = 0; i < std::size(level::kSurroundingPlaces); ++i) {
            const SurroundingMap map{
                i, std::to_string(i),
                "../" + level::SurroundingHeightmapFile(level::kSurroundingPlaces[i])};
            if (progress.StopRequested()) throw JobStopped{};
            WriteSurroundingMaps(progress, materials, config.secondary, map);
        }
    }

    progress.Context().log.Line("");
    progress.Step("Spliting primary");
    RunJobCommand(progress,
                  FormatC("quillet %s %s", level::kDetailBigMap, level::kColourBigMap).c_str());

    const std::int64_t elapsed = platform::MillisecondClock() - start;
    progress.Stepf("Completed (%.4fs)", static_cast<double>(static_cast<float>(elapsed) * 0.001f));

    if (options.deleteTemporaries) {
        platform::RemoveFile(level::kDetailBigMap);
        platform::RemoveFile(level::kColourBigMap);
    }
    platform::RemoveFile(level::kColourTemporary);
    platform::RemoveFile(level::kDetailTemporary);
}

}  // namespace

JobResult RunJob(JobOptions options, const JobContext& context) {
    std::optional<TerminalProgress> terminal;
    if (context.terminal) terminal.emplace(context.terminal);
    JobProgress progress(context, terminal ? &*terminal : nullptr);
    const JobWindow& window = context.window;
    JobResult result = JobResult::Failed;
    try {
        if (window.enableControls) window.enableControls(false);
        PaintLevel(options, progress);
        result = JobResult::Completed;
    } catch (const JobStopped&) {
        // Asked for by the user: nothing to show. Files being written went
        // with their writers; a command ended half-way left its own.
        RemoveLeftovers();
        result = JobResult::Stopped;
    } catch (const FatalError& error) {
        // Shown, not logged: the log ends with the last step that was reached.
        progress.EndLine();
        if (window.showFatal) window.showFatal(error.text.c_str());
        // The message stays the fixed text; the command line gets the reason
        // below it.
        if (progress.CommandLine()) {
            progress.Tell(MaterialSetReason(error.text));
            progress.Tell(progress.commandError);
        }
    } catch (...) {
        progress.EndLine();
        if (window.showFatal) window.showFatal("Very bad unspecific error");
    }
    if (window.enableControls) window.enableControls(true);
    return result;
}
