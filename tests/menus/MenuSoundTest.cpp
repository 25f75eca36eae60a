// The menus' sounds: a hover when the marker moves onto an entry, a click
// when an entry is performed, and the save sound only for a game written.
#include "Listening.h"
#include "MenuTestSupport.h"
#include "menus/EndingScreen.h"
#include "menus/LoadScreen.h"
#include "menus/StoryScreen.h"
#include "platform/VirtualKeys.h"

namespace {

class MenuSoundTest : public CleanScreenFlow {
protected:
    static void pointAt(Screen* screen, float x, float y) { screen->mouseMove(fraction(x), fraction(y)); }
    Listening listening;
};

} // namespace

TEST_F(MenuSoundTest, TheMarkerSoundsOnceForEachEntryItMovesOnto)
{
    TitleScreen* menu = makeMenu(1);
    const struct {
        float x, y;
        int hovers;
    } moves[] = {
        {0, -15, 1},  // onto New Game
        {2, -16, 1},  // still New Game: every frame's pointer, no sound
        {0, -45, 2},  // Load Game
        {0, 50, 2},   // off every entry
        {0, -45, 3},  // back onto Load Game
        {-50, -25, 3} // Return Game's place, empty in the main menu
    };
    for (const auto& move : moves) {
        pointAt(menu, move.x, move.y);
        EXPECT_EQ(listening.heard.count(Effect::MenuHover), move.hovers) << move.x << "," << move.y;
    }
    EXPECT_EQ(listening.heard.count(Effect::MenuClick), 0);
    clickAt(menu, 0, 50);
    EXPECT_EQ(listening.heard.count(Effect::MenuClick), 0) << "a click beside the entries performs nothing";
    clickAt(menu, menuPlaces::centreOf(menuPlaces::QuitGame));
    EXPECT_EQ(listening.heard.count(Effect::MenuClick), 1);

    // The load list's buttons and the story's way back sound alike.
    delete menu;
    listening.heard.clear();
    auto* list = new LoadScreen;
    list->enter();
    currentScreen = list;
    pointAt(list, -50, -50);
    pointAt(list, -51, -50);
    EXPECT_EQ(listening.heard.effects, std::vector<Effect>{Effect::MenuHover});
    clickAt(list, menuPlaces::loadListReturnGame);
    EXPECT_EQ(listening.heard.effects, (std::vector<Effect>{Effect::MenuHover, Effect::MenuClick}));
    delete finishFade();

    listening.heard.clear();
    auto* story = new StoryScreen;
    story->enter();
    currentScreen = story;
    story->mouseMove(0.05f, 0.05f); // the lower-left corner of its 100 x 100 view
    story->mouseUp(true, false);
    story->mouseUp(true, false);
    EXPECT_EQ(listening.heard.effects, std::vector<Effect>{Effect::MenuClick});
    delete finishFade();
    currentScreen = nullptr;
}

TEST_F(MenuSoundTest, TheSaveSoundsOnlyForAGameWritten)
{
    auto* game = new PlayScreen;
    game->level = 3;
    TitleScreen* menu = makeMenu(2, game);
    const auto save = [&](const char* name) {
        clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
        EXPECT_TRUE(menu->prompting);
        menu->saveName.clear();
        for (const char* c = name; *c != '\0'; ++c)
            menu->keyDown(vk::letter(*c));
        menu->keyDown(vk::enter);
    };
    save("ANNA");
    ASSERT_TRUE(std::filesystem::exists("Save/anna.sav"));
    EXPECT_EQ(listening.heard.effects, (std::vector<Effect>{Effect::MenuHover, Effect::MenuClick, Effect::Save}));

    // A folder that cannot be made (a file stands in its place): no save
    // sound for a game that was not written.
    listening.heard.clear();
    std::filesystem::remove_all("Save");
    writeFile("Save", "not a folder");
    save("BOB");
    EXPECT_EQ(listening.heard.count(Effect::Save), 0);
    EXPECT_EQ(listening.heard.count(Effect::MenuClick), 1);
}
