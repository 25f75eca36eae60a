#pragma once

#include <memory>

class PlayScreen;
class Screen;

// How one screen hands the game over to the next, and the screens of menus/
// that the screens below it hand over to. The screens are made in menus/ and
// reach these functions through the installed ScreenFactory
// (screens/ScreenFactory.h); play/ asks for them here, so it never includes
// or calls menus/.

// How long each fade between two screens lasts, in fade units (16 per second
// of game time; FadeScreen).
namespace fadeDuration {
constexpr float menu = 15.0f;         // into, out of and between the menus; play into the in-game menu
constexpr float loadedGame = 10.0f;   // the load list into the game it loads
constexpr float ending = 25.0f;       // the last level into the ending screen
constexpr float endingToMenu = 10.0f; // the ending screen back to the main menu
} // namespace fadeDuration

// The modes of the title menu, the number its setup takes.
namespace menuMode {
constexpr int title = 1;  // the main menu: New Game, Load Game, Game Story, Quit Game
constexpr int inGame = 2; // the same plus Return Game and Save Game, holding a suspended game
} // namespace menuMode

// Hands the game from `from`, the current screen, to `to` through a fade of
// `duration` fade units: the fade becomes currentScreen at once, draws `from`
// darkening and then `to` brightening, and when it ends installs `to` and
// destroys `from` and itself. From this call on the fade owns `from`, and
// `to` until it installs it: the caller must not hand `from` over a second
// time (each screen keeps a leaving flag for that).
void fadeTo(Screen* from, Screen* to, float duration);

// The main menu, entered and set up; the caller owns it. This and the three
// below come from the installed ScreenFactory (std::logic_error without one).
Screen* makeMainMenu();

// The in-game menu holding the suspended game that Return Game resumes and
// Save Game writes; entered and set up; the caller owns it. It takes the
// suspended game over.
Screen* makeInGameMenu(std::unique_ptr<PlayScreen>&& suspended);

// The ending screen showing finalScore, entered; the caller owns it. A
// game that entered the best scores at `place` (1 ... 10; 0 for none) says
// so, and its name is asked for before the main menu.
Screen* makeEndingScreen(int finalScore, int place = 0);

// The prompt for the name of the game that has just entered the best
// scores at `place`, entered; the caller owns it.
Screen* makeScoreEntry(int place);

// The frame loop runs while this is true; the title menu's Quit Game clears it.
extern bool running;
