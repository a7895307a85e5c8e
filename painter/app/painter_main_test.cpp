#include "painter/app/painter_main.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/platform/platform.h"
#include "painter/app/job_thread.h"
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
bool JobsEnded() {
    for (int i = 0; i < 3000 && JobThreadRunning(); ++i) std::this_thread::sleep_for(10ms);
    return !JobThreadRunning();
}

class PainterMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        recording_ui::Clear();
        previousRunner_ = platform::ReplaceCommandRunner(NoCommand);
    }
    void TearDown() override {
        recording_ui::Clear();
        platform::ReplaceCommandRunner(previousRunner_);
    }

    TempWorkingFolder folder_;
    platform::CommandRunner previousRunner_ = nullptr;
};

TEST_F(PainterMainTest, WithoutAllThreeOptionsTheDialogRunsBetweenBannerAndClosedLog) {
    for (const char* commandLine :
         {"", "-mirror 1 -surround 1", "-surround 1 -mirror 1 -deltemps 1"}) {
        SCOPED_TRACE(commandLine);
        recording_ui::Clear();
        recording_ui::SetDialogScript([] { LogLine("while the dialog is shown"); });
        EXPECT_EQ(PainterMain(commandLine), 0);
        EXPECT_EQ(recording_ui::Events(),
                  (std::vector<std::string>{"dialog: shown", "dialog: closed"}));
        LogLine("after the end");  // the log is closed: dropped
        std::vector<std::string> expected = Banner;
        expected.push_back("while the dialog is shown");
        EXPECT_EQ(LogLines(), expected);
    }
}

TEST_F(PainterMainTest, WithTheOptionsNoDialogIsShown) {
    PainterMain("-mirror 1 -surround 0 -deltemps 1");
    for (const std::string& event : recording_ui::Events()) EXPECT_NE(event, "dialog: shown");
}

TEST_F(PainterMainTest, AJobStartedFromTheDialogRunsOnItsOwnThreadWithItsOwnOptions) {
    std::thread::id dialogThread, jobThread;
    recording_ui::SetEventHook([&](const std::string& event) {
        if (event == "controls: off") jobThread = std::this_thread::get_id();
    });
    recording_ui::SetDialogScript([&] {
        dialogThread = std::this_thread::get_id();
        JobOptions options;
        options.paintSurrounding = true;
        ASSERT_TRUE(StartJobThread(options));
        ASSERT_TRUE(JobsEnded());
    });
    EXPECT_EQ(PainterMain(""), 0);

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

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
// Closing the dialog while a job runs ends the program at once with status 0
// and the log closed. A death test's child process runs the test body again
// from the start: it finds the parent's folder in the environment.
TEST(PainterMainEnd, ClosingTheDialogWhileAJobRunsEndsTheProgramWithTheLogClosed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* const variable = "MARVANE_PAINTER_MAIN_TEST_FOLDER";
    std::optional<TempWorkingFolder> folder;
    if (const char* inherited = std::getenv(variable)) {
        fs::current_path(inherited);
    } else {
        folder.emplace();
        setenv(variable, folder->path().c_str(), 1);
    }

    EXPECT_EXIT(
        {
            platform::ReplaceCommandRunner(NoCommand);
            std::atomic<bool> jobStarted{false};
            // The job stops at its first step, for good.
            recording_ui::SetEventHook([&jobStarted](const std::string& event) {
                if (event != "controls: off") return;
                jobStarted = true;
                for (;;) std::this_thread::sleep_for(1h);
            });
            recording_ui::SetDialogScript([&jobStarted] {
                StartJobThread(JobOptions{});
                while (!jobStarted) std::this_thread::sleep_for(1ms);
                LogLine("closing the dialog");
            });
            PainterMain("");
        },
        ::testing::ExitedWithCode(0), "");

    unsetenv(variable);
    std::vector<std::string> expected = Banner;
    expected.push_back("closing the dialog");
    EXPECT_EQ(LogLines(), expected);
}
#endif

}  // namespace
