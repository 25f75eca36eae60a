// What the player sees of a save: a blank name is refused, a save that could
// not be written keeps the prompt open with the reason, a good one closes it
// and shows "Saved" for a moment of game time; and pending files a crash left
// never reach the load list.
#include "MenuTestSupport.h"
#include "TinyDisk.h"
#include "menus/LoadScreen.h"
#include "menus/SaveList.h"
#include "menus/SavePrompt.h"
#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"
#include "render/Renderer.h"

namespace {

constexpr int inGameMenu = 2;

class SaveOutcomeTest : public CleanScreenFlow {
protected:
    // An in-game menu holding a game at level 3 with its prompt open.
    TitleScreen* openPrompt()
    {
        auto* game = new PlayScreen;
        game->level = 3;
        game->hp = 17;
        game->score = 450;
        TitleScreen* menu = makeMenu(inGameMenu, game);
        clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
        EXPECT_TRUE(menu->prompting);
        return menu;
    }

    static void type(TitleScreen* menu, const std::string& keys)
    {
        for (const char c : keys)
            menu->keyDown(c >= 'a' && c <= 'z' ? vk::letter(static_cast<char>(c - 'a' + 'A')) : c);
    }

    // Pixels of the colour that only the prompt's failure line uses.
    int failurePixels()
    {
        renderer().setClearColour(0, 0, 0, 1);
        context_->clear();
        currentScreen->render();
        int count = 0;
        for (int y = 0; y < context_->height(); ++y)
            for (int x = 0; x < context_->width(); ++x) {
                const Colour c = context_->pixel(x, y);
                count += c.r > 200 && c.g > 80 && c.g < 140 && c.b < 120 ? 1 : 0;
            }
        return count;
    }

    static bool nothingSaved() { return !std::filesystem::exists("Save") || std::filesystem::is_empty("Save"); }
};

} // namespace

TEST_F(SaveOutcomeTest, ABlankNameIsRefusedAndNothingIsWritten)
{
    TitleScreen* menu = openPrompt();
    for (const std::string name : {"", " ", "   "}) {
        SCOPED_TRACE("name '" + name + "'");
        menu->saveName.clear();
        menu->caret = 0;
        type(menu, name);
        menu->keyDown(vk::enter);
        EXPECT_TRUE(menu->prompting) << "the prompt stays open";
        EXPECT_EQ(menu->promptMessage, "Type a name first");
        EXPECT_EQ(menu->savedNoticeLeft, 0.0f);
        EXPECT_TRUE(nothingSaved()) << "no Save/.sav, no Save/   .sav";
    }
    EXPECT_GT(failurePixels(), 0) << "the refusal is drawn";

    // Typing makes the message go; a name with spaces around it is a name.
    type(menu, "a");
    EXPECT_EQ(menu->promptMessage, "");
    EXPECT_EQ(failurePixels(), 0);
    menu->keyDown(vk::enter);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(readFile("Save/   a.sav"), encodeSaveRecord({3, 17, 450, 0}));
}

TEST_F(SaveOutcomeTest, AFailedSaveKeepsThePromptOpenWithItsReason)
{
    writeFile("Save", "in the way"); // a file where the folder should be
    TitleScreen* menu = openPrompt();
    type(menu, "bob");
    menu->keyDown(vk::enter);
    EXPECT_TRUE(menu->prompting) << "a failed save is never shown as a good one";
    EXPECT_EQ(menu->promptMessage, "Could not save: the save folder is a file, not a folder");
    EXPECT_EQ(menu->savedNoticeLeft, 0.0f);
    EXPECT_EQ(readFile("Save"), "in the way");
    EXPECT_GT(failurePixels(), 0);
    EXPECT_EQ(menu->font.text, menu->promptMessage) << "drawn with the prompt's font";

    // Esc closes the prompt and forgets the message; reopening starts clean.
    menu->keyDown(vk::escape);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(menu->promptMessage, "");
    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    menu->keyDown(vk::enter);
    EXPECT_EQ(menu->promptMessage, "Could not save: the save folder is a file, not a folder");

    // With the folder back the same Enter saves.
    std::filesystem::remove("Save");
    menu->keyDown(vk::enter);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(menu->promptMessage, "");
    EXPECT_EQ(readFile("Save/bob.sav"), encodeSaveRecord({3, 17, 450, 0}));
}

