#include "screens/ScreenFlow.h"

#include "screens/FadeScreen.h"
#include "screens/Screen.h"

bool running = true;

void fadeTo(Screen* from, Screen* to, float duration)
{
    auto* fade = new FadeScreen;
    fade->configure(from, to, duration);
    currentScreen = fade;
}
