#include <SDL_events.h>
#include <gtest/gtest.h>

#include "platform/EventTranslation.h"
#include "platform/VirtualKeys.h"

namespace {

SDL_Event key(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0)
{
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    return event;
}

SDL_Event button(Uint32 type, Uint8 which)
{
    SDL_Event event = {};
    event.type = type;
    event.button.type = type;
    event.button.button = which;
    return event;
}

SDL_Event window(Uint8 what, int data1 = 0, int data2 = 0)
{
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    event.window.data1 = data1;
    event.window.data2 = data2;
    return event;
}

} // namespace

TEST(EventTranslationTest, EventsBecomeTheGamesMessages)
{
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 17;
    motion.motion.y = 479;
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_Event wheel = {};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 2;
    SDL_Event flipped = wheel;
    flipped.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    SDL_Event sideways = {};
    sideways.type = SDL_MOUSEWHEEL;
    sideways.wheel.x = 1;

    struct Case {
        const char* what;
        SDL_Event event;
        Message::Kind kind;
        int a, b;
        bool left, right;
    };
    const Case cases[] = {
        {"key down", key(SDL_KEYDOWN, SDLK_LEFT), Message::KeyDown, vk::left, 0, false, false},
        {"auto-repeat is another key down", key(SDL_KEYDOWN, SDLK_LEFT, KMOD_NONE, 1), Message::KeyDown, vk::left, 0, false, false},
        {"key up", key(SDL_KEYUP, SDLK_RETURN), Message::KeyUp, vk::enter, 0, false, false},
        {"shift and caps lock do not change a letter", key(SDL_KEYDOWN, SDLK_q, KMOD_LSHIFT | KMOD_CAPS), Message::KeyDown, vk::letter('Q'), 0, false, false},
        {"Alt+A is a system key", key(SDL_KEYDOWN, SDLK_a, KMOD_LALT), Message::None, 0, 0, false, false},
        {"Alt alone is a system key", key(SDL_KEYDOWN, SDLK_LALT), Message::None, 0, 0, false, false},
        {"Alt+Enter, the full-screen chord, reaches the game", key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT), Message::KeyDown, vk::enter, 0, false, false},
        {"F10 is a system key", key(SDL_KEYUP, SDLK_F10), Message::None, 0, 0, false, false},
        {"a key without a code", key(SDL_KEYDOWN, SDLK_AUDIOPLAY), Message::None, 0, 0, false, false},
        {"pointer motion", motion, Message::MouseMove, 17, 479, false, false},
        {"left button down", button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), Message::ButtonDown, 0, 0, true, false},
        {"right button up", button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), Message::ButtonUp, 0, 0, false, true},
        {"middle button", button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), Message::None, 0, 0, false, false},
        {"wheel: notches, positive away from the player", wheel, Message::Wheel, 2, 0, false, false},
        {"a flipped wheel's notches the other way", flipped, Message::Wheel, -2, 0, false, false},
        {"a sideways turn", sideways, Message::None, 0, 0, false, false},
        {"focus lost", window(SDL_WINDOWEVENT_FOCUS_LOST), Message::FocusLost, 0, 0, false, false},
        {"focus gained", window(SDL_WINDOWEVENT_FOCUS_GAINED), Message::None, 0, 0, false, false},
        {"quit", quit, Message::Quit, 0, 0, false, false},
        {"window close", window(SDL_WINDOWEVENT_CLOSE), Message::Quit, 0, 0, false, false},
        {"resized", window(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600), Message::Size, 800, 600, false, false},
        {"minimised: 0 x 0", window(SDL_WINDOWEVENT_MINIMIZED, 5, 5), Message::Size, 0, 0, false, false},
        {"restored: the window fills in its size", window(SDL_WINDOWEVENT_RESTORED), Message::Size, -1, -1, false, false},
        {"moved", window(SDL_WINDOWEVENT_MOVED, 10, 10), Message::None, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Message m = translateEvent(c.event);
        EXPECT_EQ(m.kind, c.kind);
        EXPECT_EQ(m.a, c.a);
        EXPECT_EQ(m.b, c.b);
        EXPECT_EQ(m.left, c.left);
        EXPECT_EQ(m.right, c.right);
    }
}
