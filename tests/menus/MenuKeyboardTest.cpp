// The title and in-game menus by keyboard: the marker's order and wrap,
// Enter and Space doing exactly what a click on the marked entry does, Esc
// resuming the in-game menu's game, held keys, the pointer beside the
// keyboard, and the save prompt keeping its keys.
#include <string>
#include <vector>

#include "MenuTestSupport.h"
#include "menus/BestScoresScreen.h"
#include "menus/LoadScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/StoryScreen.h"
#include "platform/VirtualKeys.h"

namespace {

// TitleScreen::hovered's numbers and where each entry sits, as the menu
// places them; where the marker must show under each.
using namespace menuPlaces;
using Place = Point;
const Place* const centres = entryCentres;
const Place markers[] = {{0, 0},          {0, -27.5f},   {0, -47.5f},  {0, -67.5f}, {0, -87.5f},
                         {-55, -37.5f},   {55, -37.5f},  {78, 68.5f},  {-78, 68.5f}};

class MenuKeyboardTest : public CleanScreenFlow {
protected:
    void TearDown() override
    {
        clearFlow();
        CleanScreenFlow::TearDown();
    }

    // Ends whatever a case left current, fade included.
    static void clearFlow()
    {
        finishFade();
        delete currentScreen;
        currentScreen = nullptr;
        running = true;
    }

    // Presses (down, then up) each key on the menu, as the window procedure
    // hands a fresh press over.
    static void press(TitleScreen* menu, std::initializer_list<int> keys)
    {
        for (const int key : keys) {
            menu->keyDown(key);
            menu->keyUp(key);
        }
    }

    // The entries the marker shows after each key, checking the marker's
    // place against the entry each time.
    static std::vector<int> marks(TitleScreen* menu, const std::vector<int>& keys)
    {
        std::vector<int> seen;
        for (const int key : keys) {
            menu->keyDown(key);
            menu->keyUp(key);
            seen.push_back(menu->hovered);
            EXPECT_TRUE(menu->marker.visible);
            EXPECT_FLOAT_EQ(menu->marker.x, markers[menu->hovered].x);
            EXPECT_FLOAT_EQ(menu->marker.y, markers[menu->hovered].y);
        }
        return seen;
    }

    // What an entry did: the program ended, the prompt opened, or the fade
    // it started (its duration and the screen it leads to).
    static std::string outcome(TitleScreen* menu, const PlayScreen* suspended)
    {
        if (!running)
            return "quit";
        if (currentScreen == menu)
            return menu->prompting ? "prompt" : "nothing";
        const auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        if (fade == nullptr || fade->oldScreen != menu)
            return "something else";
        std::string what = "fade " + std::to_string(fade->halfDuration * 2) + " to ";
        if (fade->newScreen == suspended)
            return what + "the suspended game";
        if (const auto* play = dynamic_cast<const PlayScreen*>(fade->newScreen))
            return what + "a new game at level " + std::to_string(play->level);
        if (const auto* list = dynamic_cast<const LoadScreen*>(fade->newScreen))
            return what + "the load list" + (list->inGame ? " in game" : "")
                + (list->suspended.get() == suspended && suspended != nullptr ? " holding the game" : "");
        if (const auto* story = dynamic_cast<const StoryScreen*>(fade->newScreen))
            return what + "the story" + (story->inGame ? " in game" : "")
                + (story->suspended.get() == suspended && suspended != nullptr ? " holding the game" : "");
        if (const auto* options = dynamic_cast<const OptionsScreen*>(fade->newScreen))
            return what + "the options" + (options->inGame ? " in game" : "")
                + (options->suspended.get() == suspended && suspended != nullptr ? " holding the game" : "");
        if (const auto* scores = dynamic_cast<const BestScoresScreen*>(fade->newScreen))
            return what + "the best scores" + (scores->inGame ? " in game" : "")
                + (scores->suspended.get() == suspended && suspended != nullptr ? " holding the game" : "");
        return what + "another screen";
    }
};

} // namespace

