// The keyboard as the game sees it: SDL keys, translated by the key table,
// drive the play screen, the save-name prompt and the story screen as a
// player expects.
#include "platform/KeyTable.h"

#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "menus/SavePrompt.h"
#include "menus/StoryScreen.h"
#include "platform/FrameStep.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/HeadlessContext.h"
#include "play/PlayScreen.h"
#include "screens/FadeScreen.h"
#include "screens/Screen.h"

namespace {

// Types SDL keys into an empty save name, as the in-game menu's prompt does.
std::string typed(const std::vector<SDL_Keycode>& keys, SavePrompt::Outcome* last = nullptr)
{
    std::string name;
    int caret = 0;
    for (const SDL_Keycode key : keys) {
        const SavePrompt::Outcome outcome = SavePrompt::edit(name, caret, virtualKeyFromSdl(key));
        if (last != nullptr)
            *last = outcome;
    }
    return name;
}

// A play screen with no level loaded, its player at the origin, on an
// off-screen context; the frame runs at 80 units a second of player travel.
class HeldKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.valid());
        frameStep = 0.25f;
    }
    void TearDown() override
    {
        if (currentScreen != play.get())
            delete currentScreen;
        currentScreen = nullptr;
        freeRetiredScreens();
        frameStep = 0.0f;
    }
    // Holds the SDL keys for one frame of the play screen.
    void hold(std::initializer_list<SDL_Keycode> keys)
    {
        unsigned char state[256] = {};
        for (const SDL_Keycode key : keys)
            state[virtualKeyFromSdl(key)] = 1;
        state[0] = 0; // keys without a code never reach keyState
        play->keysHeld(state);
    }
    HeadlessContext context;
    std::unique_ptr<PlayScreen> play = std::make_unique<PlayScreen>();
};

} // namespace

