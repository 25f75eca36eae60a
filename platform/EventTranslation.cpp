#include "platform/EventTranslation.h"

#include "platform/KeyTable.h"
#include "platform/VirtualKeys.h"

namespace {

Message translateKey(const SDL_KeyboardEvent& key)
{
    Message message;
    const int vk = virtualKeyOfKey(key.keysym.sym, key.keysym.scancode);
    // Enter with Alt is the full-screen chord (KeyMapping makes it F11), the
    // one key pressed with the left Alt that reaches the game.
    const bool fullScreenChord = vk == vk::enter && (key.keysym.mod & KMOD_ALT) != 0;
    if (vk == 0 || (!fullScreenChord && isSystemKey(vk, (key.keysym.mod & KMOD_LALT) != 0)))
        return message;
    message.kind = key.type == SDL_KEYDOWN ? Message::KeyDown : Message::KeyUp;
    message.a = vk;
    return message;
}

Message translateButton(const SDL_MouseButtonEvent& button)
{
    Message message;
    if (button.button != SDL_BUTTON_LEFT && button.button != SDL_BUTTON_RIGHT)
        return message;
    message.kind = button.type == SDL_MOUSEBUTTONDOWN ? Message::ButtonDown : Message::ButtonUp;
    message.left = button.button == SDL_BUTTON_LEFT;
    message.right = button.button == SDL_BUTTON_RIGHT;
    return message;
}

Message translateWheel(const SDL_MouseWheelEvent& wheel)
{
    Message message;
    const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (notches != 0) {
        message.kind = Message::Wheel;
        message.a = notches;
    }
    return message;
}

Message translateWindowEvent(const SDL_WindowEvent& window)
{
    Message message;
    switch (window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        message.kind = Message::Quit;
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        message.kind = Message::Size; // a minimised window has no client area: 0 x 0
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        message.kind = Message::Size;
        message.a = window.data1;
        message.b = window.data2;
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        message.kind = Message::FocusLost;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
        message.kind = Message::Size;
        message.a = -1;
        message.b = -1;
        break;
    default:
        break;
    }
    return message;
}

} // namespace

Message translateEvent(const SDL_Event& event)
{
    Message message;
    switch (event.type) {
    case SDL_QUIT:
        message.kind = Message::Quit;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        message = translateKey(event.key);
        break;
    case SDL_MOUSEMOTION:
        message.kind = Message::MouseMove;
        message.a = event.motion.x;
        message.b = event.motion.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        message = translateButton(event.button);
        break;
    case SDL_MOUSEWHEEL:
        message = translateWheel(event.wheel);
        break;
    case SDL_WINDOWEVENT:
        message = translateWindowEvent(event.window);
        break;
    default:
        break;
    }
    return message;
}
