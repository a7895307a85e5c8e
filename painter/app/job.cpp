#include "painter/app/job.h"

#include <cstdint>

#include "common/platform/platform.h"
#include "painter/app/report.h"
#include "painter/app/ui.h"

namespace {

// Reads the level, paints its maps and cuts them into tiles. Throws the
// message of the first failure.
void PaintLevel(const JobOptions& options) {
    platform::MakeFolder("detailmaps");
    platform::MakeFolder("colormaps");
    if (options.paintSurrounding) platform::MakeFolder("lowdetailmaps");

    // The time covers reading, painting and splitting, not the folders.
    const std::int64_t start = platform::MillisecondClock();

    // Reading the level and painting its maps come here.

    LogLine("");
    ShowStatus("Spliting primary");
    // The splitter's status is not examined: a missing or failing splitter
    // leaves the tiles missing, and the log still shows how far it got.
    platform::RunCommand("quillet detailbig.tga colourbig.tga");

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