TEST_F(HeldKeys, TheArrowKeysMoveThePlayerAndNoOtherKeyDoes)
{
    struct Case {
        const char* what;
        std::initializer_list<SDL_Keycode> keys;
        float dx, dy;
    };
    const Case cases[] = {
        {"up", {SDLK_UP}, 0, 20},
        {"down", {SDLK_DOWN}, 0, -20},
        {"left", {SDLK_LEFT}, -20, 0},
        {"right", {SDLK_RIGHT}, 20, 0},
        {"up and right together", {SDLK_UP, SDLK_RIGHT}, 20, 20},
        {"the keypad's arrows are digits", {SDLK_KP_8, SDLK_KP_2, SDLK_KP_4, SDLK_KP_6}, 0, 0},
        {"letters are no arrows", {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_h, SDLK_j, SDLK_k, SDLK_l}, 0, 0},
        {"nor are the keys around them", {SDLK_PAGEUP, SDLK_PAGEDOWN, SDLK_END, SDLK_INSERT, SDLK_DELETE}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        play->player.x = play->player.y = 0.0f;
        hold(c.keys);
        EXPECT_EQ(play->player.x, c.dx);
        EXPECT_EQ(play->player.y, c.dy);
    }
}

TEST_F(HeldKeys, EitherEnterEndsTheIntroPauseAndEscOrHomeOpensTheMenu)
{
    for (const SDL_Keycode enter : {SDLK_RETURN, SDLK_KP_ENTER}) {
        play->introShowing = true;
        hold({SDLK_SPACE, SDLK_TAB});
        EXPECT_TRUE(play->introShowing) << "only Enter ends the pause";
        hold({enter});
        EXPECT_FALSE(play->introShowing) << enter;
    }

    for (const SDL_Keycode menuKey : {SDLK_ESCAPE, SDLK_HOME}) {
        SCOPED_TRACE(menuKey);
        currentScreen = play.get();
        hold({SDLK_BACKSPACE, SDLK_END, SDLK_F1});
        EXPECT_EQ(currentScreen, play.get()) << "no other key opens the menu";
        hold({menuKey});
        auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        ASSERT_NE(fade, nullptr);
        fade->oldScreen = nullptr; // the test, not the fade, owns the play screen
        delete fade;
        currentScreen = nullptr;
    }
}

TEST(SdlKeysInTheSavePrompt, LettersTypeInLowerCaseWithDigitsAndSpacesAndNothingElse)
{
    std::vector<SDL_Keycode> alphabet;
    for (SDL_Keycode key = SDLK_a; key <= SDLK_z; ++key)
        alphabet.push_back(key);
    EXPECT_EQ(typed(alphabet), "abcdefghijklmnopqrstuvwxyz"); // a 26-letter name fits in 28
    EXPECT_EQ(typed({SDLK_0, SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8, SDLK_9}),
              "0123456789");
    EXPECT_EQ(typed({SDLK_m, SDLK_y, SDLK_SPACE, SDLK_g, SDLK_a, SDLK_m, SDLK_e}), "my game");
    EXPECT_EQ(typed({SDLK_LSHIFT, SDLK_CAPSLOCK, SDLK_b}), "b") << "Shift and Caps Lock change nothing";
    EXPECT_EQ(typed({SDLK_KP_1, SDLK_KP_PERIOD, SDLK_MINUS, SDLK_PERIOD, SDLK_SLASH, SDLK_BACKSLASH,
                     SDLK_SEMICOLON, SDLK_QUOTE, SDLK_EQUALS, SDLK_TAB, SDLK_DELETE}),
              "") << "keypad digits and punctuation never reach a file name";
}

TEST(SdlKeysInTheSavePrompt, ArrowsBackspaceEscAndEnterEditAndCloseThePrompt)
{
    EXPECT_EQ(typed({SDLK_a, SDLK_b, SDLK_c, SDLK_LEFT, SDLK_LEFT, SDLK_x, SDLK_RIGHT, SDLK_BACKSPACE}), "axc");
    SavePrompt::Outcome outcome = SavePrompt::Outcome::Editing;
    typed({SDLK_a, SDLK_ESCAPE}, &outcome);
    EXPECT_EQ(outcome, SavePrompt::Outcome::Cancelled);
    for (const SDL_Keycode enter : {SDLK_RETURN, SDLK_KP_ENTER}) {
        typed({SDLK_a, enter}, &outcome);
        EXPECT_EQ(outcome, SavePrompt::Outcome::Confirmed) << enter;
    }
}

TEST(SdlKeysOnTheStory, HeldBackspaceLeavesTheStoryAndDeleteDoesNot)
{
    HeadlessContext context;
    ASSERT_TRUE(context.valid());
    auto* story = new StoryScreen;
    currentScreen = story;
    unsigned char state[256] = {};
    state[virtualKeyFromSdl(SDLK_DELETE)] = 1;
    state[virtualKeyFromSdl(SDLK_LEFT)] = 1;
    story->keysHeld(state);
    EXPECT_EQ(currentScreen, story);
    state[virtualKeyFromSdl(SDLK_BACKSPACE)] = 1;
    story->keysHeld(state);
    EXPECT_NE(dynamic_cast<FadeScreen*>(currentScreen), nullptr);
    delete currentScreen; // the fade, the story and the menu it leads to
    currentScreen = nullptr;
}

TEST(KeyTable, EveryCodeFitsKeyStateAndNoTwoPrintableKeysShareOne)
{
    for (const int unknown : {int(SDLK_UNKNOWN), int(SDLK_AUDIOPLAY), int(SDLK_BRIGHTNESSUP), int(SDLK_z) + 1})
        EXPECT_EQ(virtualKeyFromSdl(unknown), 0) << unknown;
    // Every SDL key code that maps, maps into 1-255 (keyState has 256 bytes),
    // and no two different printable keys share a code ('+' is Shift+'=' on
    // the keyboard the codes describe).
    std::set<int> printable;
    for (int sdl = 0; sdl < 0x40000200; sdl = sdl < 0x80 ? sdl + 1 : (sdl < 0x40000000 ? 0x40000000 : sdl + 1)) {
        const int vk = virtualKeyFromSdl(sdl);
        ASSERT_GE(vk, 0);
        ASSERT_LE(vk, 255);
        if (vk != 0 && sdl >= 0x21 && sdl < 0x7F && sdl != '+') {
            EXPECT_TRUE(printable.insert(vk).second) << "two keys give " << vk << " (" << sdl << ")";
        }
    }
}

TEST(KeyTable, AltAloneF10AndAnythingWithAltAreTheSystemsKeys)
{
    EXPECT_TRUE(isSystemKey(virtualKeyFromSdl(SDLK_LALT), false));
    EXPECT_TRUE(isSystemKey(virtualKeyFromSdl(SDLK_RALT), false));
    EXPECT_TRUE(isSystemKey(virtualKeyFromSdl(SDLK_F10), false));
    EXPECT_TRUE(isSystemKey(virtualKeyFromSdl(SDLK_a), true));
    EXPECT_FALSE(isSystemKey(virtualKeyFromSdl(SDLK_a), false));
    EXPECT_FALSE(isSystemKey(virtualKeyFromSdl(SDLK_ESCAPE), false));
    EXPECT_FALSE(isSystemKey(virtualKeyFromSdl(SDLK_F9), false));
}
