#include "importer/level_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

#include "tests/support/rename_faults.h"
#include "tests/support/temp_folder.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

// Whether a file fails to take its place (the settings go first, so the
// heightmap's failing means putting the old settings back) or cannot be
// written whole (a disk that fills, here a limit on the size of files), the
// level keeps both old files byte for byte and nothing beside them.
TEST(LevelFiles, AFailedRenameOrWriteKeepsBothOldFiles) {
#ifndef __linux__
    GTEST_SKIP() << "needs rename() failed on demand and a file size limit";
#else
    constexpr std::size_t kLimit = 4096;
    const std::string oldSettings = "rem old\r\nheightmap.setSize 3\r\n";
    const std::string oldHeightmap(18, '\x11');
    const struct {
        const char* name;
        int failingRename;  // 0: none
        std::size_t heightmapBytes, settingsBytes;
        bool hadSettings;
        const char* message;  // its beginning
    } cases[] = {
        {"settings not renamed", 1, 32, 9, true,
         "ERROR: writing lvl/Heightdata.con (Input/output error)"},
        {"heightmap not renamed", 2, 32, 9, true,
         "ERROR: writing lvl/HeightmapPrimary.raw (Input/output error)"},
        {"heightmap not renamed, no settings before", 2, 32, 9, false,
         "ERROR: writing lvl/HeightmapPrimary.raw (Input/output error)"},
        {"heightmap too big", 0, 4 * kLimit, 9, true, "ERROR: writing lvl/HeightmapPrimary.raw ("},
        {"settings too big", 0, 32, 4 * kLimit, true, "ERROR: writing lvl/Heightdata.con ("},
    };
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    rlimit limited = unlimited;
    limited.rlim_cur = kLimit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempWorkingFolder folder;
        fs::create_directory("lvl");
        if (c.hadSettings) WriteFileBytes("lvl/Heightdata.con", oldSettings);
        WriteFileBytes("lvl/HeightmapPrimary.raw", oldHeightmap);
        const LevelFiles level("lvl");
        std::optional<std::string> settings;
        ASSERT_TRUE(ReadLevelSettings(level, settings).ok());

        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        testing_support::FailRenameCall(c.failingRename);
        const Status status =
            WriteLevelFiles(level, std::vector<std::uint8_t>(c.heightmapBytes, 0x22),
                            std::string(c.settingsBytes, 'x'), settings);
        testing_support::FailRenameCall(0);
        setrlimit(RLIMIT_FSIZE, &unlimited);

        EXPECT_EQ(status.message().rfind(c.message, 0), 0u) << status.message();
        EXPECT_EQ(ReadFileBytes("lvl/Heightdata.con"), c.hadSettings ? oldSettings : "");
        EXPECT_EQ(fs::exists("lvl/Heightdata.con"), c.hadSettings);
        EXPECT_EQ(ReadFileBytes("lvl/HeightmapPrimary.raw"), oldHeightmap);
        for (const auto& entry : fs::directory_iterator("lvl")) {
            EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
        }
    }
    std::signal(SIGXFSZ, previousHandler);
#endif
}

// With the surrounding maps, whichever of the ten files fails to take its
// place, the level keeps every old file, the three surrounding maps it did
// not have are removed again, and nothing is left beside them.
TEST(LevelFiles, TenFilesArePutInPlaceTogetherOrNotAtAll) {
    const std::string oldSettings = "heightmap.setSize 3\r\n";
    for (int failing = 1; failing <= 10; ++failing) {
        SCOPED_TRACE(failing);
        testing_support::TempWorkingFolder folder;
        fs::create_directory("lvl");
        const LevelFiles level("lvl");
        WriteFileBytes(level.settings.c_str(), oldSettings);
        WriteFileBytes(level.heightmap.c_str(), "old primary");
        for (std::size_t i = 3; i < 8; ++i) WriteFileBytes(level.surrounding[i].c_str(), "old");
        const std::vector<std::uint8_t> bytes(17 * 17, 0x33);
        std::vector<HeightmapFile> files;
        for (const std::string& path : level.surrounding) files.push_back({path, &bytes});
        files.push_back({level.heightmap, &bytes});
        if (!testing_support::FailRenameCall(failing)) GTEST_SKIP() << "no rename faults here";
        const Status status = WriteLevelFiles(files, level, "new settings", oldSettings);
        testing_support::FailRenameCall(0);

        EXPECT_FALSE(status.ok());
        EXPECT_EQ(ReadFileBytes(level.settings), oldSettings);
        EXPECT_EQ(ReadFileBytes(level.heightmap), "old primary");
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(fs::exists(level.surrounding[i]), i >= 3) << i;
            if (i >= 3) {
                EXPECT_EQ(ReadFileBytes(level.surrounding[i]), "old") << i;
            }
        }
        EXPECT_EQ(std::distance(fs::directory_iterator("lvl"), fs::directory_iterator()), 7);
    }
}

}  // namespace

#ifdef __linux__
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// A program ended between any two of the ten renames (or before the first)
// leaves a level that the next program completes: every file new, nothing
// left beside them, and one line saying so.
TEST(LevelFiles, AKillBetweenRenamesIsCompletedByTheNextProgram) {
#ifndef __linux__
    GTEST_SKIP() << "needs rename() replaced and fork()";
#else
    for (int kill = 1; kill <= 10; ++kill) {
        SCOPED_TRACE(kill);
        testing_support::TempWorkingFolder folder;
        fs::create_directory("lvl");
        const LevelFiles level("lvl");
        WriteFileBytes(level.settings, "old settings");
        WriteFileBytes(level.heightmap, "old primary");
        for (std::size_t i = 3; i < 8; ++i) WriteFileBytes(level.surrounding[i], "old");
        const std::vector<std::uint8_t> bytes(17 * 17, 0x33);
        std::vector<HeightmapFile> files;
        for (const std::string& path : level.surrounding) files.push_back({path, &bytes});
        files.push_back({level.heightmap, &bytes});

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            testing_support::ExitAtRenameCall(kill);
            (void)WriteLevelFiles(files, level, "new settings", "old settings");
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), testing_support::kRenameExitStatus);

        std::string note;
        ASSERT_TRUE(CompleteLevelWrite(level, note).ok());
        EXPECT_EQ(note.rfind("lvl: a write of 10 files together was ended half-way", 0), 0u)
            << note;
        EXPECT_EQ(ReadFileBytes(level.settings), "new settings");
        const std::string newBytes(bytes.begin(), bytes.end());
        EXPECT_EQ(ReadFileBytes(level.heightmap), newBytes);
        for (const std::string& path : level.surrounding) EXPECT_EQ(ReadFileBytes(path), newBytes);
        EXPECT_EQ(std::distance(fs::directory_iterator("lvl"), fs::directory_iterator()), 10);
        ASSERT_TRUE(CompleteLevelWrite(level, note).ok());
        EXPECT_EQ(note, "");
    }
#endif
}

}  // namespace
