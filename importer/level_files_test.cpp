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

}  // namespace