TEST_F(MenuKeyboardTest, TheMarkerGoesThroughTheEntriesInTheScreensOrderAndWraps)
{
    TitleScreen* menu = makeMenu(1);
    EXPECT_EQ(menu->hovered, None) << "nothing is marked before the first key";
    EXPECT_FALSE(menu->marker.visible);
    EXPECT_EQ(marks(menu, {vk::down, vk::down, vk::down, vk::down, vk::down, vk::down, vk::down}),
              (std::vector<int>{NewGame, LoadGame, GameStory, QuitGame, Options, BestScores, NewGame}))
        << "the menu's own entries, then the signs";
    EXPECT_EQ(marks(menu, {vk::up, vk::up, vk::up}), (std::vector<int>{BestScores, Options, QuitGame}));
    clearFlow();

    menu = makeMenu(1);
    EXPECT_EQ(marks(menu, {vk::up}), std::vector<int>{BestScores}) << "the first Up marks the last entry";
    clearFlow();

    menu = makeMenu(2, new PlayScreen);
    EXPECT_EQ(marks(menu, {vk::tab, vk::tab, vk::tab, vk::tab, vk::tab, vk::tab, vk::tab, vk::tab}),
              (std::vector<int>{ReturnGame, NewGame, SaveGame, LoadGame, GameStory, QuitGame, Options,
                                BestScores}));
    // Shift+Tab goes back: Shift held since the last frame, or pressed since.
    unsigned char keys[256] = {};
    keys[vk::shift] = 1;
    menu->keysHeld(keys);
    EXPECT_EQ(marks(menu, {vk::tab, vk::tab, vk::tab}), (std::vector<int>{Options, QuitGame, GameStory}));
    menu->keyUp(vk::shift);
    EXPECT_EQ(marks(menu, {vk::tab}), std::vector<int>{QuitGame});
    menu->keyDown(vk::shift);
    EXPECT_EQ(marks(menu, {vk::tab}), std::vector<int>{GameStory});
    clearFlow();

    menu = makeMenu(2, new PlayScreen);
    EXPECT_EQ(marks(menu, {vk::up, vk::up, vk::up}), (std::vector<int>{BestScores, Options, QuitGame}));
}

TEST_F(MenuKeyboardTest, EnterOrSpaceOnEveryEntryDoesWhatAClickOnItDoes)
{
    struct Case {
        int mode;
        int entry;
        int downs; // Down presses from nothing marked to the entry
        const char* expected;
    };
    const Case cases[] = {
        {1, NewGame, 1, "fade 15.000000 to a new game at level 1"},
        {1, LoadGame, 2, "fade 15.000000 to the load list"},
        {1, GameStory, 3, "fade 15.000000 to the story"},
        {1, QuitGame, 4, "quit"},
        {2, ReturnGame, 1, "fade 15.000000 to the suspended game"},
        {2, NewGame, 2, "fade 15.000000 to a new game at level 1"},
        {2, SaveGame, 3, "prompt"},
        {2, LoadGame, 4, "fade 15.000000 to the load list in game holding the game"},
        {2, GameStory, 5, "fade 15.000000 to the story in game holding the game"},
        {2, QuitGame, 6, "quit"},
        {1, Options, 5, "fade 15.000000 to the options"},
        {2, Options, 7, "fade 15.000000 to the options in game holding the game"},
        {1, BestScores, 6, "fade 15.000000 to the best scores"},
        {2, BestScores, 8, "fade 15.000000 to the best scores in game holding the game"},
    };
    for (const Case& c : cases) {
        for (const int key : {0, vk::enter, vk::space}) {
            SCOPED_TRACE(std::string("mode ") + std::to_string(c.mode) + ", entry " + std::to_string(c.entry)
                         + (key == 0 ? ", clicked" : key == vk::enter ? ", Enter" : ", Space"));
            auto* game = c.mode == 2 ? new PlayScreen : nullptr;
            TitleScreen* menu = makeMenu(c.mode, game);
            if (key == 0) {
                clickAt(menu, centres[c.entry].x, centres[c.entry].y);
            } else {
                for (int i = 0; i < c.downs; ++i)
                    press(menu, {vk::down});
                ASSERT_EQ(menu->hovered, c.entry);
                menu->keyDown(key);
                EXPECT_EQ(outcome(menu, game), "nothing") << "like a click, a key acts when released";
                menu->keyUp(key);
            }
            EXPECT_EQ(outcome(menu, game), c.expected);
            // A menu that is leaving takes no second entry.
            if (currentScreen != menu) {
                Screen* fade = currentScreen;
                press(menu, {vk::enter});
                clickAt(menu, centres[c.entry].x, centres[c.entry].y);
                EXPECT_EQ(currentScreen, fade);
            }
            clearFlow();
        }
    }
}

TEST_F(MenuKeyboardTest, EscResumesTheSameSuspendedGameOnlyInTheInGameMenu)
{
    int destroyed = 0;
    auto* game = new TrackedPlay(&destroyed);
    game->score = 321;
    TitleScreen* menu = makeMenu(2, game);
    press(menu, {vk::down, vk::down}); // whatever is marked, Esc means Return Game
    press(menu, {vk::escape});
    EXPECT_EQ(outcome(menu, game), "fade 15.000000 to the suspended game");
    EXPECT_EQ(finishFade(), game);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(game->score, 321);
    clearFlow();

    menu = makeMenu(1);
    press(menu, {vk::escape});
    EXPECT_EQ(outcome(menu, nullptr), "nothing") << "the main menu has nothing to return to";
    press(menu, {vk::enter, vk::space});
    EXPECT_EQ(outcome(menu, nullptr), "nothing") << "with nothing marked Enter and Space do nothing";
}

