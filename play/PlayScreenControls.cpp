// PlayScreen's controls: the arrow keys, Enter and the ways into the in-game
// menu (Esc, Home, the window losing the focus).
#include "play/PlayScreen.h"

#include "platform/FrameStep.h"
#include "platform/VirtualKeys.h"
#include "play/PlayConstants.h"
#include "screens/ScreenFlow.h"

void PlayScreen::keysHeld(const unsigned char* keys)
{
    if (levelFading || dying || leaving || keys == nullptr)
        return;
    const float step = play::playerSpeed * frameStep;
    if (keys[vk::up])
        player.y += step;
    if (keys[vk::down])
        player.y -= step;
    if (keys[vk::right])
        player.x += step;
    if (keys[vk::left])
        player.x -= step;
    if (keys[vk::enter])
        introShowing = false;
    if (keys[vk::escape] || keys[vk::home])
        openInGameMenu();
}

void PlayScreen::focusLost()
{
    if (levelFading || dying || leaving)
        return;
    openInGameMenu();
}

void PlayScreen::openInGameMenu()
{
    // The fade draws this screen, frozen, while it darkens, and destroys it
    // when it ends.
    fadeTo(this, makeInGameMenu(snapshot()), fadeDuration::menu);
}
