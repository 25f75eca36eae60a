#include "scenarios/GoldenScenarios.h"

#include <memory>

#include "app/Globals.h"
#include "menus/LoadScreen.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "screens/FadeScreen.h"
#include "scenarios/ScenarioSteps.h"

// The golden scenarios of the menus: the title and in-game menu by pointer
// and keyboard, saving and loading, the story and the lists, a wide window.

using namespace scenario;

namespace golden {

Scenario menuFlow()
{
    Scenario menu;
    menu.name = "menu-flow";
    menu.proves = "New Game, walking, Esc to the in-game menu, Return Game to the same game, "
                  "Esc again and Quit Game";
    menu.script = [] {
        return std::vector<Step>{
            click(newGame),
            waitUntil([] { return playing() != nullptr; }),
            press(vk::enter),
            press(vk::right, 30),
            press(vk::up, 12),
            press(vk::escape),
            waitUntil(inGameMenu),
            click(returnGame),
            waitUntil(inPlay),
            press(vk::left, 20),
            press(vk::home),
            waitUntil(inGameMenu),
            click(quitGame),
            waitUntil([] { return !running; }),
        };
    };
    return menu;
}

Scenario saveLoad()
{
    Scenario saveLoad;
    saveLoad.name = "save-load";
    saveLoad.proves = "Esc, Save Game under a typed name, Load Game, the list, and the saved game "
                      "resumed and played on";
    saveLoad.script = [] {
        return std::vector<Step>{
            click(newGame),
            waitUntil([] { return playing() != nullptr; }),
            playFor(150),
            press(vk::escape),
            waitUntil(inGameMenu),
            click(saveGame),
            type("golden 1"),
            press(vk::enter),
            click(loadGame),
            waitUntil([] { return showing<LoadScreen>() != nullptr; }),
            press(vk::down),
            click(listLoadGame),
            waitUntil(inPlay),
            playFor(150),
        };
    };
    return saveLoad;
}

Scenario storyAndLists()
{
    Scenario screens;
    screens.name = "story-and-lists";
    screens.proves = "the story screen left by its corner and by Backspace but not by other clicks, "
                     "the empty load list and its way back, from the main menu and from the "
                     "in-game menu, which still resumes its game";
    screens.script = [] {
        const auto story = [] { return showing<StoryScreen>() != nullptr; };
        const auto list = [] { return showing<LoadScreen>() != nullptr; };
        const auto emptyList = [] {
            const LoadScreen* shown = showing<LoadScreen>();
            return shown != nullptr && !shown->hasEntries;
        };
        return std::vector<Step>{
            click(gameStory),     waitUntil(story),
            click({0, 0}),        click({-60, -85}),     waitFrames(30),          check(story),
            click(storyBackCorner), waitUntil(mainMenu),
            click(gameStory),     waitUntil(story),      press(vk::backspace),    waitUntil(mainMenu),
            click(loadGame),      waitUntil(list),       check(emptyList),
            press(vk::down),      click(listLoadGame),   waitFrames(30),          check(emptyList),
            click(listReturnGame), waitUntil(mainMenu),
            click(newGame),       waitUntil([] { return playing() != nullptr; }),
            press(vk::right, 20), press(vk::enter),      press(vk::up, 20),
            press(vk::escape),    waitUntil(inGameMenu),
            click(gameStory),     waitUntil(story),      press(vk::backspace),    waitUntil(inGameMenu),
            click(loadGame),      waitUntil(list),       click(listReturnGame),   waitUntil(inGameMenu),
            click(returnGame),    waitUntil(inPlay),     waitFrames(10),
        };
    };
    return screens;
}

Scenario handMadeSave()
{
    Scenario handMade;
    handMade.name = "hand-made-save";
    handMade.proves = "a saved game written by hand (level 3, 10 health points stored as 0D 0A, "
                      "score 26 = 0x1A) loads with that level, health and score and plays on";
    handMade.saves = {save("three.sav", 3, 10, 26)};
    handMade.script = [] {
        // The restored game is checked while the fade brings it in, before
        // its first update (a pepper under the player would add to the score).
        const auto restored = [] {
            const FadeScreen* fade = showing<FadeScreen>();
            return fade != nullptr ? dynamic_cast<const PlayScreen*>(fade->newScreen) : nullptr;
        };
        return std::vector<Step>{
            click(loadGame),
            waitUntil([] { return showing<LoadScreen>() != nullptr; }),
            click(listLoadGame),
            waitUntil([restored] { return restored() != nullptr; }),
            check([restored] {
                const PlayScreen* play = restored();
                return play->level == 3 && play->hp == 10 && play->score == 26 && !play->introShowing;
            }),
            waitUntil(inPlay),
            playFor(60),
            press(vk::escape),
            waitUntil(inGameMenu),
        };
    };
    return handMade;
}

Scenario keyboardSaveLoad()
{
    Scenario keyboard;
    keyboard.name = "keyboard-save-load";
    keyboard.proves = "the keyboard alone: the menus' marker (first Up on the Best Scores sign, wrap, Tab, "
                      "Shift+Tab, Up through the Options sign), New Game by "
                      "Enter, taps shorter than a frame passing the intro and opening the menu, Save Game by "
                      "Enter and a typed name, the story by Space and back by Esc, Load Game by Space, End "
                      "and Enter in the list, and Esc in the in-game menu resuming the game";
    keyboard.script = [] {
        const auto prompting = [] {
            const TitleScreen* menu = showing<TitleScreen>();
            return menu != nullptr && menu->prompting;
        };
        const auto list = [] { return showing<LoadScreen>() != nullptr; };
        const auto suspendedAt = [](int level, int hp) {
            return [level, hp] {
                const TitleScreen* menu = showing<TitleScreen>();
                return menu != nullptr && menu->suspended != nullptr && menu->suspended->level == level
                    && menu->suspended->hp == hp;
            };
        };
        return std::vector<Step>{
            waitFrames(3),
            check([] { return mainMenu() && showing<TitleScreen>()->hovered == 0; }), // nothing marked yet
            press(vk::up),        check(marked(menuPlaces::BestScores)),
            press(vk::down),      check(marked(menuPlaces::NewGame)),
            press(vk::enter),
            waitUntil([] { return playing() != nullptr && playing()->introShowing; }),
            tap(vk::enter),       check([] { return playing() != nullptr && !playing()->introShowing; }),
            press(vk::right, 20), press(vk::up, 10),
            tap(vk::escape),      waitUntil(inGameMenu),
            press(vk::tab),       check(marked(menuPlaces::ReturnGame)),
            press(vk::tab),       press(vk::tab),       check(marked(menuPlaces::SaveGame)),
            press(vk::enter),     check(prompting),
            type("keys 2"),       press(vk::enter),     check([prompting] { return !prompting(); }),
            pressWith(vk::shift, vk::tab), pressWith(vk::shift, vk::tab), check(marked(menuPlaces::ReturnGame)),
            pressWith(vk::shift, vk::tab), check(marked(menuPlaces::BestScores)),
            press(vk::up),        check(marked(menuPlaces::Options)),
            press(vk::up),        check(marked(menuPlaces::QuitGame)),
            press(vk::up),        check(marked(menuPlaces::GameStory)),
            press(vk::space),     waitUntil([] { return showing<StoryScreen>() != nullptr; }),
            press(vk::escape),    waitUntil(inGameMenu),
            press(vk::down),      press(vk::down),      press(vk::down),     press(vk::down),
            check(marked(menuPlaces::LoadGame)),
            press(vk::space),     waitUntil(list),
            check([] { return showing<LoadScreen>()->entries.size() == 1; }),
            press(vk::end),       press(vk::enter),
            waitUntil(inPlay),
            check([] { return playing()->level == 1 && playing()->hp == 30; }),
            playFor(60),
            tap(vk::escape),      waitUntil(inGameMenu), check(suspendedAt(1, 30)),
            press(vk::escape),    waitUntil(inPlay),     waitFrames(10),
        };
    };
    return keyboard;
}

Scenario pointerWheelFocus()
{
    return fromSave(
        "pointer-wheel-focus",
        "a click that moves and releases between two frames acts where it lands (New Game, not the "
        "Quit Game hovered a frame before), losing the focus opens the in-game menu during play but "
        "not during a fade, the wheel and the scroll arrows in the list, and a click on the selected "
        "line loading it",
        save("one.sav", 2, 20, 150), [] {
            const auto list = [] { return showing<LoadScreen>() != nullptr; };
            // The game being faded into, checked before its first update (a
            // pepper under the player would add to the score).
            const auto fadingIntoPlay = [] {
                const FadeScreen* fade = showing<FadeScreen>();
                const PlayScreen* play = fade != nullptr ? dynamic_cast<const PlayScreen*>(fade->newScreen) : nullptr;
                return play != nullptr && play->level == 2 && play->hp == 20 && play->score == 150;
            };
            return std::vector<Step>{
                playFor(20),
                loseFocus(),           waitUntil(inGameMenu),
                hover(quitGame),       waitFrames(2),
                clickAtOnce(returnGame), check([] { return running; }),
                waitUntil(inPlay),     playFor(20),
                loseFocus(),           waitUntil(inGameMenu),
                clickAtOnce(loadGame), waitUntil(list),
                turnWheel(-2),         turnWheel(3),        waitFrames(2),
                click({90, 75}),       click({90, -75}),
                check([] { return showing<LoadScreen>()->selected == 0; }),
                clickAtOnce({-40, 76}), waitUntil(fadingIntoPlay),
                loseFocus(),           waitFrames(5),       check(fadingIntoPlay),
                waitUntil(inPlay),
                playFor(20),
            };
        });
}

Scenario wideWindowBars()
{
    Scenario aspect;
    aspect.name = "wide-window-bars";
    aspect.proves = "-aspect in a wide window: the pointer lands on the 4:3 picture between the bars; "
                    "the story's corner and the menus' entries are hit where the picture shows them";
    aspect.windowWidth = 1600;
    aspect.windowHeight = 600;
    aspect.options = {"-aspect"};
    aspect.script = [] {
        const auto story = [] { return showing<StoryScreen>() != nullptr; };
        return std::vector<Step>{
            click(gameStory),     waitUntil(story),
            // Just inside the story's back corner: on the whole window it
            // would be a point well away from it.
            click({-70, -75}),    waitUntil(mainMenu),
            click(newGame),       waitUntil([] { return playing() != nullptr; }),
            press(vk::enter),     press(vk::left, 20),
            press(vk::escape),    waitUntil(inGameMenu),
            click({-70, -25}),    waitUntil(inPlay),
            press(vk::home),      waitUntil(inGameMenu),
            click(quitGame),      waitUntil([] { return !running; }),
        };
    };
    return aspect;
}

} // namespace golden
