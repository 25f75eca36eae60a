#include "app/WindowProc.h"

#include <GL/gl.h>

#include "app/Globals.h"
#include "platform/Audio.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "screens/Screen.h"

namespace {

// M turns the music off and on.
constexpr int musicKey = vk::letter('M');

} // namespace

void windowProc(const Message& message)
{
    const int key = message.a & 0xFF;
    switch (message.kind) {
    case Message::Size:
        windowWidth = message.a;
        windowHeight = message.b;
        glViewport(0, 0, windowWidth, windowHeight);
        break;
    case Message::KeyDown: {
        // The music key works on every screen but the save prompt, where M
        // is a letter of the name; a held key's repeats do not toggle again.
        // It changes nothing the game computes.
        const bool toggleMusic = key == musicKey && keyState[key] == 0 && currentScreen != nullptr
            && !currentScreen->typing();
        // The screen sees the key before keyState changes, so inside keyDown
        // the key's entry still shows whether it was already held.
        if (currentScreen != nullptr)
            currentScreen->keyDown(key);
        keyState[key] = 1;
        if (toggleMusic)
            audio().toggleMusic();
        break;
    }
    case Message::KeyUp:
        if (currentScreen != nullptr)
            currentScreen->keyUp(key);
        keyState[key] = 0;
        break;
    case Message::MouseMove:
        mouseX = message.a;
        mouseY = message.b;
        break;
    case Message::ButtonDown:
        if (currentScreen != nullptr)
            currentScreen->mouseDown(message.left, message.right);
        break;
    case Message::ButtonUp:
        if (currentScreen != nullptr)
            currentScreen->mouseUp(message.left, message.right);
        break;
    case Message::None:
    case Message::Quit:
        break;
    }
}
