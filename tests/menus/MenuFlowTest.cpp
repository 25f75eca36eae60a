// Walking the menus through their fades, and what becomes of a suspended
// game on every path: resumed, handed on, or freed exactly once. The
// sanitizer build reports any screen a path leaves behind.
#include "MenuTestSupport.h"
#include "menus/LoadScreen.h"
#include "menus/StoryScreen.h"
#include "play/SaveRecord.h"

namespace {

class MenuFlowTest : public CleanScreenFlow {
protected:
    // Clicks at a view point, checks that a fade of the given duration
    // started from the screen, runs it and returns the screen it installed.
    template <class Next>
    static Next* clickThrough(Screen* screen, menuPlaces::Point at, float duration)
    {
        clickAt(screen, at);
        auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        EXPECT_NE(fade, nullptr);
        if (fade == nullptr)
            return nullptr;
        EXPECT_EQ(fade->oldScreen, screen);
        EXPECT_FLOAT_EQ(fade->halfDuration, duration / 2);
        Screen* next = finishFade();
        EXPECT_NE(dynamic_cast<Next*>(next), nullptr);
        return dynamic_cast<Next*>(next);
    }

    int destroyed = 0;
};

} // namespace

TEST_F(MenuFlowTest, NewGameStartsPlayAndFreesAnAbandonedGame)
{
    clickThrough<PlayScreen>(makeMenu(1), menuPlaces::centreOf(menuPlaces::NewGame), 15.0f);
    delete currentScreen;

    auto* game = new TrackedPlay(&destroyed);
    PlayScreen* play = clickThrough<PlayScreen>(makeMenu(2, game), menuPlaces::centreOf(menuPlaces::NewGame), 15.0f);
    EXPECT_NE(play, game);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(MenuFlowTest, ReturnGameResumesTheSuspendedGameUntouched)
{
    auto* game = new TrackedPlay(&destroyed);
    game->score = 77;
    EXPECT_EQ(clickThrough<PlayScreen>(makeMenu(2, game), menuPlaces::centreOf(menuPlaces::ReturnGame), 15.0f), game);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(game->score, 77);
}

TEST_F(MenuFlowTest, LoadListAndStoryHandTheSuspendedGameBack)
{
    auto* game = new TrackedPlay(&destroyed);
    TitleScreen* menu = makeMenu(2, game);
    for (int round = 0; round < 10; ++round) {
        auto* list = clickThrough<LoadScreen>(menu, menuPlaces::centreOf(menuPlaces::LoadGame), 15.0f);
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->inGame);
        EXPECT_EQ(list->suspended.get(), game);
        menu = clickThrough<TitleScreen>(list, menuPlaces::loadListReturnGame, 15.0f);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->inGame);

        auto* story = clickThrough<StoryScreen>(menu, menuPlaces::centreOf(menuPlaces::GameStory), 15.0f);
        ASSERT_NE(story, nullptr);
        EXPECT_EQ(story->suspended.get(), game);
        menu = clickThrough<TitleScreen>(story, {-95, -95}, 15.0f);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->inGame);
    }
    EXPECT_EQ(clickThrough<PlayScreen>(menu, menuPlaces::centreOf(menuPlaces::ReturnGame), 15.0f), game);
    EXPECT_EQ(destroyed, 0);
}

TEST_F(MenuFlowTest, MainMenuRoundTripsStayInMainMenuMode)
{
    auto* list = clickThrough<LoadScreen>(makeMenu(1), menuPlaces::centreOf(menuPlaces::LoadGame), 15.0f);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->inGame);
    auto* menu = clickThrough<TitleScreen>(list, menuPlaces::loadListReturnGame, 15.0f);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->inGame);
    EXPECT_FALSE(menu->returnGameItem.visible);
}

TEST_F(MenuFlowTest, LoadingASaveFreesTheSuspendedGame)
{
    writeSaveRecord("Save/other.sav", {2, 18, 450, 0});
    auto* game = new TrackedPlay(&destroyed);
    auto* list = clickThrough<LoadScreen>(makeMenu(2, game), menuPlaces::centreOf(menuPlaces::LoadGame), 15.0f);
    ASSERT_NE(list, nullptr);
    auto* loaded = clickThrough<PlayScreen>(list, menuPlaces::loadListLoadGame, 10.0f);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->score, 450);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(MenuFlowTest, QuitWithASuspendedGameFreesItAtShutDown)
{
    TitleScreen* menu = makeMenu(2, new TrackedPlay(&destroyed));
    clickAt(menu, menuPlaces::centreOf(menuPlaces::QuitGame));
    EXPECT_FALSE(running);
    EXPECT_EQ(destroyed, 0);
    delete menu; // what shut-down does with the current screen
    currentScreen = nullptr;
    EXPECT_EQ(destroyed, 1);
}
