// Saved games follow the folder start-up chose: the save prompt writes there,
// the load list reads from there, and nothing goes to "Save" any more.
#include "MenuTestSupport.h"
#include "menus/LoadScreen.h"
#include "menus/SavePrompt.h"
#include "play/SaveRecord.h"

namespace {

class SaveFolderTest : public CleanScreenFlow {
protected:
    void TearDown() override
    {
        saveFolder = "Save";
        CleanScreenFlow::TearDown();
    }
};

} // namespace

TEST_F(SaveFolderTest, PromptAndListUseTheChosenFolder)
{
    EXPECT_EQ(saveFolder, "Save");
    saveFolder = std::filesystem::absolute("player/thrask/Save").string();
    EXPECT_EQ(SavePrompt::path("anna 7"), saveFolder + "/anna 7.sav");

    auto* game = new PlayScreen;
    game->level = 4;
    game->hp = 10;
    game->score = 26;
    TitleScreen* menu = makeMenu(2, game);
    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    ASSERT_TRUE(menu->prompting);
    for (int key : {int('B'), int('O'), int('B'), 0x0D})
        menu->keyDown(key);
    // The folder and those above it are made when missing.
    EXPECT_EQ(readFile(saveFolder + "/bob.sav"), encodeSaveRecord({4, 10, 26, 0}));
    EXPECT_FALSE(std::filesystem::exists("Save"));

    writeSaveRecord("Save/stray.sav", {1, 30, 0, 0}); // the working directory's own: not listed
    auto* list = new LoadScreen;
    list->enter();
    currentScreen = list;
    delete menu;
    ASSERT_EQ(list->entries.size(), 1u);
    EXPECT_EQ(list->entries[0].fileName, "bob.sav");
    EXPECT_EQ(list->entries[0].level, 4);
}
