#include "screens/ScreenFlow.h"

#include <utility>

#include "screens/FadeScreen.h"
#include "screens/Screen.h"
#include "screens/ScreenFactory.h"

bool running = true;

void fadeTo(Screen* from, Screen* to, float duration)
{
    auto* fade = new FadeScreen;
    fade->configure(from, to, duration);
    currentScreen = fade;
}

Screen* makeMainMenu()
{
    return screenFactory().mainMenu();
}

Screen* makeInGameMenu(std::unique_ptr<PlayScreen>&& suspended)
{
    return screenFactory().inGameMenu(std::move(suspended));
}

Screen* makeEndingScreen(int finalScore, int place)
{
    return screenFactory().endingScreen(finalScore, place);
}

Screen* makeScoreEntry(int place)
{
    return screenFactory().scoreEntry(place);
}
