// What the system says about the program and whether a folder takes files.
#include "platform/SystemFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(SystemFoldersTest, AFolderTakesFilesOnlyWhenOneCanBeCreated)
{
    fs::create_directories("open");
    const std::string open = fs::absolute("open").string();
    EXPECT_TRUE(canCreateFilesIn(open));
    EXPECT_TRUE(canCreateFilesIn("open")); // relative to the working directory
    EXPECT_TRUE(fs::is_empty(open)) << "the probe file stays behind";

    std::ofstream("file") << "x";
    const char* refused[] = {
        "/proc",        // takes no new files, not even from root
        "file",         // a file, not a folder
        "missing",      // nothing there
        "",             // no folder named
    };
    for (const char* folder : refused)
        EXPECT_FALSE(canCreateFilesIn(folder)) << folder;

    if (geteuid() != 0) {
        fs::permissions(open, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(canCreateFilesIn(open));
        fs::permissions(open, fs::perms::owner_all);
    }
}

TEST(SystemFoldersTest, TheProgramFileIsThisTestProgram)
{
    const std::string file = programFile();
    ASSERT_FALSE(file.empty());
    EXPECT_TRUE(fs::path(file).is_absolute());
    EXPECT_EQ(fs::path(file).filename(), "platform_test");
    EXPECT_TRUE(fs::is_regular_file(file));
}
