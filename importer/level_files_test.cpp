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
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

const std::string kOldSettings = "rem old\r\nheightmap.setSize 3\r\n";
const std::string kOldHeightmap(18, '\x11');

// A level folder "lvl" holding the old heightmap and, if asked, old settings.
std::optional<std::string> MakeLevel(bool withSettings) {
    fs::create_directory("lvl");
    if (withSettings) WriteFileBytes("lvl/Heightdata.con", kOldSettings);
    WriteFileBytes("lvl/HeightmapPrimary.raw", kOldHeightmap);
    std::optional<std::string> settings;
    EXPECT_TRUE(ReadLevelSettings(LevelFiles("lvl"), settings).ok());
    return settings;
}

// The level as it was before, and nothing left beside it.
void ExpectOldLevel(bool withSettings) {
    EXPECT_EQ(fs::exists("lvl/Heightdata.con"), withSettings);
    if (withSettings) {
        EXPECT_EQ(ReadFileBytes("lvl/Heightdata.con"), kOldSettings);
    }
    EXPECT_EQ(ReadFileBytes("lvl/HeightmapPrimary.raw"), kOldHeightmap);
    for (const auto& entry : fs::directory_iterator("lvl")) {
        EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
    }
}

// The settings are put in place first: their failing changes nothing, the
// heightmap's failing puts the old settings back.
TEST(LevelFiles, AFailedRenameOfEitherFileKeepsBothOldFiles) {
    if (!testing_support::FailRenameCall(0)) GTEST_SKIP() << "rename() cannot be failed here";
    const struct {
        const char* name;
        int failingRename;
        bool withSettings;
        const char* message;
    } cases[] = {
        {"settings", 1, true, "ERROR: writing lvl/Heightdata.con (Input/output error)"},
        {"heightmap", 2, true, "ERROR: writing lvl/HeightmapPrimary.raw (Input/output error)"},
        {"heightmap of a level without settings", 2, false,
         "ERROR: writing lvl/HeightmapPrimary.raw (Input/output error)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingFolder folder;
        const std::optional<std::string> oldSettings = MakeLevel(c.withSettings);
        const int callsBefore = testing_support::RenameCalls();
        testing_support::FailRenameCall(c.failingRename);
        const Status status = WriteLevelFiles(LevelFiles("lvl"), std::vector<std::uint8_t>(32, 0x22),
                                              "rem new\r\n", oldSettings);
        testing_support::FailRenameCall(0);
        EXPECT_GE(testing_support::RenameCalls() - callsBefore, c.failingRename);
        EXPECT_EQ(status.message(), c.message);
        ExpectOldLevel(c.withSettings);
    }
}

// A disk that fills while the new files are written, here a limit on the
// size of files: whichever file hits it, both old files stay.
TEST(LevelFiles, AFileThatCannotGrowKeepsBothOldFiles) {
#ifndef __linux__
    GTEST_SKIP() << "needs a file size limit";
#else
    const std::size_t limit = 4096;
    const struct {
        const char* name;
        std::size_t heightmapBytes;
        std::size_t settingsBytes;
        const char* message;  // its beginning
    } cases[] = {
        {"heightmap", 4 * limit, 10, "ERROR: writing lvl/HeightmapPrimary.raw ("},
        {"settings", 32, 4 * limit, "ERROR: writing lvl/Heightdata.con ("},
    };
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingFolder folder;
        const std::optional<std::string> oldSettings = MakeLevel(true);
        rlimit limited = before;
        limited.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const Status status =
            WriteLevelFiles(LevelFiles("lvl"), std::vector<std::uint8_t>(c.heightmapBytes, 0x22),
                            std::string(c.settingsBytes, 'x'), oldSettings);
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_EQ(status.message().rfind(c.message, 0), 0u) << status.message();
        ExpectOldLevel(true);
    }
    std::signal(SIGXFSZ, previousHandler);
#endif
}

}  // namespace
