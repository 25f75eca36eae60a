#include "tools/replay/Scenarios.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "app/Globals.h"
#include "entities/Knife.h"
#include "entities/Zombie.h"
#include "menus/BestScoresScreen.h"
#include "menus/EndingScreen.h"
#include "menus/LoadScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "menus/SettingsHost.h"
#include "play/SaveRecord.h"
#include "play/ScoreBook.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"
#include "play/PlayScreen.h"
#include "screens/FadeScreen.h"
#include "platform/VirtualKeys.h"
#include "tools/levelcheck/PlayBot.h"

namespace {

// ---- where things are on screen (the menus' 200 x 200 view) ----

struct Point {
    float x, y;
};
constexpr Point newGame{5, -15};
constexpr Point loadGame{5, -35};
constexpr Point gameStory{12, -55};
constexpr Point quitGame{5, -75};
constexpr Point returnGame{-50, -25};
constexpr Point saveGame{55, -25};
constexpr Point listLoadGame{50, -50};
constexpr Point listReturnGame{-50, -50};
constexpr Point storyBackCorner{-80, -85};

// Frames a scripted wait may last before the script counts as stuck.
constexpr int patience = 600;

// ---- what the game shows ----

template <class T>
T* showing()
{
    return dynamic_cast<T*>(currentScreen);
}

PlayScreen* playing()
{
    return showing<PlayScreen>();
}

bool inPlay()
{
    const PlayScreen* play = playing();
    return play != nullptr && !play->introShowing && !play->levelFading;
}

bool mainMenu()
{
    const TitleScreen* menu = showing<TitleScreen>();
    return menu != nullptr && !menu->inGame;
}

bool inGameMenu()
{
    const TitleScreen* menu = showing<TitleScreen>();
    return menu != nullptr && menu->inGame;
}

// The entry the menu on the screen marks (TitleScreen::hovered), -1 without a menu.
std::function<bool()> marked(int entry)
{
    return [entry] {
        const TitleScreen* menu = showing<TitleScreen>();
        return menu != nullptr && menu->hovered == entry && menu->marker.visible;
    };
}

bool knifeFlying(const PlayScreen& play)
{
    for (const auto& knife : play.projectiles)
        if (knife->sprite.visible)
            return true;
    return false;
}

// ---- steps ----

Step waitUntil(std::function<bool()> condition, int limit = patience)
{
    return [condition, limit](Script& script) {
        if (condition())
            return StepResult::Done;
        return script.stepFrame >= limit ? StepResult::Failed : StepResult::Running;
    };
}

// Fails the script unless `condition` holds now: what a scenario checks
// on the way, so that a golden replay is recorded only from a run that
// behaved as it should.
Step check(std::function<bool()> condition)
{
    return [condition](Script&) { return condition() ? StepResult::Done : StepResult::Failed; };
}

Step waitFrames(int frames)
{
    return [frames](Script& script) {
        return script.stepFrame + 1 >= frames ? StepResult::Done : StepResult::Running;
    };
}

// The pointer goes to the point; a frame later (the menus pick the entry
// under the pointer once per frame) the left button goes down and up.
Step click(Point at)
{
    return [at](Script& script) {
        if (script.stepFrame == 0) {
            script.move(at.x, at.y);
            return StepResult::Running;
        }
        script.buttonDown();
        script.buttonUp();
        return StepResult::Done;
    };
}

// Moves the pointer, presses and releases the left button, all between the
// same two frames (a tablet, a touch screen, a fast hand): the click must
// act where it lands, not where the pointer was at the last frame.
Step clickAtOnce(Point at)
{
    return [at](Script& script) {
        script.move(at.x, at.y);
        script.buttonDown();
        script.buttonUp();
        return StepResult::Done;
    };
}

// Moves the pointer there and waits a frame.
Step hover(Point at)
{
    return [at](Script& script) {
        if (script.stepFrame == 0) {
            script.move(at.x, at.y);
            return StepResult::Running;
        }
        return StepResult::Done;
    };
}

// Presses and releases a key between the same two frames: a tap shorter
// than a frame, which the next frame must still see.
Step tap(int key)
{
    return [key](Script& script) {
        script.keyDown(key);
        script.keyUp(key);
        return StepResult::Done;
    };
}

// Holds `modifier`, presses `key` for a frame, lets go of both.
Step pressWith(int modifier, int key)
{
    return [modifier, key](Script& script) {
        if (script.stepFrame == 0)
            script.keyDown(modifier);
        else if (script.stepFrame == 1)
            script.keyDown(key);
        else {
            script.keyUp(key);
            script.keyUp(modifier);
            return StepResult::Done;
        }
        return StepResult::Running;
    };
}

Step turnWheel(int notches)
{
    return [notches](Script& script) {
        script.wheel(notches);
        return StepResult::Done;
    };
}

Step loseFocus()
{
    return [](Script& script) {
        script.loseFocus();
        return StepResult::Done;
    };
}

// Holds a key for `frames` frames.
Step press(int key, int frames = 3)
{
    return [key, frames](Script& script) {
        if (script.stepFrame == 0) {
            script.keyDown(key);
            return StepResult::Running;
        }
        if (script.stepFrame < frames)
            return StepResult::Running;
        script.keyUp(key);
        return StepResult::Done;
    };
}

// Types a save name, one key per frame.
Step type(std::string text)
{
    return [text](Script& script) {
        const std::size_t index = static_cast<std::size_t>(script.stepFrame / 2);
        if (index >= text.size())
            return StepResult::Done;
        const char c = text[index];
        const int key = c >= 'a' && c <= 'z' ? c - 'a' + vk::letterA : c;
        if (script.stepFrame % 2 == 0)
            script.keyDown(key);
        else
            script.keyUp(key);
        return StepResult::Running;
    };
}

// Presses and releases the arrows so that exactly those in `wanted` are held.
void holdArrows(Script& script, const unsigned char* wanted)
{
    for (const int key : {vk::left, vk::up, vk::right, vk::down}) {
        if (wanted[key] && !script.holding(key))
            script.keyDown(key);
        if (!wanted[key] && script.holding(key))
            script.keyUp(key);
    }
}

// The arrows that walk the player towards (x, y).
void arrowsTowards(const PlayScreen& play, float x, float y, unsigned char* keys)
{
    const float dx = x - play.player.x;
    const float dy = y - play.player.y;
    keys[vk::right] = dx > 2.0f;
    keys[vk::left] = dx < -2.0f;
    keys[vk::up] = dy > 2.0f;
    keys[vk::down] = dy < -2.0f;
}

// Presses Enter (down on one frame, up on the next) while an intro text
// holds play, with every arrow released. False when no intro is showing.
bool passIntro(Script& script)
{
    const PlayScreen* play = playing();
    if (play == nullptr || !play->introShowing) {
        if (script.holding(vk::enter))
            script.keyUp(vk::enter);
        return false;
    }
    const unsigned char none[256] = {};
    holdArrows(script, none);
    if (script.holding(vk::enter))
        script.keyUp(vk::enter);
    else
        script.keyDown(vk::enter);
    return true;
}

// Plays as the level play-tester's careful bot does, pressing Enter on
// every intro text, until `done`; fails when `lost` holds first or when it
// takes longer than `limit` frames.
Step playUntil(std::function<bool()> done, std::function<bool()> lost, int limit)
{
    auto bot = std::make_shared<PlayBot>();
    return [bot, done, lost, limit](Script& script) {
        if (done()) {
            script.releaseKeys();
            return StepResult::Done;
        }
        if (lost() || script.stepFrame >= limit)
            return StepResult::Failed;
        unsigned char keys[256] = {};
        const PlayScreen* play = playing();
        if (passIntro(script))
            return StepResult::Running;
        if (play != nullptr)
            bot->chooseKeys(*play, keys);
        holdArrows(script, keys);
        return StepResult::Running;
    };
}

// Plays level `level` with the bot, but walks straight to a heart whenever
// one is out, until one has been taken; fails when the level ends first.
Step takeAHeart(int level, int limit)
{
    auto bot = std::make_shared<PlayBot>();
    return [bot, level, limit](Script& script) {
        const PlayScreen* play = playing();
        if (play == nullptr)
            return mainMenu() || script.stepFrame >= limit ? StepResult::Failed : StepResult::Running;
        if (play->level != level)
            return StepResult::Failed;
        for (const HealthPickup& pickup : play->healthPickups) {
            if (!pickup.available) {
                script.releaseKeys();
                return StepResult::Done;
            }
        }
        if (script.stepFrame >= limit)
            return StepResult::Failed;
        if (passIntro(script))
            return StepResult::Running;
        unsigned char keys[256] = {};
        bot->chooseKeys(*play, keys);
        for (const HealthPickup& pickup : play->healthPickups) {
            if (pickup.sprite.visible) {
                std::fill(std::begin(keys), std::end(keys), static_cast<unsigned char>(0));
                arrowsTowards(*play, pickup.sprite.x, pickup.sprite.y, keys);
                break;
            }
        }
        holdArrows(script, keys);
        return StepResult::Running;
    };
}

// Plays on for `frames` frames (fails only if the game ends on the way).
Step playFor(int frames)
{
    auto played = std::make_shared<int>(0);
    return playUntil([played, frames] { return ++*played > frames; }, [] { return false; }, frames + 1);
}


// Walks straight at the nearest zombie until `done`.
Step seekZombies(std::function<bool()> done, int limit)
{
    return [done, limit](Script& script) {
        if (done()) {
            script.releaseKeys();
            return StepResult::Done;
        }
        if (script.stepFrame >= limit)
            return StepResult::Failed;
        unsigned char keys[256] = {};
        if (const PlayScreen* play = playing()) {
            const Sprite* nearest = nullptr;
            float best = 1e9f;
            for (const auto& entity : play->entities) {
                const float d = std::hypot(entity->sprite.x - play->player.x,
                                           entity->sprite.y - play->player.y);
                if (entity->kind() == EntityKind::Zombie && d < best) {
                    best = d;
                    nearest = &entity->sprite;
                }
            }
            if (nearest != nullptr)
                arrowsTowards(*play, nearest->x, nearest->y, keys);
        }
        holdArrows(script, keys);
        return StepResult::Running;
    };
}

// Stands still until `done`.
Step standUntil(std::function<bool()> done, int limit)
{
    return [done, limit](Script& script) {
        script.releaseKeys();
        if (done())
            return StepResult::Done;
        return script.stepFrame >= limit ? StepResult::Failed : StepResult::Running;
    };
}

// ---- saved games the scenarios start from ----

ReplaySave save(const char* name, int level, int hp, int score)
{
    SaveRecord record;
    record.level = level;
    record.hp = hp;
    record.score = score;
    return {name, encodeSaveRecord(record)};
}

// From the title menu into the only saved game of the list.
std::vector<Step> loadTheSave()
{
    return {
        click(loadGame),
        waitUntil([] { return showing<LoadScreen>() != nullptr; }),
        click(listLoadGame),
        waitUntil(inPlay),
    };
}

std::vector<Step> then(std::vector<Step> first, const std::vector<Step>& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// A scenario that loads its one saved game from the title menu, then goes on
// with `more`. With several start ticks, each gives the level other seeds.
Scenario fromSave(const char* name, const char* proves, const ReplaySave& saved,
                  std::function<std::vector<Step>()> more, int startTicks = 1)
{
    Scenario scenario;
    scenario.name = name;
    scenario.proves = proves;
    scenario.saves = {saved};
    scenario.startTicks.clear();
    for (int i = 1; i <= startTicks; ++i)
        scenario.startTicks.push_back(1000u * static_cast<std::uint32_t>(i));
    scenario.script = [more] { return then(loadTheSave(), more()); };
    return scenario;
}

std::function<bool()> gameOver()
{
    return [] { return mainMenu(); };
}

} // namespace

std::vector<Scenario> goldenScenarios()
{
    std::vector<Scenario> all;

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
    all.push_back(menu);

    Scenario level1;
    level1.name = "level1-cleared";
    level1.proves = "a new game's first level played to its end and the fade into level 2";
    level1.script = [] {
        return std::vector<Step>{
            click(newGame),
            waitUntil([] { return playing() != nullptr; }),
            playUntil([] { return playing() != nullptr && playing()->level == 2 && !playing()->levelFading; },
                      gameOver(), 20000),
        };
    };
    all.push_back(level1);

    all.push_back(fromSave(
        "death-by-zombies",
        "a weak player walks into level 4's zombies, dies, the death sequence ends in the main menu "
        "and a new game starts from it",
        save("weak.sav", 4, 5, 700), [] {
            return std::vector<Step>{
                seekZombies([] { return playing() != nullptr && playing()->dying; }, 3000),
                waitUntil(mainMenu),
                click(newGame),
                waitUntil([] { return playing() != nullptr; }),
                waitFrames(10),
            };
        }));

    all.push_back(fromSave(
        "knife-hit", "a pirate's knife flies at a player standing still and takes 3 health points",
        save("pirate.sav", 5, 30, 0), [] {
            return std::vector<Step>{
                standUntil([] { return playing() != nullptr && playing()->hp < 30; }, 3000),
                waitFrames(30),
            };
        }));

    all.push_back(fromSave(
        "robot-fire", "a robot's flame sets a zombie burning while the bot plays level 7",
        save("robot.sav", 7, 30, 500), [] {
            const auto burning = [] {
                const PlayScreen* play = playing();
                if (play == nullptr)
                    return false;
                for (const auto& entity : play->entities)
                    if (entity->kind() == EntityKind::Zombie && static_cast<const Zombie&>(*entity).burning)
                        return true;
                return false;
            };
            return std::vector<Step>{
                playUntil(burning, [] { return playing() == nullptr || playing()->level != 7; }, 6000),
                playFor(60),
            };
        }, 8));

    all.push_back(fromSave(
        "health-pickup", "a hurt player takes a heart on level 6 and gets health back",
        save("hurt.sav", 6, 12, 300), [] { return std::vector<Step>{takeAHeart(6, 6000), playFor(30)}; },
        30));

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
    all.push_back(saveLoad);

    all.push_back(fromSave(
        "return-mid-knife",
        "Esc while a knife is in flight and Return Game: the knife flies on in the resumed game",
        save("pirate.sav", 5, 30, 0), [] {
            return std::vector<Step>{
                standUntil([] { return playing() != nullptr && knifeFlying(*playing()); }, 3000),
                waitFrames(5),
                press(vk::escape),
                waitUntil(inGameMenu),
                click(returnGame),
                waitUntil(inPlay),
                standUntil([] { return playing() != nullptr && !knifeFlying(*playing()); }, 3000),
                waitFrames(10),
            };
        }));

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
    all.push_back(screens);

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
    all.push_back(handMade);

    Scenario keyboard;
    keyboard.name = "keyboard-save-load";
    keyboard.proves = "the keyboard alone: the menus' marker (first Up on the Best Scores sign, wrap, Tab, "
                      "Shift+Tab, Up through the Options sign), New Game by "
                      "Enter, taps shorter than a frame passing the intro and opening the menu, Save Game by "
                      "Enter and a typed name, the story by Space and back by Esc, Load Game by Space, End "
                      "and Enter in the list, and Esc in the in-game menu resuming the game";
    keyboard.script = [] {
        // Entries by TitleScreen::hovered's numbers.
        constexpr int newGameEntry = 1, loadGameEntry = 2, gameStoryEntry = 3, quitGameEntry = 4,
                      returnGameEntry = 5, saveGameEntry = 6, optionsEntry = 7, bestScoresEntry = 8;
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
            press(vk::up),        check(marked(bestScoresEntry)),
            press(vk::down),      check(marked(newGameEntry)),
            press(vk::enter),
            waitUntil([] { return playing() != nullptr && playing()->introShowing; }),
            tap(vk::enter),       check([] { return playing() != nullptr && !playing()->introShowing; }),
            press(vk::right, 20), press(vk::up, 10),
            tap(vk::escape),      waitUntil(inGameMenu),
            press(vk::tab),       check(marked(returnGameEntry)),
            press(vk::tab),       press(vk::tab),       check(marked(saveGameEntry)),
            press(vk::enter),     check(prompting),
            type("keys 2"),       press(vk::enter),     check([prompting] { return !prompting(); }),
            pressWith(vk::shift, vk::tab), pressWith(vk::shift, vk::tab), check(marked(returnGameEntry)),
            pressWith(vk::shift, vk::tab), check(marked(bestScoresEntry)),
            press(vk::up),        check(marked(optionsEntry)),
            press(vk::up),        check(marked(quitGameEntry)),
            press(vk::up),        check(marked(gameStoryEntry)),
            press(vk::space),     waitUntil([] { return showing<StoryScreen>() != nullptr; }),
            press(vk::escape),    waitUntil(inGameMenu),
            press(vk::down),      press(vk::down),      press(vk::down),     press(vk::down),
            check(marked(loadGameEntry)),
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
    all.push_back(keyboard);

    all.push_back(fromSave(
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
        }));
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
    all.push_back(aspect);

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
        constexpr int bestScoresEntry = 8;
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
                press(vk::up),       check([] { return showing<TitleScreen>()->hovered == bestScoresEntry; }),
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
    all.push_back(scores);

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
        constexpr int optionsEntry = 7, bestScoresEntry = 8;
        return std::vector<Step>{
            waitFrames(3),
            press(vk::up),     check(marked(bestScoresEntry)),
            press(vk::up),     check(marked(optionsEntry)),
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
    all.push_back(options);

    Scenario whole;
    whole.name = "whole-game";
    whole.proves = "all fifteen levels played by the careful bot, the ending screen with the final "
                   "score, and a key back to the main menu";
    whole.frameSteps = {33, 33, 34};
    whole.hashEvery = 8;
    whole.maxFrames = 200000;
    whole.startTicks.clear();
    for (std::uint32_t tick = 1000; tick < 60000; tick += 1000)
        whole.startTicks.push_back(tick);
    whole.script = [] {
        return std::vector<Step>{
            click(newGame),
            playUntil([] { return showing<EndingScreen>() != nullptr; }, gameOver(), 150000),
            waitFrames(30),
            press(vk::space),
            waitUntil(mainMenu),
        };
    };
    all.push_back(whole);

    return all;
}
