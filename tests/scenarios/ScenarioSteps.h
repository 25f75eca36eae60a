#pragma once

#include <functional>
#include <string>
#include <vector>

#include "menus/MenuPlaces.h"
#include "screens/Screen.h"
#include "tools/replay/Director.h"

class PlayScreen;

// The pieces the golden scenarios are scripted from: what the game shows,
// the steps a player takes (one call a frame until done), and the saved
// games a scenario starts from.
namespace scenario {

using menuPlaces::Point;

// Where the scripts point, in the menus' 200 x 200 view.
constexpr Point newGame = menuPlaces::centreOf(menuPlaces::NewGame);
constexpr Point loadGame = menuPlaces::centreOf(menuPlaces::LoadGame);
constexpr Point gameStory = menuPlaces::centreOf(menuPlaces::GameStory);
constexpr Point quitGame = menuPlaces::centreOf(menuPlaces::QuitGame);
constexpr Point returnGame = menuPlaces::centreOf(menuPlaces::ReturnGame);
constexpr Point saveGame = menuPlaces::centreOf(menuPlaces::SaveGame);
constexpr Point listLoadGame = menuPlaces::loadListLoadGame;
constexpr Point listReturnGame = menuPlaces::loadListReturnGame;
// Inside the story screen's back corner.
constexpr Point storyBackCorner{-80, -85};

// Frames a scripted wait may last before the script counts as stuck.
constexpr int patience = 600;

// ---- what the game shows ----

// The current screen as a T, or null when it is another kind.
template <class T>
T* showing()
{
    return dynamic_cast<T*>(currentScreen);
}

PlayScreen* playing();
// A game in play: no intro text holding it and no level fading.
bool inPlay();
bool mainMenu();
bool inGameMenu();
// The menu on the screen marks `entry` (TitleScreen::hovered) and shows its marker.
std::function<bool()> marked(int entry);
bool knifeFlying(const PlayScreen& play);
// Back in the main menu: the game has ended.
std::function<bool()> gameOver();

// ---- steps ----

// Waits until `condition`; fails after `limit` frames.
Step waitUntil(std::function<bool()> condition, int limit = patience);
// Fails the script unless `condition` holds now: what a scenario checks
// on the way, so that a golden replay is recorded only from a run that
// behaved as it should.
Step check(std::function<bool()> condition);
Step waitFrames(int frames);
// The pointer goes to the point; a frame later (the menus pick the entry
// under the pointer once per frame) the left button goes down and up.
Step click(Point at);
// Moves the pointer, presses and releases the left button, all between the
// same two frames (a tablet, a touch screen, a fast hand): the click must
// act where it lands, not where the pointer was at the last frame.
Step clickAtOnce(Point at);
// Moves the pointer there and waits a frame.
Step hover(Point at);
// Presses and releases a key between the same two frames: a tap shorter
// than a frame, which the next frame must still see.
Step tap(int key);
// Holds `modifier`, presses `key` for a frame, lets go of both.
Step pressWith(int modifier, int key);
Step turnWheel(int notches);
Step loseFocus();
// Holds a key for `frames` frames.
Step press(int key, int frames = 3);
// Types a save name, one key per frame.
Step type(std::string text);
// Plays as the level play-tester's careful bot does, pressing Enter on
// every intro text, until `done`; fails when `lost` holds first or when it
// takes longer than `limit` frames.
Step playUntil(std::function<bool()> done, std::function<bool()> lost, int limit);
// Plays level `level` with the bot, but walks straight to a heart whenever
// one is out, until one has been taken; fails when the level ends first.
Step takeAHeart(int level, int limit);
// Plays on for `frames` frames (fails only if the game ends on the way).
Step playFor(int frames);
// Walks straight at the nearest zombie until `done`.
Step seekZombies(std::function<bool()> done, int limit);
// Stands still until `done`.
Step standUntil(std::function<bool()> done, int limit);

// ---- saved games the scenarios start from ----

// A saved game file named `name` holding that level, health and score.
ReplaySave save(const char* name, int level, int hp, int score);
// From the title menu into the only saved game of the list.
std::vector<Step> loadTheSave();
// `first` followed by `more`.
std::vector<Step> then(std::vector<Step> first, const std::vector<Step>& more);
// A scenario that loads its one saved game from the title menu, then goes on
// with `more`. With several start ticks, each gives the level other seeds.
Scenario fromSave(const char* name, const char* proves, const ReplaySave& saved,
                  std::function<std::vector<Step>()> more, int startTicks = 1);

} // namespace scenario
