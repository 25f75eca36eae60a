#include "scenarios/GoldenScenarios.h"

#include <memory>

#include "app/Globals.h"
#include "menus/BestScoresScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "menus/SettingsHost.h"
#include "menus/TitleScreen.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "screens/FadeScreen.h"
#include "scenarios/ScenarioSteps.h"

// The golden scenarios of the best scores and the Options screen, by keyboard.

using namespace scenario;

namespace golden {

Scenario bestScoresKeyboard()
{
    Scenario scores;
    scores.name = "best-scores-keyboard";
    scores.proves = "the best scores by keyboard: the sign from the title menu (first Up, Enter), the "
                    "list's mark moved by Down and Up (wrapping), End and Home, Enter on a game asking to "
                    "watch it without leaving, Esc back; a weak player dying with more points than the "
                    "last listed game: the place on the death card, the name prompt, the list with the new "
                    "game marked and named; the list from the in-game menu holding the game, and Esc back "
                    "to play";
    scores.keepsScores = true;
    for (const BestScore& game : {BestScore{2500, 6, "2024-03-01", "mia", ""},
                                  BestScore{1200, 4, "2024-03-02", "olek", "20240302-101010.replay"},
                                  BestScore{900, 3, "2024-03-03", "zed", ""},
                                  BestScore{300, 1, "2024-03-04", "", ""}})
        scores.bestScores.enter(game);
    // A weak player on level 4, the first with zombies.
    scores.saves = {save("weak.sav", 4, 5, 700)};
    scores.script = [] {
        const auto list = [] {
            const BestScoresScreen* shown = showing<BestScoresScreen>();
            return shown != nullptr && !shown->leaving;
        };
        const auto marked = [](int game) {
            return [game] {
                const BestScoresScreen* shown = showing<BestScoresScreen>();
                return shown != nullptr && shown->selected == game;
            };
        };
        // The place the dying game will take, seen on the death card.
        auto place = std::make_shared<int>(0);
        return then(
            std::vector<Step>{
                waitFrames(3),
                press(vk::up),       check([] { return showing<TitleScreen>()->hovered == menuPlaces::BestScores; }),
                press(vk::enter),    waitUntil(list),      check(marked(0)),
                press(vk::down),     check(marked(1)),     press(vk::down),       press(vk::down),
                check(marked(3)),    press(vk::down),      check(marked(0)),      press(vk::up),
                check(marked(3)),    press(vk::home),      check(marked(0)),      press(vk::end),
                check(marked(3)),    press(vk::up),        press(vk::up),         check(marked(1)),
                press(vk::enter),    waitFrames(5),        check(list),
                press(vk::escape),   waitUntil(mainMenu),
            },
            then(loadTheSave(),
                 std::vector<Step>{
                     seekZombies([] { return playing() != nullptr && playing()->dying; }, 3000),
                     check([place] {
                         *place = scoreBook().placeFor(playing()->score);
                         return *place >= 2 && *place <= 4;
                     }),
                     waitUntil([] { return showing<ScoreEntryScreen>() != nullptr; }),
                     check([place] { return showing<ScoreEntryScreen>()->place == *place; }),
                     type("gold 7"),     press(vk::enter),     waitUntil(list),
                     check([place] {
                         return showing<BestScoresScreen>()->selected == *place - 1
                             && scoreBook().list().games()[static_cast<std::size_t>(*place - 1)].name
                             == "gold 7"
                             && scoreBook().list().games().size() == 5;
                     }),
                     press(vk::escape),  waitUntil(mainMenu),
                     press(vk::down),    press(vk::enter),
                     waitUntil([] { return playing() != nullptr && playing()->introShowing; }),
                     tap(vk::enter),     waitUntil(inPlay),    playFor(20),
                     tap(vk::escape),    waitUntil(inGameMenu),
                     press(vk::up),      press(vk::enter),     waitUntil(list),
                     check([] { return showing<BestScoresScreen>()->suspended != nullptr; }),
                     press(vk::escape),  waitUntil(inGameMenu),
                     press(vk::escape),  waitUntil(inPlay),    waitFrames(10),
                 }));
    };
    return scores;
}

Scenario optionsKeyboard()
{
    Scenario options;
    options.name = "options-keyboard";
    options.proves = "the Options screen by keyboard from both menus: volumes turned and held at their ends, "
                     "music, display, the 4:3 picture (the pointer then lands on the picture between the bars), "
                     "HUD and pause switched, a key bound, a key in use and M refused, Esc keeping a key, "
                     "Reset, Back and Esc back to the menu that holds the game";
    options.windowWidth = 1280;
    options.windowHeight = 600;
    // It starts with a key of the player's own: the run's settings are in
    // the recording, whatever the watcher's are.
    options.settings.keys.set(Action::Up, vk::letter('I'));
    options.script = [] {
        using Row = OptionsScreen;
        const auto settings = [] { return settingsHost().settings(); };
        const auto optionsShowing = [](bool inGame) {
            return [inGame] {
                const OptionsScreen* shown = showing<OptionsScreen>();
                return shown != nullptr && shown->inGame == inGame && !shown->leaving;
            };
        };
        const auto at = [](int row) {
            return [row] {
                const OptionsScreen* shown = showing<OptionsScreen>();
                return shown != nullptr && shown->selected == row;
            };
        };
        const auto waiting = [] { return showing<OptionsScreen>()->waitingForKey; };
        // The middle of a row's name on the screen.
        const auto rowPoint = [](int row) {
            for (float y = 80.0f; y > -80.0f; y -= 0.5f)
                if (OptionsScreen::rowAt(-60.0f, y) == row)
                    return Point{-60.0f, y - 1.5f};
            return Point{0.0f, 0.0f};
        };
        const Point hudRow = rowPoint(Row::Hud);
        return std::vector<Step>{
            waitFrames(3),
            press(vk::up),     check(marked(menuPlaces::BestScores)),
            press(vk::up),     check(marked(menuPlaces::Options)),
            press(vk::enter),  waitUntil(optionsShowing(false)),
            check(at(Row::EffectsVolume)),
            press(vk::left),   press(vk::left),
            check([settings] { return settings().effectsVolume == 80; }),
            press(vk::down),   press(vk::right),     press(vk::left),
            check([settings] { return settings().musicVolume == 90; }),
            press(vk::down),   press(vk::enter),     check([settings] { return !settings().music; }),
            press(vk::down),   press(vk::right),     check([settings] { return settings().fullScreen; }),
            press(vk::down),   press(vk::enter),     check([] { return keepAspect; }),
            // The picture is now 4:3 between bars: the pointer lands on the HUD's row there.
            hover(hudRow),     check(at(Row::Hud)),
            click(hudRow),     check([settings] { return !settings().hud && !hudShown; }),
            // Off the board, above its rows in either shape of the picture.
            hover({0.0f, 95.0f}),
            press(vk::down),   press(vk::space),     check([settings] { return !settings().pauseOnFocusLoss; }),
            press(vk::down),   press(vk::enter),     check(waiting),
            tap(vk::letter('W')),
            check([settings, waiting] { return !waiting() && settings().keys.key(Action::Up) == vk::letter('W'); }),
            press(vk::down),   press(vk::enter),     tap(vk::letter('W')),
            check([waiting] { return waiting() && !showing<OptionsScreen>()->keyLine.empty(); }),
            tap(vk::letter('M')), check(waiting),
            tap(vk::escape),
            check([settings, waiting] { return !waiting() && settings().keys.key(Action::Down) == vk::down; }),
            press(vk::down),   press(vk::down),      press(vk::down),      press(vk::down),
            press(vk::down),   check(at(Row::Reset)),
            press(vk::enter),
            check([settings] {
                Settings expected;
                expected.fullScreen = true;
                return settings() == expected && !keepAspect;
            }),
            press(vk::down),   check(at(Row::Back)),
            press(vk::enter),  check([] { return showing<FadeScreen>() != nullptr; }),
            waitUntil(mainMenu),
            press(vk::down),   press(vk::enter),
            waitUntil([] { return playing() != nullptr && playing()->introShowing; }),
            tap(vk::enter),    press(vk::right, 10),
            tap(vk::escape),   waitUntil(inGameMenu),
            press(vk::up),     press(vk::up),        press(vk::enter),     waitUntil(optionsShowing(true)),
            press(vk::down),   press(vk::left),
            check([settings] { return settings().musicVolume == 90; }),
            press(vk::escape), waitUntil(inGameMenu),
            press(vk::escape), waitUntil(inPlay),    waitFrames(10),
        };
    };
    return options;
}

} // namespace golden
