#include "common/platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

TEST(Platform, MakesFoldersAndSaysWhenItCannot) {
    TempWorkingFolder folder;
    EXPECT_TRUE(platform::MakeFolder("maps"));
    EXPECT_TRUE(fs::is_directory("maps"));
    EXPECT_FALSE(platform::MakeFolder("maps"));
    WriteFileBytes("file", "");
    EXPECT_FALSE(platform::MakeFolder("file"));
}

TEST(Platform, RemovesFilesAndPassesOverMissingOnes) {
    TempWorkingFolder folder;
    WriteFileBytes("a.tga", "x");
    platform::RemoveFile("a.tga");
    EXPECT_FALSE(fs::exists("a.tga"));
    platform::RemoveFile("a.tga");
}

TEST(Platform, KnowsTheCurrentAndTheProgramFolder) {
    TempWorkingFolder folder;
    EXPECT_TRUE(fs::equivalent(platform::CurrentFolder(), folder.path()));
    const std::string exeFolder = platform::ExecutableFolder();
    ASSERT_FALSE(exeFolder.empty());
    EXPECT_TRUE(fs::is_directory(exeFolder));
}

TEST(Platform, PutsAFolderFirstOnPath) {
    const char* old = std::getenv("PATH");
    const std::string saved = old ? old : "";
    platform::PutFolderFirstOnPath("/opt/marvane-test");
    const std::string now = std::getenv("PATH");
    EXPECT_EQ(now.rfind("/opt/marvane-test", 0), 0u) << now;
    EXPECT_NE(now.find(saved), std::string::npos);
}

TEST(Platform, RunsCommandsThroughAReplaceableRunner) {
    static std::string seen;
    auto previous = platform::ReplaceCommandRunner([](const char* line) {
        seen = line;
        return 7;
    });
    EXPECT_EQ(platform::RunCommand("quillet a b"), 7);
    EXPECT_EQ(seen, "quillet a b");
    platform::ReplaceCommandRunner(previous);
}

}  // namespace
