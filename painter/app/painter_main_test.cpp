#include "painter/app/painter_main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "common/platform/platform.h"
#include "painter/app/report.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;

namespace {

int NoCommand(const char*) { return 0; }

std::vector<std::string> LogLines(const fs::path& path = "log.txt") {
    return testing_support::ReadLines(path);
}

const std::vector<std::string> Banner = {"-----------------", "Marvane v0.33", "-----------------"};

// Waits, within reason, until no job started from the dialog runs.
bool JobsEnded(const WorkerThreads& threads) {
    for (int i = 0; i < 3000 && threads.Running(); ++i) std::this_thread::sleep_for(10ms);
    return !threads.Running();
}

class PainterMainTest : public ::testing::Test {
protected:
    void SetUp() override { recording_ui::Clear(); }
    void TearDown() override { recording_ui::Clear(); }
    // A run whose jobs' commands do nothing.
    static PainterRun& QuietRun(PainterRun& run) {
        run.runCommand = NoCommand;
        return run;
    }

    TempWorkingFolder folder_;
};

TEST_F(PainterMainTest, WithoutAllThreeOptionsTheDialogRunsBetweenBannerAndClosedLog) {
    for (const char* commandLine :
         {"", "-mirror 1 -surround 1", "-surround 1 -mirror 1 -deltemps 1"}) {
        SCOPED_TRACE(commandLine);
        recording_ui::Clear();
        PainterRun run;
        recording_ui::SetDialogScript(
            [&run](const DialogHost&) { run.log.Line("while the dialog is shown"); });
        EXPECT_EQ(PainterMain(commandLine, QuietRun(run)), 0);
        EXPECT_EQ(recording_ui::Events(),
                  (std::vector<std::string>{"dialog: shown", "dialog: closed"}));
        run.log.Line("after the end");  // the log is closed: dropped
        std::vector<std::string> expected = Banner;
        expected.push_back("while the dialog is shown");
        EXPECT_EQ(LogLines(), expected);
    }
}

TEST_F(PainterMainTest, WithTheOptionsNoDialogIsShown) {
    PainterRun run;
    PainterMain("-mirror 1 -surround 0 -deltemps 1", QuietRun(run));
    for (const std::string& event : recording_ui::Events()) EXPECT_NE(event, "dialog: shown");
}

TEST_F(PainterMainTest, AJobStartedFromTheDialogRunsOnItsOwnThreadWithItsOwnOptions) {
    std::thread::id dialogThread, jobThread;
    recording_ui::SetEventHook([&](const std::string& event) {
        if (event == "controls: off") jobThread = std::this_thread::get_id();
    });
    PainterRun run;
    recording_ui::SetDialogScript([&](const DialogHost& host) {
        dialogThread = std::this_thread::get_id();
        JobOptions options;
        options.paintSurrounding = true;
        ASSERT_TRUE(host.startJob(options, recording_ui::Window()));
        ASSERT_TRUE(JobsEnded(run.dialogThreads));
    });
    EXPECT_EQ(PainterMain("", QuietRun(run)), 0);

    const auto events = recording_ui::Events();
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events.front(), "dialog: shown");
    EXPECT_EQ(events[1], "controls: off");
    EXPECT_EQ(events[events.size() - 2], "controls: on");
    EXPECT_EQ(events.back(), "dialog: closed");
    EXPECT_NE(jobThread, std::thread::id());
    EXPECT_NE(jobThread, dialogThread);
    EXPECT_TRUE(fs::is_directory("lowdetailmaps"));
}

TEST_F(PainterMainTest, ClosingTheDialogWhileAJobRunsStopsItAndEndsOnceItHasEnded) {
    std::atomic<bool> jobStarted{false};
    std::atomic<bool> stopSeen{false};
    PainterRun run;
    // The job is held at its first step until it is asked to stop, as a job
    // busy with a band of rows would be.
    recording_ui::SetEventHook([&](const std::string& event) {
        if (event != "controls: off") return;
        jobStarted = true;
        const WorkerThreads& threads = run.dialogThreads;
        for (int i = 0; i < 30000 && !threads.StopRequested(); ++i) {
            std::this_thread::sleep_for(1ms);
        }
        stopSeen = threads.StopRequested();
        run.log.Line("the job goes on after the close");
    });
    recording_ui::SetDialogScript([&](const DialogHost& host) {
        ASSERT_TRUE(host.startJob(JobOptions{}, recording_ui::Window()));
        while (!jobStarted) std::this_thread::sleep_for(1ms);
        run.log.Line("closing the dialog");
    });
    EXPECT_EQ(PainterMain("", QuietRun(run)), 0);
    EXPECT_TRUE(stopSeen);
    EXPECT_FALSE(run.dialogThreads.Running());

    // The job had ended before the program did: its last step is recorded,
    // and its lines after the close are in the log, which closed after them.
    const auto events = recording_ui::Events();
    const auto closed = std::find(events.begin(), events.end(), "dialog: closed");
    ASSERT_NE(closed, events.end());
    EXPECT_NE(std::find(closed, events.end(), "controls: on"), events.end());
    run.log.Line("after the end");
    const auto lines = LogLines();
    std::vector<std::string> start = Banner;
    start.push_back("closing the dialog");
    start.push_back("the job goes on after the close");
    ASSERT_GE(lines.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + start.size()), start);
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "after the end"), lines.end());
}

}  // namespace
