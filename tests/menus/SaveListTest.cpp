// The load list's arithmetic (window, thumb, selection) and the scan of the
// "Save" directory.
#include "menus/SaveList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "MenuTestSupport.h"
#include "menus/SaveRecord.h"

TEST(SaveListWindow, ShowsAtMostTenLinesAroundTheSelection)
{
    struct Case {
        int count, selected, first, last;
    };
    const Case cases[] = {
        {1, 0, 0, 1},   {3, 2, 0, 3},    {4, 0, 0, 4},    {4, 3, 0, 4},
        {10, 9, 0, 10}, {11, 10, 1, 11}, {20, 0, 0, 10},  {20, 5, 0, 10},
        {20, 6, 1, 11}, {20, 10, 5, 15}, {20, 14, 9, 19}, {20, 15, 10, 20},
        {20, 19, 10, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " entries, selected " << c.selected);
        const SaveList::Window shown = SaveList::window(c.count, c.selected);
        EXPECT_EQ(shown.first, c.first);
        EXPECT_EQ(shown.last, c.last);
    }
}

TEST(SaveListThumb, SizeAndPlaceFollowTheSelection)
{
    struct Case {
        int count, selected;
        float height, centreY;
    };
    const Case cases[] = {
        {1, 0, 150.0f, 5.0f},
        {3, 0, 50.0f, 140.0f * 2 / 3 - 45.0f},
        {3, 2, 50.0f, -45.0f},
        {4, 0, 37.5f, 53.75f},
        {4, 3, 37.5f, -51.25f},
        {20, 0, 7.5f, 66.75f},
        {20, 19, 7.5f, -66.25f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " entries, selected " << c.selected);
        EXPECT_FLOAT_EQ(SaveList::thumbHeight(c.count), c.height);
        EXPECT_FLOAT_EQ(SaveList::thumbCentreY(c.count, c.selected), c.centreY);
    }
}

TEST(SaveListSelection, WrapsAroundAtBothEnds)
{
    EXPECT_EQ(SaveList::moveSelection(0, -1, 4), 3);
    EXPECT_EQ(SaveList::moveSelection(3, 1, 4), 0);
    EXPECT_EQ(SaveList::moveSelection(1, 1, 4), 2);
    EXPECT_EQ(SaveList::moveSelection(2, -1, 4), 1);
    EXPECT_EQ(SaveList::moveSelection(0, 1, 1), 0);
    EXPECT_EQ(SaveList::moveSelection(0, -1, 0), 0);
    EXPECT_EQ(SaveList::moveSelection(0, 1, 0), 0);
}

TEST(SaveListLine, FormatsAndCutsLongNames)
{
    EXPECT_EQ(SaveList::line("bob.sav", 3, 25, 1200), "bob.sav   Level: 3   25/30 HP   Score: 1200");
    EXPECT_EQ(SaveList::line(".sav", 0, -4, -70), ".sav   Level: 0   -4/30 HP   Score: -70");
    const std::string longName(300, 'n');
    const std::string cut = SaveList::line(longName + ".sav", 1, 2, 3);
    EXPECT_EQ(cut, std::string(255, 'n'));
}

class SaveListScan : public ScratchDirTest {};

TEST_F(SaveListScan, AMissingDirectoryListsNothing)
{
    EXPECT_TRUE(SaveList::scan("Save").empty());
}

TEST_F(SaveListScan, ListsOnlySavesInTheDirectorysOwnOrder)
{
    writeSaveRecord("Save/bob.sav", {3, 25, 1200, 1});
    writeSaveRecord("Save/.sav", {1, 30, 0, 0});
    writeSaveRecord("Save/old.sav.tmp", {1, 1, 1, 1});
    writeFile("Save/notes.txt", "x");
    writeFile("Save/sav", "x");
    writeFile("Save/garbage.sav", std::string(5000, '\x7f'));
    writeFile("Save/empty.sav", "");
    std::filesystem::create_directories("Save/x.sav");

    std::vector<std::string> expectedOrder;
    for (const auto& entry : std::filesystem::directory_iterator("Save")) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".sav") == 0)
            expectedOrder.push_back(name);
    }

    const std::vector<SaveEntry> entries = SaveList::scan("Save");
    ASSERT_EQ(entries.size(), 5u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].fileName, expectedOrder[i]);
        const SaveEntry& e = entries[i];
        if (e.fileName == "bob.sav") {
            EXPECT_EQ(e.level, 3);
            EXPECT_EQ(e.hp, 25);
            EXPECT_EQ(e.score, 1200);
            EXPECT_TRUE(e.introShowing);
            EXPECT_EQ(e.line, "bob.sav   Level: 3   25/30 HP   Score: 1200");
        } else if (e.fileName == "x.sav" || e.fileName == "empty.sav") {
            EXPECT_EQ(e.line, e.fileName + "   Level: 0   0/30 HP   Score: 0");
            EXPECT_FALSE(e.introShowing);
        } else if (e.fileName == "garbage.sav") {
            EXPECT_EQ(e.level, 0x7f7f7f7f);
            EXPECT_TRUE(e.introShowing);
        }
    }
}

TEST_F(SaveListScan, FiveHundredSavesAllList)
{
    for (int i = 0; i < 500; ++i)
        writeSaveRecord("Save/game " + std::to_string(i) + ".sav", {i % 15 + 1, i % 31, i, 0});
    const std::vector<SaveEntry> entries = SaveList::scan("Save");
    ASSERT_EQ(entries.size(), 500u);
    for (const SaveEntry& e : entries) {
        const int i = std::stoi(e.fileName.substr(5));
        EXPECT_EQ(e.score, i);
        EXPECT_EQ(e.level, i % 15 + 1);
    }
}
