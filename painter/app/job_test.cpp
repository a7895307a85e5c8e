#include "painter/app/job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <regex>
#include <string>
#include <vector>

#include "common/platform/platform.h"
#include "painter/app/recording_ui.h"
#include "painter/app/report.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

const char* const kTemporaries[] = {"detailbig.tga", "colourbig.tga", "ctemp.tga", "dtemp.tga"};

// What the splitter's command does in a test: recorded, and optionally a failure.
enum class SplitterBehaviour { Succeeds, CannotStart, ThrowsText, ThrowsOther };
SplitterBehaviour splitter = SplitterBehaviour::Succeeds;

int RecordCommand(const char* commandLine) {
    std::string event = std::string("run: ") + commandLine;
    for (const char* name : kTemporaries) {
        if (fs::exists(name)) event += std::string(" [") + name + "]";
    }
    recording_ui::Record(event);
    switch (splitter) {
        case SplitterBehaviour::Succeeds: return 0;
        case SplitterBehaviour::CannotStart: return 127;
        case SplitterBehaviour::ThrowsText: throw FatalError{"ERROR: reading \"../Heightdata.con\"\n"};
        case SplitterBehaviour::ThrowsOther: throw std::bad_alloc();
    }
    return 0;
}

class JobTest : public ::testing::Test {
protected:
    void SetUp() override {
        recording_ui::Clear();
        splitter = SplitterBehaviour::Succeeds;
        previousRunner_ = platform::ReplaceCommandRunner(RecordCommand);
        ASSERT_TRUE(OpenLog("log.txt"));
    }
    void TearDown() override {
        CloseLog();
        platform::ReplaceCommandRunner(previousRunner_);
    }
    static void MakeTemporaries() {
        for (const char* name : kTemporaries) WriteFileBytes(name, "x");
    }
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        std::string log = ReadFileBytes(folder_.path() / "log.txt"), line;
        for (char ch : log) {
            if (ch == '\r') continue;
            if (ch == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += ch;
            }
        }
        return lines;
    }

    TempWorkingFolder folder_;
    platform::CommandRunner previousRunner_ = nullptr;
};

const std::regex kCompleted(R"(Completed \([0-9]+\.[0-9]{4}s\))");

TEST_F(JobTest, RunsItsStepsInOrder) {
    MakeTemporaries();
    EXPECT_EQ(RunJob(JobOptions{true, true, false}), JobResult::Completed);

    const auto events = recording_ui::Events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0], "controls: off");
    EXPECT_EQ(events[1], "status: Spliting primary");
    // The big maps and the temporary images are still there while the splitter runs.
    EXPECT_EQ(events[2],
              "run: quillet detailbig.tga colourbig.tga [detailbig.tga] [colourbig.tga] "
              "[ctemp.tga] [dtemp.tga]");
    EXPECT_TRUE(std::regex_match(events[3], std::regex("status: " + std::string(R"(Completed \([0-9]+\.[0-9]{4}s\))"))))
        << events[3];
    EXPECT_EQ(events[4], "controls: on");

    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "Spliting primary");
    EXPECT_TRUE(std::regex_match(lines[2], kCompleted)) << lines[2];
}

TEST_F(JobTest, CreatesTheLowDetailFolderOnlyForSurroundingTerrain) {
    RunJob(JobOptions{false, false, false});
    EXPECT_TRUE(fs::is_directory("detailmaps"));
    EXPECT_TRUE(fs::is_directory("colormaps"));
    EXPECT_FALSE(fs::exists("lowdetailmaps"));

    RunJob(JobOptions{false, false, true});
    EXPECT_TRUE(fs::is_directory("lowdetailmaps"));
}

TEST_F(JobTest, AnExistingOrBlockedFolderIsPassedOver) {
    fs::create_directory("detailmaps");
    WriteFileBytes("colormaps", "a file where a folder should be");
    EXPECT_EQ(RunJob(JobOptions{}), JobResult::Completed);
}

TEST_F(JobTest, DeletesTheBigMapsOnlyWhenAskedAndTheTemporariesAlways) {
    for (bool deleteTemporaries : {false, true}) {
        SCOPED_TRACE(deleteTemporaries ? "delete temporaries" : "keep temporaries");
        MakeTemporaries();
        JobOptions options;
        options.deleteTemporaries = deleteTemporaries;
        ASSERT_EQ(RunJob(options), JobResult::Completed);
        EXPECT_EQ(fs::exists("detailbig.tga"), !deleteTemporaries);
        EXPECT_EQ(fs::exists("colourbig.tga"), !deleteTemporaries);
        EXPECT_FALSE(fs::exists("ctemp.tga"));
        EXPECT_FALSE(fs::exists("dtemp.tga"));
    }
}

TEST_F(JobTest, ASplitterThatCannotStartIsFollowedByCompleted) {
    splitter = SplitterBehaviour::CannotStart;
    EXPECT_EQ(RunJob(JobOptions{}), JobResult::Completed);
    EXPECT_TRUE(std::regex_match(LogLines().back(), kCompleted));
}

TEST_F(JobTest, AFailureIsShownExactlyAndEndsTheJob) {
    struct Case {
        SplitterBehaviour behaviour;
        const char* shown;
    };
    const Case cases[] = {
        // The text passes unchanged, trailing line break included.
        {SplitterBehaviour::ThrowsText, "fatal: ERROR: reading \"../Heightdata.con\"\n"},
        {SplitterBehaviour::ThrowsOther, "fatal: Very bad unspecific error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        recording_ui::Clear();
        ASSERT_TRUE(OpenLog("log.txt"));
        MakeTemporaries();
        splitter = c.behaviour;
        EXPECT_EQ(RunJob(JobOptions{false, true, false}), JobResult::Failed);

        const auto events = recording_ui::Events();
        ASSERT_EQ(events.size(), 5u);
        EXPECT_EQ(events[3], c.shown);
        EXPECT_EQ(events[4], "controls: on");
        // Nothing more is done: no Completed, nothing deleted, the error not logged.
        EXPECT_EQ(LogLines(), (std::vector<std::string>{"", "Spliting primary"}));
        for (const char* name : kTemporaries) EXPECT_TRUE(fs::exists(name)) << name;
    }
}

}  // namespace
