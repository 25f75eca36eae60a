// The one writer of the files the player keeps (saved games, the settings,
// the best scores): a file is replaced whole or not at all, the file
// written beside it never stays behind, and every failure says why. The
// full and read-only disks are met by each of its users' own tests.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "TestFiles.h"
#include "platform/WholeFile.h"

namespace fs = std::filesystem;

TEST(WholeFileTest, AFileIsReplacedWholeAndNothingIsLeftBeside)
{
    std::error_code why;
    ASSERT_TRUE(replaceWholeFile("kept", "first", why)) << why.message();
    ASSERT_TRUE(replaceWholeFile("kept", std::string("second\0bytes", 12), why)) << why.message();
    EXPECT_EQ(readFile("kept"), std::string("second\0bytes", 12));
    EXPECT_FALSE(why);
    EXPECT_FALSE(fs::exists("kept.tmp"));
    // A pending file a crash left is written over, not kept.
    writeFile("kept.tmp", "what a crash left");
    ASSERT_TRUE(replaceWholeFile("kept", "third", why));
    EXPECT_EQ(readFile("kept"), "third");
    EXPECT_FALSE(fs::exists("kept.tmp"));
}

TEST(WholeFileTest, AReplaceThatCannotFinishLeavesWhatWasThereAndSaysWhy)
{
    std::error_code why;
    // The move is refused: a folder holding a file stands at the name.
    writeFile("taken/inside", "the player's");
    EXPECT_FALSE(replaceWholeFile("taken", "new", why));
    EXPECT_TRUE(why);
    EXPECT_EQ(readFile("taken/inside"), "the player's");
    EXPECT_FALSE(fs::exists("taken.tmp")) << "the file written beside it is removed";

    // The file beside it cannot be made: its folder is missing.
    why.clear();
    EXPECT_FALSE(replaceWholeFile("no/such/folder/file", "new", why));
    EXPECT_EQ(why.value(), ENOENT) << why.message();

    // The whole-file write alone: its reason, and the bytes it wrote.
    EXPECT_FALSE(writeWholeFile("no/such/file", "x", why));
    EXPECT_EQ(why.value(), ENOENT);
    EXPECT_TRUE(writeWholeFile("plain", "bytes", why));
    EXPECT_FALSE(why);
    EXPECT_EQ(readFile("plain"), "bytes");
}
