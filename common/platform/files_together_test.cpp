#include "common/platform/files_together.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/rename_faults.h"
#include "tests/support/temp_folder.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Whichever file fails to take its place, every file of the set is as it
// was (one that was not there is not there), and no temporary is left.
TEST(FilesTogether, AFailedRenameLeavesEveryFileAsItWas) {
    if (!testing_support::FailRenameCall(0)) GTEST_SKIP() << "needs rename() failed on demand";
    for (int failing = 1; failing <= 3; ++failing) {
        SCOPED_TRACE(failing);
        testing_support::TempWorkingFolder folder;
        WriteFileBytes("a.tga", "old a");
        WriteFileBytes("c.txt", "old c");
        testing_support::FailRenameCall(failing);
        const Status status = platform::WriteFilesTogether(
            {{"a.tga", Bytes("new a")}, {"b.tga", Bytes("new b")}, {"c.txt", Bytes("new c")}});
        testing_support::FailRenameCall(0);
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.message().rfind("ERROR: writing ", 0), 0u) << status.message();
        EXPECT_EQ(ReadFileBytes("a.tga"), "old a");
        EXPECT_FALSE(fs::exists("b.tga"));
        EXPECT_EQ(ReadFileBytes("c.txt"), "old c");
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(".")) ++entries;
        EXPECT_EQ(entries, 2u);
    }
}

TEST(FilesTogether, PutsEveryFileInPlace) {
    testing_support::TempWorkingFolder folder;
    WriteFileBytes("a.tga", "old a");
    ASSERT_TRUE(platform::WriteFilesTogether({{"a.tga", Bytes("new a")}, {"b.tga", Bytes("b")}}).ok());
    EXPECT_EQ(ReadFileBytes("a.tga"), "new a");
    EXPECT_EQ(ReadFileBytes("b.tga"), "b");
}

// An old file too large to hold for putting back is refused before
// anything is written.
TEST(FilesTogether, RefusesAnOldFileTooLargeToPutBack) {
    testing_support::TempWorkingFolder folder;
    WriteFileBytes("a.tga", std::string(100, 'x'));
    const Status status = platform::WriteFilesTogether({{"b.tga", Bytes("b")}, {"a.tga", Bytes("a")}}, 10);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("a.tga"), std::string::npos);
    EXPECT_FALSE(fs::exists("b.tga"));
    EXPECT_EQ(ReadFileBytes("a.tga"), std::string(100, 'x'));
}

}  // namespace
