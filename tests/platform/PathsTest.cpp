#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/DirectoryListing.h"
#include "platform/Paths.h"

namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all("Tree");
        fs::create_directories("Tree/Textures");
        fs::create_directories("Tree/Save");
        std::ofstream("Tree/Textures/LoadGame.png") << "x";
        std::ofstream("Tree/Textures/zombie1.png") << "x";
        std::ofstream("Tree/Save/anna.sav") << "x";
        std::ofstream("Tree/Save/BOB.SAV") << "x";
        std::ofstream("Tree/Save/notes.txt") << "x";
        std::ofstream("Tree/Save/sav") << "x";
        fs::create_directories("Tree/Save/folder.sav");
    }
    void TearDown() override { fs::remove_all("Tree"); }
};

TEST_F(PathsTest, GamePathsOpenWhateverTheirSlashesAndCase)
{
    struct Case {
        const char* asWritten;
        const char* resolved;
    };
    const Case cases[] = {
        {"Tree/Textures/LoadGame.png", "Tree/Textures/LoadGame.png"},
        {"Tree\\Textures\\LoadGame.png", "Tree/Textures/LoadGame.png"},
        {"Tree\\Textures/loadgame.png", "Tree/Textures/LoadGame.png"},
        {"tree/TEXTURES/Zombie1.PNG", "Tree/Textures/zombie1.png"},
        {"Tree/Textures/missing.png", "Tree/Textures/missing.png"},
        {"Tree\\Nowhere\\x.png", "Tree/Nowhere/x.png"},
        {"Tree/Textures/LoadGame.png/inside", "Tree/Textures/LoadGame.png/inside"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resolveGamePath(c.asWritten), c.resolved) << c.asWritten;
    const std::string absolute = fs::absolute("Tree").string() + "/textures/LOADGAME.png";
    EXPECT_EQ(resolveGamePath(absolute), fs::absolute("Tree").string() + "/Textures/LoadGame.png");
}

TEST_F(PathsTest, ListingKeepsTheDirectorysOrderAndMatchesTheEndingExactly)
{
    // Saves are written as "<name>.sav"; BOB.SAV was not written by the game.
    std::vector<std::string> expected;
    for (const auto& entry : fs::directory_iterator("Tree/Save")) {
        const std::string name = entry.path().filename().string();
        if (name == "anna.sav" || name == "folder.sav")
            expected.push_back(name);
    }
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(listFiles("Tree/Save", ".sav"), expected);
    EXPECT_EQ(listFiles("Tree/Save/", ".sav"), expected);
    EXPECT_EQ(listFiles("Tree/Save", ".SAV"), std::vector<std::string>{"BOB.SAV"});
    EXPECT_TRUE(listFiles("Tree/Nowhere", ".sav").empty());
    EXPECT_TRUE(listFiles("Tree/Save/anna.sav", ".sav").empty()) << "a file is no directory";
}
