#include "app/WindowProc.h"

#include "app/FrameLoop.h"
#include "app/Globals.h"
#include "app/PictureArea.h"
#include "menus/SettingsHost.h"
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

// M turns the music off and on; F11 switches between a window and full
// screen (Alt+Enter arrives as F11 too).
constexpr int musicKey = vk::letter('M');
constexpr int fullScreenKey = vk::f11;

// The full-screen key, which no screen hears: its first press switches the
// setting, its repeats and release only keep keyState.
void fullScreenKeyMessage(const Message& message)
{
    if (message.kind == Message::KeyDown && keyState[fullScreenKey] == 0) {
        Settings next = settingsHost().settings();
        next.fullScreen = !next.fullScreen;
        settingsHost().change(next);
    }
    keyState[fullScreenKey] = message.kind == Message::KeyDown ? 1 : 0;
}

} // namespace

KeyMapping::Mode keyModeFor(const Screen* screen)
{
    if (screen == nullptr)
        return KeyMapping::Mode::Mapped;
    if (screen->takesAnyKey())
        return KeyMapping::Mode::AsPrinted;
    return screen->typing() ? KeyMapping::Mode::Text : KeyMapping::Mode::Mapped;
}

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
        if (key == fullScreenKey) {
            fullScreenKeyMessage(message);
            break;
        }
        // The music key works on every screen but the save prompt (and the
        // Options screen waiting for a key), where M is a letter; a held
        // key's repeats do not switch again.
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
        if (toggleMusic) {
            Settings next = settingsHost().settings();
            next.music = !next.music;
            settingsHost().change(next);
        }
        break;
    }
    case Message::KeyUp:
        if (key == fullScreenKey) {
            fullScreenKeyMessage(message);
            break;
        }
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
