// What the browser tests read of the running game on the test page
// (build-web/test-page/): the state replays compare (describeGameState) and,
// while a game is played, where the cook stands; in the load list, the
// saved games it lists. thrask_page_redraw makes the next frame draw the
// picture again, even a menu at rest that would not draw it (the page can
// read back only a frame drawn). The page calls it through
// Module.ccall('thrask_page_state', 'string').
#include <cstdio>
#include <string>

#include "app/GameState.h"
#include "menus/LoadScreen.h"
#include "play/PlayScreen.h"
#include "render/Renderer.h"
#include "screens/Screen.h"

extern "C" const char* thrask_page_state()
{
    static std::string text;
    text = describeGameState();
    if (const auto* game = dynamic_cast<const PlayScreen*>(currentScreen)) {
        char cook[64];
        std::snprintf(cook, sizeof cook, "cook %.3f %.3f\n", game->player.x, game->player.y);
        text += cook;
    }
    if (const auto* list = dynamic_cast<const LoadScreen*>(currentScreen)) {
        for (const SaveEntry& entry : list->entries)
            text += "listed " + entry.fileName + "\n";
    }
    return text.c_str();
}

extern "C" void thrask_page_redraw()
{
    renderer().forgetShownFrame();
}
