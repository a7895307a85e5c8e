#include "painter/app/report.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;

namespace {

#ifdef _WIN32
const std::string kEol = "\r\n";
#else
const std::string kEol = "\n";
#endif

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        recording_ui::Clear();
        ASSERT_TRUE(OpenLog("log.txt"));
    }
    void TearDown() override { CloseLog(); }
    std::string Log() const { return ReadFileBytes(folder_.path() / "log.txt"); }

    TempWorkingFolder folder_;
};

TEST_F(ReportTest, OpeningEmptiesAnOldLog) {
    LogLine("old line");
    CloseLog();
    ASSERT_TRUE(OpenLog("log.txt"));
    EXPECT_EQ(Log(), "");
}

TEST_F(ReportTest, EveryLineIsOnDiskWhenTheCallReturns) {
    LogLine("first");
    EXPECT_EQ(Log(), "first" + kEol);
    LogLine("");
    EXPECT_EQ(Log(), "first" + kEol + kEol);
    LogLine("    Generating normal map");
    EXPECT_EQ(Log(), "first" + kEol + kEol + "    Generating normal map" + kEol);
}

TEST_F(ReportTest, StatusIsLoggedAndShownAsFormattedOnce) {
    ShowStatus("Reading \"%s\" (%s-bit %dx%1.0fx%.8f)", "a%d.raw", "16", 1025, 2.0, 0.003);
    const std::string expected = "Reading \"a%d.raw\" (16-bit 1025x2x0.00300000)";
    EXPECT_EQ(Log(), expected + kEol);
    EXPECT_EQ(recording_ui::Events(), std::vector<std::string>{"status: " + expected});
}

TEST_F(ReportTest, LongMessagesAreCutTo511Characters) {
    const std::string long_text(700, 'x');
    LogLine("%s", long_text.c_str());
    EXPECT_EQ(Log(), std::string(511, 'x') + kEol);
    try {
        Fail("%s", long_text.c_str());
        FAIL() << "Fail returned";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.text, std::string(511, 'x'));
    }
}

TEST_F(ReportTest, FailThrowsItsTextAndLogsNothing) {
    try {
        Fail("ERROR: opening %s", "../HeightmapPrimary.raw");
        FAIL() << "Fail returned";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.text, "ERROR: opening ../HeightmapPrimary.raw");
    }
    EXPECT_EQ(Log(), "");
    EXPECT_TRUE(recording_ui::Events().empty());
}

TEST_F(ReportTest, LinesAfterClosingAreDroppedButStatusStillShows) {
    LogLine("kept");
    CloseLog();
    LogLine("dropped");
    ShowStatus("shown");
    EXPECT_EQ(Log(), "kept" + kEol);
    EXPECT_EQ(recording_ui::Events(), std::vector<std::string>{"status: shown"});
}

TEST_F(ReportTest, LinesFromSeveralThreadsStayWhole) {
    // The dialog's thread may close the log while a job's thread writes.
    std::thread writer([] {
        for (int i = 0; i < 2000; ++i) LogLine("line %04d", i);
    });
    std::thread closer([] { CloseLog(); });
    writer.join();
    closer.join();
    const std::string log = Log();
    const std::string line = "line 0000" + kEol;
    ASSERT_EQ(log.size() % line.size(), 0u);
    for (size_t at = 0; at < log.size(); at += line.size()) {
        EXPECT_EQ(log.compare(at, 5, "line "), 0) << "at byte " << at;
    }
}

}  // namespace