TEST_F(MenuKeyboardTest, HeldKeysRepeatMovesAndOnlyThePressAndReleaseOfOneKeyChoose)
{
    auto* game = new PlayScreen;
    TitleScreen* menu = makeMenu(2, game);
    menu->keyDown(vk::down);
    menu->keyRepeat(vk::down);
    menu->keyRepeat(vk::down);
    EXPECT_EQ(menu->hovered, SaveGame);
    // Enter, Space and Esc held since an earlier screen (pressed before the
    // fade into this menu): their repeats and releases choose nothing.
    for (const int key : {vk::enter, vk::space, vk::escape}) {
        menu->keyRepeat(key);
        menu->keyUp(key);
    }
    EXPECT_EQ(outcome(menu, game), "nothing");
    // Pressed here, held (repeating) and released: one choice.
    menu->keyDown(vk::enter);
    menu->keyRepeat(vk::enter);
    menu->keyRepeat(vk::enter);
    EXPECT_EQ(outcome(menu, game), "nothing");
    menu->keyUp(vk::enter);
    EXPECT_EQ(outcome(menu, game), "prompt");
    EXPECT_EQ(menu->saveName, "") << "the Enter that opened the prompt types nothing into it";
}

TEST_F(MenuKeyboardTest, ThePointerPicksOnlyWhenItMovesAndAClickActsUnderIt)
{
    TitleScreen* menu = makeMenu(1);
    menu->mouseMove(fraction(-90), fraction(40)); // over no entry
    press(menu, {vk::down, vk::down});
    ASSERT_EQ(menu->hovered, LoadGame);
    menu->mouseMove(fraction(-90), fraction(40)); // the next frame: the pointer rests
    EXPECT_EQ(menu->hovered, LoadGame) << "a resting pointer leaves the keyboard's entry marked";
    menu->mouseUp(true, false);
    EXPECT_EQ(outcome(menu, nullptr), "nothing") << "a click acts under the pointer, not on the marked entry";

    menu->mouseMove(fraction(centres[GameStory].x), fraction(centres[GameStory].y));
    EXPECT_EQ(menu->hovered, GameStory) << "a moving pointer picks again";
    press(menu, {vk::down});
    EXPECT_EQ(menu->hovered, QuitGame) << "the keyboard goes on from the pointer's entry";
    menu->mouseUp(true, false);
    EXPECT_EQ(outcome(menu, nullptr), "fade 15.000000 to the story")
        << "the click acts on the entry under the resting pointer";
}

TEST_F(MenuKeyboardTest, ThePromptTakesEveryKeyAsItGoesDown)
{
    auto* game = new PlayScreen;
    TitleScreen* menu = makeMenu(2, game);
    press(menu, {vk::down, vk::down, vk::down, vk::space}); // Save Game, chosen with Space
    ASSERT_TRUE(menu->prompting);
    press(menu, {vk::letter('A'), vk::space, vk::down, vk::tab, vk::digit(7)});
    menu->keyDown(vk::backspace);
    menu->keyRepeat(vk::backspace);
    menu->keyUp(vk::backspace);
    EXPECT_EQ(menu->saveName, "a") << "keys edit as ever, repeats included; arrows and Tab move no marker";
    EXPECT_EQ(menu->hovered, SaveGame);
    menu->keyDown(vk::escape);
    EXPECT_FALSE(menu->prompting) << "Esc closes the prompt as it goes down";
    menu->keyUp(vk::escape);
    EXPECT_EQ(outcome(menu, game), "nothing") << "the Esc that closed the prompt resumes nothing";

    // Esc pressed on the menu, the prompt opened by a click, Esc released:
    // the prompt stays.
    menu->keyDown(vk::escape);
    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    ASSERT_TRUE(menu->prompting);
    menu->keyUp(vk::escape);
    EXPECT_TRUE(menu->prompting);
    EXPECT_EQ(outcome(menu, game), "prompt");
    menu->keyDown(vk::enter);
    EXPECT_FALSE(menu->prompting) << "Enter saves as it goes down";
    menu->keyUp(vk::enter);
    EXPECT_EQ(outcome(menu, game), "nothing") << "and its release chooses no entry";
}
