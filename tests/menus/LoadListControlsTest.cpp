// The load list beside its arrow keys and buttons: clicking lines, the
// scroll arrows, the wheel, Page Up/Down, Home/End, Enter and Esc, and the
// keys a held key repeats.
#include <filesystem>
#include <functional>
#include <string>

#include "MenuTestSupport.h"
#include "menus/LoadScreen.h"
#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"

namespace {

// The list's first line has its baseline at view height 75; each further
// line is 11 lower.
float lineY(int line)
{
    return 75.0f - 11.0f * static_cast<float>(line);
}

class LoadListControlsTest : public CleanScreenFlow {
protected:
    // A list of `count` saved games, each with its number as its score.
    static LoadScreen* makeList(int count, bool inGame = false, PlayScreen* suspended = nullptr)
    {
        for (int i = 0; i < count; ++i)
            writeSaveRecord("Save/s" + std::to_string(i) + ".sav", {1, 30, i, 0});
        auto* list = new LoadScreen;
        list->inGame = inGame;
        list->suspended.reset(suspended);
        list->enter();
        currentScreen = list;
        return list;
    }

    // The score of the game the list is fading into, or -1.
    static int loadedScore(const LoadScreen* list)
    {
        const auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        if (fade == nullptr || fade->oldScreen != list)
            return -1;
        EXPECT_FLOAT_EQ(fade->halfDuration, 5.0f) << "a loaded game fades in as from the Load Game button";
        const auto* play = dynamic_cast<const PlayScreen*>(fade->newScreen);
        return play != nullptr ? play->score : -1;
    }
};

} // namespace

TEST_F(LoadListControlsTest, AClickSelectsALineAndAClickOnTheSelectedLineLoadsIt)
{
    LoadScreen* list = makeList(20);
    ASSERT_EQ(list->entries.size(), 20u);
    clickAt(list, -40, lineY(3) + 1);
    EXPECT_EQ(list->selected, 3);
    EXPECT_EQ(currentScreen, list);

    // The lines' edges: a line takes clicks from 3 below its baseline up to
    // the next line, between the list's left edge and the scroll arrows.
    struct Case {
        float x, y;
        int selected; // after the click, from 3
    };
    const Case cases[] = {
        {-40, lineY(0) + 8, 0}, {-40, lineY(0) + 8.5f, 3}, {-40, lineY(1) - 2.9f, 1},
        {-40, lineY(1) - 3.1f, 2}, {-76, lineY(5), 3},     {84, lineY(5), 5},
        {86, lineY(5), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        list->selected = 3;
        clickAt(list, c.x, c.y);
        EXPECT_EQ(list->selected, c.selected);
        ASSERT_EQ(currentScreen, list);
    }

    // Away from the top, the selection sits on the sixth line.
    list->selected = 12;
    clickAt(list, 0, lineY(0));
    EXPECT_EQ(list->selected, 7);
    list->mouseUp(false, true); // the right button does nothing
    EXPECT_EQ(currentScreen, list);
    clickAt(list, 0, lineY(5));
    EXPECT_EQ(loadedScore(list), list->entries[7].score);
}

TEST_F(LoadListControlsTest, LinesBelowTheLastGameTakeNoClick)
{
    LoadScreen* list = makeList(3);
    clickAt(list, 0, lineY(3));
    clickAt(list, 0, lineY(9));
    EXPECT_EQ(list->selected, 0);
    EXPECT_EQ(currentScreen, list);
}

TEST_F(LoadListControlsTest, ArrowsWheelAndPageKeysMoveTheSelectionWithoutWrapping)
{
    LoadScreen* list = makeList(20);
    struct Step {
        const char* what;
        std::function<void()> act;
        int selected;
    };
    const Step steps[] = {
        {"up arrow at the top", [list] { clickAt(list, 90, 75); }, 0},
        {"down arrow", [list] { clickAt(list, 90, -75); }, 1},
        {"down arrow's click square", [list] { clickAt(list, 94, -79); }, 2},
        {"wheel towards the player", [list] { list->mouseWheel(-3); }, 5},
        {"wheel away", [list] { list->mouseWheel(1); }, 4},
        {"wheel far away", [list] { list->mouseWheel(50); }, 0},
        {"Page Down", [list] { list->keyDown(vk::pageDown); }, 10},
        {"Page Down held", [list] { list->keyRepeat(vk::pageDown); }, 19},
        {"Page Up", [list] { list->keyDown(vk::pageUp); }, 9},
        {"Home", [list] { list->keyDown(vk::home); }, 0},
        {"End", [list] { list->keyDown(vk::end); }, 19},
        {"down arrow at the bottom", [list] { clickAt(list, 90, -75); }, 19},
        {"wheel far towards the player", [list] { list->mouseWheel(-50); }, 19},
        {"Down still wraps", [list] { list->keyDown(vk::down); }, 0},
        {"Up held still wraps", [list] { list->keyRepeat(vk::up); }, 19},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(list->selected, step.selected);
        ASSERT_EQ(currentScreen, list);
    }
    list->render();
    EXPECT_FLOAT_EQ(list->scrollBar.y, 140.0f * 0.0f / 20.0f - 70.0f + 3.75f) << "the thumb follows";
}

TEST_F(LoadListControlsTest, EnterLoadsTheSelectedGameAndEscGoesBackButNotOnRepeats)
{
    int destroyed = 0;
    auto* game = new TrackedPlay(&destroyed);
    LoadScreen* list = makeList(4, true, game);
    list->keyDown(vk::end);
    for (const int key : {vk::enter, vk::escape}) {
        list->keyRepeat(key);
        list->keyUp(key);
    }
    EXPECT_EQ(currentScreen, list) << "an Enter or Esc held since the screen before does nothing";
    list->keyDown(vk::enter);
    list->keyRepeat(vk::enter);
    EXPECT_EQ(currentScreen, list) << "like a click, Enter acts when released";
    list->keyUp(vk::enter);
    EXPECT_EQ(loadedScore(list), list->entries[3].score);
    Screen* fade = currentScreen;
    for (const int key : {vk::enter, vk::escape}) {
        list->keyDown(key);
        list->keyUp(key);
    }
    EXPECT_EQ(currentScreen, fade) << "one fade only";
    finishFade();
    EXPECT_EQ(destroyed, 1) << "the game the player passed over goes with the list";
    delete currentScreen;
    currentScreen = nullptr;

    std::filesystem::remove_all("Save");
    game = new TrackedPlay(&destroyed);
    list = makeList(0, true, game);
    list->keyDown(vk::enter);
    list->keyUp(vk::enter);
    list->keyDown(vk::pageDown);
    list->mouseWheel(-2);
    EXPECT_EQ(list->selected, 0);
    EXPECT_EQ(currentScreen, list) << "an empty list loads nothing";
    list->keyDown(vk::escape);
    list->keyUp(vk::escape);
    auto* back = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(back, nullptr);
    EXPECT_FLOAT_EQ(back->halfDuration, 7.5f);
    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->inGame) << "Esc goes back as Return Game does";
    EXPECT_EQ(menu->suspended.get(), game);
    EXPECT_EQ(destroyed, 1);
}