TEST_F(SaveOutcomeTest, FailuresSayWhyInAFewWords)
{
    const struct {
        int code;
        const char* line;
    } cases[] = {
        {EROFS, "Could not save: the save folder is read-only"},
        {EACCES, "Could not save: no permission to write in the save folder"},
        {ENOSPC, "Could not save: no space left on the disk"},
        {EDQUOT, "Could not save: no space left on the disk"},
        {ENOTDIR, "Could not save: the save folder is a file, not a folder"},
        {EISDIR, "Could not save: a folder has that name"},
        {EIO, "Could not save: input/output error"}, // the system's words, begun in lower case
    };
    for (const auto& c : cases)
        EXPECT_EQ(SavePrompt::failureLine(std::error_code(c.code, std::generic_category())), c.line);

    // A save folder on a read-only disk, as the menu shows it.
    const int shown = tinydisk::run("size=64k", [this] {
        std::filesystem::create_directory("Save");
        if (!tinydisk::makeReadOnly())
            return int(tinydisk::unavailable);
        saveFolder = "Save";
        TitleScreen* menu = openPrompt();
        type(menu, "ro");
        menu->keyDown(vk::enter);
        return menu->prompting && menu->promptMessage == "Could not save: the save folder is read-only" ? 1 : 2;
    });
    if (shown == tinydisk::unavailable)
        GTEST_SKIP() << "no tmpfs of the test's own here: the read-only disk case did not run";
    EXPECT_EQ(shown, 1);
}

TEST_F(SaveOutcomeTest, AGoodSaveShowsSavedForAMomentOfGameTime)
{
    TitleScreen* menu = openPrompt();
    type(menu, "ok");
    menu->keyDown(vk::enter);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(menu->savedNoticeLeft, TitleScreen::savedNoticeDuration);
    menu->render();
    EXPECT_EQ(menu->font.text, "Saved");

    frameStep = TitleScreen::savedNoticeDuration - 0.25f;
    menu->update();
    menu->font.text.clear();
    menu->render();
    EXPECT_EQ(menu->font.text, "Saved") << "still showing";
    frameStep = 0.25f;
    menu->update();
    EXPECT_EQ(menu->savedNoticeLeft, 0.0f);
    menu->font.text.clear();
    menu->render();
    EXPECT_EQ(menu->font.text, "") << "gone";
    frameStep = 0.0f;

    // Opening the prompt again ends the notice at once.
    menu->keyDown(vk::enter); // not prompting: ignored
    menu->savedNoticeLeft = 1.0f;
    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    EXPECT_EQ(menu->savedNoticeLeft, 0.0f);
}

TEST_F(SaveOutcomeTest, TheLoadListRemovesWhatACrashLeftAndNeverListsIt)
{
    writeFile("Save/kept.sav", encodeSaveRecord({4, 20, 100, 0}));
    writeFile("Save/kept.sav.tmp", encodeSaveRecord({5, 20, 100, 0}).substr(0, 5));
    writeFile("Save/other.sav.tmp", "");
    std::filesystem::create_directories("Save/dir.sav.tmp");

    const std::vector<SaveEntry> entries = SaveList::scan("Save");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].fileName, "kept.sav");
    EXPECT_FALSE(std::filesystem::exists("Save/kept.sav.tmp"));
    EXPECT_FALSE(std::filesystem::exists("Save/other.sav.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory("Save/dir.sav.tmp")) << "only plain files are removed";

    writeFile("Save/again.sav.tmp", "x");
    auto* list = new LoadScreen;
    list->enter();
    currentScreen = list;
    EXPECT_EQ(list->entries.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists("Save/again.sav.tmp"));
}
