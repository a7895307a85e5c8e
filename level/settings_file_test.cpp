#include "level/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

TEST(SettingsFileTest, AMissingOrUnreadableFileFailsWithItsName) {
    TempWorkingFolder folder;
    // A folder in the file's place opens on some systems and then fails to
    // read: it must not pass for an empty file.
    std::filesystem::create_directory("folder.con");
    WriteFileBytes("level.con", "heightmap.setSize 5\n");
    TerrainConfig config;
    ASSERT_TRUE(level::ReadSettingsFile("level.con", config).ok());
    EXPECT_EQ(config.primary.size, 5);
    for (const char* path : {"somewhere/else.con", "folder.con"}) {
        SCOPED_TRACE(path);
        const Status read = level::ReadSettingsFile(path, config);
        EXPECT_EQ(read.message(), std::string("ERROR: reading \"") + path + "\"\n");
        EXPECT_EQ(config.primary.size, 5);  // left as it was
    }
}

}  // namespace
