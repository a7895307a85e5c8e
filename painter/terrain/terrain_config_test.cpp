#include "painter/terrain/terrain_config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/status/status.h"
#include "tests/support/temp_folder.h"

using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

TEST(TerrainConfigTest, AMissingOrUnreadableFileFailsWithItsName) {
    TempWorkingFolder folder;
    // A folder in the file's place opens on some systems and then fails to
    // read: it must not pass for an empty file.
    std::filesystem::create_directory("folder.con");
    WriteFileBytes("level.con", "heightmap.setSize 5\n");
    EXPECT_EQ(LoadTerrainConfig("level.con").primary.size, 5);
    for (const char* path : {"somewhere/else.con", "folder.con"}) {
        SCOPED_TRACE(path);
        try {
            LoadTerrainConfig(path);
            FAIL() << "no error";
        } catch (const FatalError& error) {
            EXPECT_EQ(error.text, std::string("ERROR: reading \"") + path + "\"\n");
        }
    }
}

}  // namespace
