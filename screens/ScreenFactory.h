#pragma once

#include <memory>

class PlayScreen;
class Screen;

// Makes the screens of the layers above screens/ that the screens below them
// hand the game over to: the menus, the ending and the name prompt of the
// best scores. The program installs one at start-up (the game's is made of
// the menus, app/ScreenFactories.h); makeMainMenu and the others in
// screens/ScreenFlow.h ask it. Every screen it makes is entered and set up,
// and the caller owns it.
class ScreenFactory {
public:
    virtual ~ScreenFactory() = default;

    // The main menu.
    virtual Screen* mainMenu() const = 0;

    // The in-game menu holding `suspended`, the game that Return Game
    // resumes and Save Game writes; it takes the game over.
    virtual Screen* inGameMenu(std::unique_ptr<PlayScreen>&& suspended) const = 0;

    // The ending screen showing finalScore; a game that entered the best
    // scores at `place` (1 ... 10; 0 for none) says so.
    virtual Screen* endingScreen(int finalScore, int place) const = 0;

    // The prompt for the name of the game that has just entered the best
    // scores at `place`.
    virtual Screen* scoreEntry(int place) const = 0;
};

// Installs `factory` (not owned; it must outlive its use); null removes it.
void installScreenFactory(const ScreenFactory* factory);

// The factory installed. Throws std::logic_error when none is: a program
// that changes screens must install one before its first screen.
const ScreenFactory& screenFactory();
