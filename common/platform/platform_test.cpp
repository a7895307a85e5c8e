#include "common/platform/platform.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <system_error>
#include <thread>

#include "common/platform/read_file.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
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

TEST(Platform, ReadsRegularFilesOnlyAndNeverWaitsOnAPipe) {
    TempWorkingFolder folder;
    std::vector<std::uint8_t> bytes;
    WriteFileBytes("settings", "abcdef");
    ASSERT_TRUE(platform::ReadFileStart("settings", bytes, 4).ok());
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'a', 'b', 'c', 'd'}));
    fs::create_directory("folder");
    EXPECT_EQ(platform::ReadFileStart("folder", bytes).message(), "ERROR: reading folder");
    EXPECT_TRUE(bytes.empty());
#ifndef _WIN32
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    auto read = std::async(std::launch::async, [] {
        std::vector<std::uint8_t> piped;
        return platform::ReadFileStart("pipe", piped).message();
    });
    if (read.wait_for(10s) != std::future_status::ready) {
        // Let the blocked open go, so that the test ends and says why.
        const int writer = ::open("pipe", O_WRONLY);
        if (writer >= 0) ::close(writer);
        ADD_FAILURE() << "reading a FIFO waited for a writer";
    }
    EXPECT_EQ(read.get(), "ERROR: reading pipe");
#endif
}

TEST(Platform, AStoppableCommandThatEndsGivesTheStatusSystemWould) {
    // Statuses are encoded differently on each platform; std::system is the
    // reference either way, a missing program included.
    for (const char* command : {"exit 0", "exit 3", "marvane-no-such-program 2>&1"}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(platform::RunCommandUntil(command, [] { return false; }), std::system(command));
    }
}

#ifdef _WIN32
// Wine's interpreter sometimes fails to start a program that is there: a
// command whose program exists but "could not be started" (status 9009) is
// run again, a few times; a missing program only once (the test above).
TEST(Platform, ACommandWhoseProgramCouldNotBeStartedIsRunAgain) {
    TempWorkingFolder folder;
    EXPECT_EQ(platform::RunCommandUntil("cmd.exe /c \"echo x>>tries.txt& exit 9009\"",
                                        [] { return false; }),
              9009);
    EXPECT_EQ(testing_support::ReadFileBytes("tries.txt"), "x\r\nx\r\nx\r\n");
}
#endif

// A command-line job repeats why the program it ran failed: the last line
// that program wrote to standard error beginning "ERROR: ", which still
// reaches this program's standard error as it came. The command line reads
// the same in both interpreters.
TEST(Platform, AFailedCommandsLastErrorLineIsKeptAndItsStandardErrorPassedOn) {
    const char* command =
        "echo ERROR: the first>&2&& echo ERROR: the last>&2&& echo a note>&2&& exit 3";
    for (const bool stoppable : {false, true}) {
        SCOPED_TRACE(stoppable ? "stoppable" : "run to its end");
        std::string errorLine = "left from before";
        testing::internal::CaptureStderr();
        const int status = platform::RunCommandUntil(
            command, stoppable ? std::function<bool()>([] { return false; }) : nullptr,
            &errorLine);
        std::string passedOn = testing::internal::GetCapturedStderr();
        std::erase(passedOn, '\r');
        EXPECT_EQ(status, std::system("exit 3"));
        EXPECT_EQ(errorLine, "ERROR: the last");
        EXPECT_EQ(passedOn, "ERROR: the first\nERROR: the last\na note\n");
    }
}

// Not a test of its own: the long-running program that the next test starts
// through the interpreter. It adds a byte to "heartbeat" in the current
// folder every 10 ms for about 30 s.
TEST(PlatformHelper, DISABLED_BeatsForHalfAMinute) {
    for (int beat = 0; beat < 3000; ++beat) {
        std::ofstream("heartbeat", std::ios::app | std::ios::binary) << '.';
        std::this_thread::sleep_for(10ms);
    }
}

std::uintmax_t Beats() {
    std::error_code error;
    const std::uintmax_t size = fs::file_size("heartbeat", error);
    return error ? 0 : size;
}

TEST(Platform, AStoppedCommandEndsWithEveryProgramItStarted) {
    TempWorkingFolder folder;
#ifdef _WIN32
    const std::string self = platform::ExecutableFolder() + "\\platform_test.exe";
#else
    const std::string self = platform::ExecutableFolder() + "/platform_test";
#endif
    // The interpreter stays to run what follows the helper: the helper is a
    // program it started, not the interpreter itself.
    const std::string command = "\"" + self +
                                "\" --gtest_also_run_disabled_tests "
                                "--gtest_filter=PlatformHelper.DISABLED_BeatsForHalfAMinute "
                                "> helper.txt 2>&1 || exit 3";
    std::chrono::steady_clock::time_point stopAsked;
    const int status = platform::RunCommandUntil(command.c_str(), [&stopAsked] {
        if (Beats() < 3) return false;  // the helper runs
        if (stopAsked == std::chrono::steady_clock::time_point()) {
            stopAsked = std::chrono::steady_clock::now();
        }
        return true;
    });
    const auto stopTook = std::chrono::steady_clock::now() - stopAsked;
    ASSERT_EQ(status, platform::kCommandStopped)
        << "the helper did not run: " << testing_support::ReadFileBytes("helper.txt");
    EXPECT_LT(stopTook, 10s);
    const std::uintmax_t beats = Beats();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(Beats(), beats) << "the helper still runs";
}

}  // namespace
