#include "menus/MenuScreens.h"

#include <utility>

#include "menus/EndingScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "menus/TitleScreen.h"
#include "play/PlayScreen.h"
#include "screens/ScreenFlow.h"

Screen* MenuScreens::mainMenu() const
{
    auto* menu = new TitleScreen;
    menu->enter();
    menu->setup(menuMode::title);
    return menu;
}

Screen* MenuScreens::inGameMenu(std::unique_ptr<PlayScreen>&& suspended) const
{
    auto* menu = new TitleScreen;
    menu->enter();
    menu->setup(menuMode::inGame);
    menu->suspended = std::move(suspended);
    return menu;
}

Screen* MenuScreens::endingScreen(int finalScore, int place) const
{
    auto* ending = new EndingScreen;
    ending->finalScore = finalScore;
    ending->place = place;
    ending->enter();
    return ending;
}

Screen* MenuScreens::scoreEntry(int place) const
{
    auto* entry = new ScoreEntryScreen;
    entry->place = place;
    entry->enter();
    return entry;
}
