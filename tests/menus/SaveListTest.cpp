// The load list's arithmetic (window, thumb, selection, line) and the scan of
// the "Save" directory.
#include "menus/SaveList.h"

#include "MenuTestSupport.h"
#include "play/SaveRecord.h"

TEST(SaveListLayout, WindowAndThumbFollowTheSelection)
{
    const struct {
        int count, selected, first, last;
        float thumbHeight, thumbY;
    } cases[] = {
        {1, 0, 0, 1, 150.0f, 5.0f},
        {3, 2, 0, 3, 50.0f, -45.0f},
        {4, 0, 0, 4, 37.5f, 53.75f},
        {4, 3, 0, 4, 37.5f, -51.25f},
        {11, 10, 1, 11, 150.0f / 11, -70.0f + 75.0f / 11},
        {20, 0, 0, 10, 7.5f, 66.75f},
        {20, 5, 0, 10, 7.5f, 140.0f * 14 / 20 - 66.25f},
        {20, 6, 1, 11, 7.5f, 140.0f * 13 / 20 - 66.25f},
        {20, 14, 9, 19, 7.5f, 140.0f * 5 / 20 - 66.25f},
        {20, 15, 10, 20, 7.5f, 140.0f * 4 / 20 - 66.25f},
        {20, 19, 10, 20, 7.5f, -66.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " entries, selected " << c.selected);
        const SaveList::Window shown = SaveList::window(c.count, c.selected);
        EXPECT_EQ(shown.first, c.first);
        EXPECT_EQ(shown.last, c.last);
        EXPECT_FLOAT_EQ(SaveList::thumbHeight(c.count), c.thumbHeight);
        EXPECT_FLOAT_EQ(SaveList::thumbCentreY(c.count, c.selected), c.thumbY);
    }
}

TEST(SaveListLayout, SelectionWrapsAndLinesAreCut)
{
    EXPECT_EQ(SaveList::moveSelection(0, -1, 4), 3);
    EXPECT_EQ(SaveList::moveSelection(3, 1, 4), 0);
    EXPECT_EQ(SaveList::moveSelection(1, 1, 4), 2);
    EXPECT_EQ(SaveList::moveSelection(0, -1, 0), 0);

    EXPECT_EQ(SaveList::line("bob.sav", 3, 25, 1200), "bob.sav   Level: 3   25/30 HP   Score: 1200");
    EXPECT_EQ(SaveList::line(".sav", 0, -4, -70), ".sav   Level: 0   -4/30 HP   Score: -70");
    EXPECT_EQ(SaveList::line(std::string(300, 'n') + ".sav", 1, 2, 3), std::string(255, 'n'));
}

TEST(SaveListScan, ListsOnlySavesInTheDirectorysOwnOrder)
{
    EXPECT_TRUE(SaveList::scan("Save").empty()); // no directory yet

    writeSaveRecord("Save/bob.sav", {3, 25, 1200, 1});
    writeSaveRecord("Save/.sav", {1, 30, 0, 0});
    writeFile("Save/old.sav.tmp", "x");
    writeFile("Save/notes.txt", "x");
    writeFile("Save/sav", "x");
    writeFile("Save/garbage.sav", std::string(5000, '\x7f'));
    std::filesystem::create_directories("Save/x.sav");

    std::vector<std::string> expectedOrder;
    for (const auto& entry : std::filesystem::directory_iterator("Save")) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".sav") == 0)
            expectedOrder.push_back(name);
    }
    const std::vector<SaveEntry> entries = SaveList::scan("Save");
    ASSERT_EQ(entries.size(), 4u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SaveEntry& e = entries[i];
        EXPECT_EQ(e.fileName, expectedOrder[i]);
        if (e.fileName == "bob.sav") {
            EXPECT_EQ(e.line, "bob.sav   Level: 3   25/30 HP   Score: 1200");
            EXPECT_TRUE(e.introShowing);
        } else if (e.fileName == "x.sav") {
            EXPECT_EQ(e.line, "x.sav   Level: 0   0/30 HP   Score: 0");
        } else if (e.fileName == "garbage.sav") {
            EXPECT_EQ(e.level, 0x7f7f7f7f);
        }
    }
}

TEST(SaveListScan, FiveHundredSavesAllList)
{
    for (int i = 0; i < 500; ++i)
        writeSaveRecord("Save/game " + std::to_string(i) + ".sav", {i % 15 + 1, i % 31, i, 0});
    const std::vector<SaveEntry> entries = SaveList::scan("Save");
    ASSERT_EQ(entries.size(), 500u);
    for (const SaveEntry& e : entries)
        EXPECT_EQ(e.score, std::stoi(e.fileName.substr(5)));
}
