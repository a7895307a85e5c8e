#include "painter/app/job.h"

#include <cstdint>

#include "common/platform/platform.h"
#include "painter/app/report.h"
#include "painter/app/ui.h"
#include "painter/paint/terrain_painter.h"
#include "painter/terrain/height_field.h"
#include "painter/terrain/terrain_config.h"

namespace {

// The eight surrounding heightmaps in the order they are painted, each with
// the index that names its textures.
struct SurroundingMap {
    const char* index;
    const char* path;
};
constexpr SurroundingMap kSurroundingMaps[] = {
    {"0", "../HeightmapSecondary_L1D1.raw"}, {"1", "../HeightmapSecondary_D1.raw"},
    {"2", "../HeightmapSecondary_R1D1.raw"}, {"3", "../HeightmapSecondary_R1.raw"},
    {"4", "../HeightmapSecondary_R1U1.raw"}, {"5", "../HeightmapSecondary_U1.raw"},
    {"6", "../HeightmapSecondary_L1U1.raw"}, {"7", "../HeightmapSecondary_L1.raw"},
};

// The primary maps are 4 * (size - 1) texels wide, and a TGA file holds
// sides up to 32767. Checked before anything large is allocated.
constexpr std::int32_t LargestPrimarySize = 8192;

// Each height field lives only until its weights are computed, so that one
// at most is held at any time.
void ComputeWeightsOf(TerrainPainter& painter, const char* path, const HeightmapSettings& settings,
                      bool sixteenBit, std::int32_t side) {
    const HeightField field = HeightField::LoadRaw(path, settings, sixteenBit);
    painter.ComputeBlendWeights(field, side);
}

// Reads the level, paints its maps and cuts them into tiles. Throws the
// message of the first failure.
void PaintLevel(const JobOptions& options) {
    platform::MakeFolder("detailmaps");
    platform::MakeFolder("colormaps");
    if (options.paintSurrounding) platform::MakeFolder("lowdetailmaps");

    // The time covers reading, painting and splitting, not the folders.
    const std::int64_t start = platform::MillisecondClock();

    const TerrainConfig config = LoadTerrainConfig("../Heightdata.con");
    if (config.primary.size > LargestPrimarySize) {
        Fail("ERROR: \"../Heightdata.con\": primary size %d is above %d; its maps would be "
             "wider than a TGA file can hold",
             config.primary.size, LargestPrimarySize);
    }
    TerrainPainter painter;

    // A size below 2 is refused by the loader before the side is used.
    ComputeWeightsOf(painter, "../HeightmapPrimary.raw", config.primary, true,
                     4 * (config.primary.size - 1));
    painter.WritePrimaryMaps(options.mirrorColour);

    if (options.paintSurrounding) {
        for (const SurroundingMap& map : kSurroundingMaps) {
            ComputeWeightsOf(painter, map.path, config.secondary, false, MaterialSize);
            painter.WriteSurroundingMaps(map.index);
        }
    }

    LogLine("");
    ShowStatus("Spliting primary");
    // A splitter that fails (a full disk, a tile folder that cannot be
    // written, no splitter at all) leaves tiles missing, so the job must not
    // report "Completed". Its own messages say which tile went wrong.
    constexpr char splitCommand[] = "quillet detailbig.tga colourbig.tga";
    if (platform::RunCommand(splitCommand) != 0) {
        Fail("ERROR: running \"%s\" failed", splitCommand);
    }

    const std::int64_t elapsed = platform::MillisecondClock() - start;
    ShowStatus("Completed (%.4fs)", static_cast<double>(static_cast<float>(elapsed) * 0.001f));

    if (options.deleteTemporaries) {
        platform::RemoveFile("detailbig.tga");
        platform::RemoveFile("colourbig.tga");
    }
    platform::RemoveFile("ctemp.tga");
    platform::RemoveFile("dtemp.tga");
}

}  // namespace

JobResult RunJob(JobOptions options) {
    JobResult result = JobResult::Failed;
    try {
        SetControlsEnabled(false);
        PaintLevel(options);
        result = JobResult::Completed;
    } catch (const FatalError& error) {
        // Shown, not logged: the log ends with the last step that was reached.
        ShowFatalMessage(error.text.c_str());
    } catch (...) {
        ShowFatalMessage("Very bad unspecific error");
    }
    SetControlsEnabled(true);
    return result;
}
