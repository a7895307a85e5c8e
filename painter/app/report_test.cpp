#include "painter/app/report.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

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
    void SetUp() override { ASSERT_TRUE(log_.Open("log.txt")); }
    void TearDown() override { log_.Close(); }
    std::string Written() const { return ReadFileBytes(folder_.path() / "log.txt"); }

    TempWorkingFolder folder_;
    Log log_;
};

TEST_F(ReportTest, OpeningEmptiesAnOldLog) {
    log_.Line("old line");
    log_.Close();
    ASSERT_TRUE(log_.Open("log.txt"));
    EXPECT_EQ(Written(), "");
}

TEST_F(ReportTest, EveryLineIsOnDiskWhenTheCallReturns) {
    log_.Line("first");
    EXPECT_EQ(Written(), "first" + kEol);
    log_.Line("");
    EXPECT_EQ(Written(), "first" + kEol + kEol);
    log_.Line("    Generating normal map");
    EXPECT_EQ(Written(), "first" + kEol + kEol + "    Generating normal map" + kEol);
}

TEST_F(ReportTest, LinesAreFormattedOnce) {
    log_.Line("Reading \"%s\" (%s-bit %dx%1.0fx%.8f)", "a%d.raw", "16", 1025, 2.0, 0.003);
    log_.Text("100%d");
    EXPECT_EQ(Written(), "Reading \"a%d.raw\" (16-bit 1025x2x0.00300000)" + kEol + "100%d" + kEol);
}

TEST_F(ReportTest, LongMessagesAreCutTo511Characters) {
    const std::string long_text(700, 'x');
    log_.Line("%s", long_text.c_str());
    EXPECT_EQ(Written(), std::string(511, 'x') + kEol);
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
    EXPECT_EQ(Written(), "");
}

TEST_F(ReportTest, LinesAfterClosingAreDropped) {
    log_.Line("kept");
    log_.Close();
    log_.Line("dropped");
    log_.Text("dropped");
    EXPECT_EQ(Written(), "kept" + kEol);
}

TEST_F(ReportTest, LinesFromSeveralThreadsStayWhole) {
    // The dialog's thread may close the log while a job's thread writes.
    std::thread writer([this] {
        for (int i = 0; i < 2000; ++i) log_.Line("line %04d", i);
    });
    std::thread closer([this] { log_.Close(); });
    writer.join();
    closer.join();
    const std::string log = Written();
    const std::string line = "line 0000" + kEol;
    ASSERT_EQ(log.size() % line.size(), 0u);
    for (size_t at = 0; at < log.size(); at += line.size()) {
        EXPECT_EQ(log.compare(at, 5, "line "), 0) << "at byte " << at;
    }
}

}  // namespace
