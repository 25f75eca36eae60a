// Walking the menus through their fades, and what becomes of a suspended
// game on every path: resumed, handed on, or freed exactly once.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menus/LoadScreen.h"
#include "menus/SaveRecord.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"

namespace {

class ScreenFlowTest : public ScreenTest {
protected:
    TitleScreen* makeMenu(int mode, PlayScreen* suspended = nullptr)
    {
        auto* menu = new TitleScreen;
        menu->enter();
        menu->setup(mode);
        menu->suspended = suspended;
        currentScreen = menu;
        return menu;
    }

    // Clicks at a view point and checks a fade of the given duration started.
    static void clickIntoFade(Screen* screen, float x, float y, float duration)
    {
        clickAt(screen, x, y);
        auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        ASSERT_NE(fade, nullptr);
        EXPECT_EQ(fade->oldScreen, screen);
        EXPECT_FLOAT_EQ(fade->halfDuration, duration / 2);
    }

    int destroyed = 0;
};

} // namespace

TEST_F(ScreenFlowTest, NewGameFromTheMainMenu)
{
    TitleScreen* menu = makeMenu(1);
    clickIntoFade(menu, 0, -15, 15.0f);
    EXPECT_NE(dynamic_cast<PlayScreen*>(finishFade()), nullptr);
}

TEST_F(ScreenFlowTest, NewGameFreesTheAbandonedSuspendedGame)
{
    auto* game = new TrackedPlay(&destroyed);
    TitleScreen* menu = makeMenu(2, game);
    clickIntoFade(menu, 0, -15, 15.0f);
    EXPECT_EQ(destroyed, 0);
    Screen* now = finishFade();
    EXPECT_NE(dynamic_cast<PlayScreen*>(now), nullptr);
    EXPECT_NE(now, game);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ScreenFlowTest, ReturnGameResumesTheSuspendedGameUntouched)
{
    auto* game = new TrackedPlay(&destroyed);
    game->score = 77;
    TitleScreen* menu = makeMenu(2, game);
    clickIntoFade(menu, -50, -25, 15.0f);
    EXPECT_EQ(menu->suspended, nullptr);
    EXPECT_EQ(finishFade(), game);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(game->score, 77);
}

TEST_F(ScreenFlowTest, LoadListAndBackKeepTheSuspendedGameResumable)
{
    auto* game = new TrackedPlay(&destroyed);
    TitleScreen* menu = makeMenu(2, game);
    clickIntoFade(menu, 0, -35, 15.0f);
    EXPECT_EQ(menu->suspended, nullptr);
    auto* list = dynamic_cast<LoadScreen*>(finishFade());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->inGame);
    EXPECT_EQ(list->suspended, game);

    clickIntoFade(list, -50, -50, 15.0f);
    auto* again = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->suspended, game);
    clickIntoFade(again, -50, -25, 15.0f);
    EXPECT_EQ(finishFade(), game);
    EXPECT_EQ(destroyed, 0);
}

TEST_F(ScreenFlowTest, LoadingASaveFreesTheSuspendedGame)
{
    writeSaveRecord("Save/other.sav", {2, 18, 450, 0});
    auto* game = new TrackedPlay(&destroyed);
    clickIntoFade(makeMenu(2, game), 0, -35, 15.0f);
    auto* list = dynamic_cast<LoadScreen*>(finishFade());
    ASSERT_NE(list, nullptr);
    clickIntoFade(list, 50, -50, 10.0f);
    auto* loaded = dynamic_cast<PlayScreen*>(finishFade());
    ASSERT_NE(loaded, nullptr);
    EXPECT_NE(loaded, game);
    EXPECT_EQ(loaded->score, 450);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ScreenFlowTest, StoryAndBackKeepTheSuspendedGameResumable)
{
    auto* game = new TrackedPlay(&destroyed);
    TitleScreen* menu = makeMenu(2, game);
    clickIntoFade(menu, 12, -55, 15.0f);
    auto* story = dynamic_cast<StoryScreen*>(finishFade());
    ASSERT_NE(story, nullptr);
    EXPECT_TRUE(story->inGame);
    EXPECT_EQ(story->suspended, game);

    story->mouseMove(0.05f, 0.05f);
    story->mouseUp(true, false);
    auto* again = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->inGame);
    clickIntoFade(again, -50, -25, 15.0f);
    EXPECT_EQ(finishFade(), game);
    EXPECT_EQ(destroyed, 0);
}

TEST_F(ScreenFlowTest, MainMenuRoundTripsStayInMainMenuMode)
{
    TitleScreen* menu = makeMenu(1);
    clickIntoFade(menu, 0, -35, 15.0f);
    auto* list = dynamic_cast<LoadScreen*>(finishFade());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->inGame);
    clickIntoFade(list, -50, -50, 15.0f);
    auto* back = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->inGame);
    clickIntoFade(back, 12, -55, 15.0f);
    auto* story = dynamic_cast<StoryScreen*>(finishFade());
    ASSERT_NE(story, nullptr);
    unsigned char keys[256] = {};
    keys[0x08] = 1;
    story->keysHeld(keys);
    auto* last = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(last, nullptr);
    EXPECT_FALSE(last->inGame);
}

TEST_F(ScreenFlowTest, QuitWithASuspendedGameFreesItAtShutDown)
{
    auto* game = new TrackedPlay(&destroyed);
    TitleScreen* menu = makeMenu(2, game);
    clickAt(menu, 0, -75);
    EXPECT_FALSE(running);
    EXPECT_EQ(destroyed, 0);
    delete menu; // what shut-down does with the current screen
    currentScreen = nullptr;
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ScreenFlowTest, ManyRoundTripsLeaveOnlyTheCurrentScreen)
{
    // Every screen left behind is destroyed by its fade; the sanitizer build
    // reports anything that is not.
    auto* game = new TrackedPlay(&destroyed);
    TitleScreen* menu = makeMenu(2, game);
    for (int round = 0; round < 20; ++round) {
        clickIntoFade(menu, 0, -35, 15.0f);
        auto* list = dynamic_cast<LoadScreen*>(finishFade());
        ASSERT_NE(list, nullptr);
        clickIntoFade(list, -50, -50, 15.0f);
        menu = dynamic_cast<TitleScreen*>(finishFade());
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->suspended, game);
    }
    EXPECT_EQ(destroyed, 0);
}
