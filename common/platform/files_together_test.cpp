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

namespace {

// A record cut short means no file had taken its name: the temporary files
// go and the old files stay. A whole one is completed, whatever part of it
// was done.
TEST(FilesTogether, TheNextProgramCompletesOrUndoesAWriteEndedHalfWay) {
    const std::string heading = "files written together, in the order they take their names\n";
    const struct {
        const char* name;
        std::string record;
        bool placed;  // a.tga already took its name
        const char* a;
        const char* b;
        const char* note;
    } cases[] = {
        {"record cut short", heading + "a.tga\nb.t", false, "old a", "old b",
         ".: a write of files together was ended before any took its name; its temporary "
         "files are removed and the old files kept"},
        {"record without its end", heading + "a.tga\nb.tga\n", false, "old a", "old b", nullptr},
        {"whole, nothing placed", heading + "a.tga\nb.tga\nend 2\n", false, "new a", "new b",
         ".: a write of 2 files together was ended half-way; it is now complete"},
        {"whole, one placed", heading + "a.tga\nb.tga\nend 2\n", true, "new a", "new b", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempWorkingFolder folder;
        WriteFileBytes(platform::kCommitRecordFile, c.record);
        WriteFileBytes(c.placed ? "a.tga" : "a.tga.partial", "new a");
        if (!c.placed) WriteFileBytes("a.tga", "old a");
        WriteFileBytes("b.tga.partial", "new b");
        WriteFileBytes("b.tga", "old b");
        std::string note;
        ASSERT_TRUE(platform::CompleteFilesTogether("", note).ok());
        EXPECT_EQ(note, c.note ? c.note : note);
        EXPECT_FALSE(note.empty());
        EXPECT_EQ(ReadFileBytes("a.tga"), c.a);
        EXPECT_EQ(ReadFileBytes("b.tga"), c.b);
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);
    }
}

}  // namespace
