#include "screens/Screen.h"

Screen* currentScreen = nullptr;
std::vector<Screen*> retiredScreens;

void retireScreen(Screen* screen)
{
    if (screen != nullptr)
        retiredScreens.push_back(screen);
}

void freeRetiredScreens()
{
    // A destructor may retire further screens; take the list first.
    while (!retiredScreens.empty()) {
        std::vector<Screen*> doomed;
        doomed.swap(retiredScreens);
        for (Screen* screen : doomed)
            delete screen;
    }
}
