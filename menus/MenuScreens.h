#pragma once

#include "screens/ScreenFactory.h"

// The screens of menus/ that the layers below it ask for: the title menu in
// its two modes (TitleScreen), the ending (EndingScreen) and the best scores'
// name prompt (ScoreEntryScreen), each made, entered and set up as its class
// asks.
class MenuScreens : public ScreenFactory {
public:
    Screen* mainMenu() const override;
    Screen* inGameMenu(std::unique_ptr<PlayScreen>&& suspended) const override;
    Screen* endingScreen(int finalScore, int place) const override;
    Screen* scoreEntry(int place) const override;
};
