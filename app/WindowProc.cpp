#include "app/WindowProc.h"

#include <GL/gl.h>

#include "app/Globals.h"
#include "app/PictureArea.h"
#include "platform/Message.h"
#include "screens/Screen.h"

void windowProc(const Message& message)
{
    const int key = message.a & 0xFF;
    switch (message.kind) {
    case Message::Size: {
        windowWidth = message.a;
        windowHeight = message.b;
        const PictureArea area = pictureArea(windowWidth, windowHeight, keepAspect);
        glViewport(area.x, area.y, area.width, area.height);
        break;
    }
    case Message::KeyDown:
        // The screen sees the key before keyState changes, so inside keyDown
        // the key's entry still shows whether it was already held.
        if (currentScreen != nullptr)
            currentScreen->keyDown(key);
        keyState[key] = 1;
        break;
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
