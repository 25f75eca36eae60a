#include "app/WindowProc.h"

#include "app/FrameLoop.h"
#include "app/Globals.h"
#include "app/PictureArea.h"
#include "platform/Audio.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "render/Renderer.h"
#include "screens/Screen.h"

namespace {

// A click acts where it lands: when the pointer has moved since the screen
// last heard where it is (a move and a click between the same two frames),
// the screen is told the new place before the button, so it picks what is
// under the pointer now and not what was under it a frame ago.
void pointerToScreen()
{
    const float knownX = pointerX;
    const float knownY = pointerY;
    if (!measurePointer() || (pointerX == knownX && pointerY == knownY))
        return;
    if (currentScreen != nullptr)
        currentScreen->mouseMove(pointerX, pointerY);
}

// M turns the music off and on.
constexpr int musicKey = vk::letter('M');

} // namespace

void windowProc(const Message& message)
{
    const int key = message.a & 0xFF;
    switch (message.kind) {
    case Message::Size: {
        windowWidth = message.a;
        windowHeight = message.b;
        const PictureArea area = pictureArea(windowWidth, windowHeight, keepAspect);
        renderer().setSurface(windowWidth, windowHeight);
        renderer().setViewport(area.x, area.y, area.width, area.height);
        break;
    }
    case Message::KeyDown: {
        // The music key works on every screen but the save prompt, where M
        // is a letter of the name; a held key's repeats do not toggle again.
        // It changes nothing the game computes.
        const bool toggleMusic = key == musicKey && keyState[key] == 0 && currentScreen != nullptr
            && !currentScreen->typing();
        // The screen sees the key before keyState changes, so inside keyDown
        // the key's entry still shows whether it was already held; a key
        // already held goes to keyRepeat.
        if (currentScreen != nullptr) {
            if (keyState[key] != 0)
                currentScreen->keyRepeat(key);
            else
                currentScreen->keyDown(key);
        }
        keyLatch.keyDown(key);
        keyState[key] = 1;
        if (toggleMusic)
            audio().toggleMusic();
        break;
    }
    case Message::KeyUp:
        if (currentScreen != nullptr)
            currentScreen->keyUp(key);
        keyLatch.keyUp(key);
        keyState[key] = 0;
        break;
    case Message::MouseMove:
        mouseX = message.a;
        mouseY = message.b;
        break;
    case Message::ButtonDown:
        pointerToScreen();
        if (currentScreen != nullptr)
            currentScreen->mouseDown(message.left, message.right);
        break;
    case Message::ButtonUp:
        pointerToScreen();
        if (currentScreen != nullptr)
            currentScreen->mouseUp(message.left, message.right);
        break;
    case Message::Wheel:
        if (currentScreen != nullptr)
            currentScreen->mouseWheel(message.a);
        break;
    case Message::FocusLost:
        if (currentScreen != nullptr)
            currentScreen->focusLost();
        break;
    case Message::None:
    case Message::Quit:
        break;
    }
}
