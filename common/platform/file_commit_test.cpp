#include "common/platform/file_commit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using testing_support::TempWorkingFolder;

namespace {

// Several files written side by side (a level's heightmaps and settings):
// a failed write in the first keeps its own reason, whatever the later
// files do to errno before it is committed.
TEST(FileCommit, AFailedWriteKeepsItsReasonWhileOtherFilesAreWritten) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    TempWorkingFolder folder;
    const std::vector<char> block(1 << 20, 'x');  // past any stream buffer
    platform::FileCommit full;
    ASSERT_TRUE(full.Open("/dev/full").ok());
    EXPECT_FALSE(full.Write(block.data(), block.size()));
    EXPECT_FALSE(full.Write("y", 1));  // nothing more once a write failed

    platform::FileCommit other;
    ASSERT_TRUE(other.Open("other.raw").ok());
    EXPECT_TRUE(other.Write(block.data(), block.size()));
    EXPECT_TRUE(other.Flush());
    EXPECT_FALSE(fs::exists("missing/file"));  // a call that sets errno

    EXPECT_EQ(full.Commit().message(), "ERROR: writing /dev/full (No space left on device)");
    EXPECT_TRUE(other.Commit().ok());
    EXPECT_EQ(fs::file_size("other.raw"), block.size());
    EXPECT_FALSE(fs::exists("other.raw.partial"));
}

TEST(FileCommit, WritingAfterCommitOrWithoutOpenFails) {
    TempWorkingFolder folder;
    platform::FileCommit file;
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Write("a", 1));
    EXPECT_EQ(file.Commit().message(), "ERROR: writing  (the file is not open)");
    ASSERT_TRUE(file.Open("a.txt").ok());
    EXPECT_TRUE(file.Write("abc", 3));
    EXPECT_TRUE(file.Commit().ok());
    EXPECT_FALSE(file.Write("d", 1));
    EXPECT_EQ(fs::file_size("a.txt"), 3u);
}

}  // namespace
