#include "platform/KeyTable.h"

#include <SDL_keycode.h>

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

// Everything except letters and digits, which are ranges (below).
constexpr KeyPair keyTable[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09}, {SDLK_CLEAR, 0x0C}, {SDLK_RETURN, 0x0D},
    {SDLK_KP_ENTER, 0x0D}, {SDLK_RETURN2, 0x0D},
    {SDLK_LSHIFT, 0x10}, {SDLK_RSHIFT, 0x10}, {SDLK_LCTRL, 0x11}, {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12}, {SDLK_RALT, 0x12}, {SDLK_PAUSE, 0x13}, {SDLK_CAPSLOCK, 0x14},
    {SDLK_ESCAPE, 0x1B}, {SDLK_SPACE, 0x20}, {SDLK_PAGEUP, 0x21}, {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23}, {SDLK_HOME, 0x24}, {SDLK_LEFT, 0x25}, {SDLK_UP, 0x26},
    {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28}, {SDLK_SELECT, 0x29}, {SDLK_PRINTSCREEN, 0x2C},
    {SDLK_INSERT, 0x2D}, {SDLK_DELETE, 0x2E}, {SDLK_HELP, 0x2F},
    {SDLK_LGUI, 0x5B}, {SDLK_RGUI, 0x5C}, {SDLK_APPLICATION, 0x5D}, {SDLK_SLEEP, 0x5F},
    {SDLK_KP_0, 0x60}, {SDLK_KP_1, 0x61}, {SDLK_KP_2, 0x62}, {SDLK_KP_3, 0x63},
    {SDLK_KP_4, 0x64}, {SDLK_KP_5, 0x65}, {SDLK_KP_6, 0x66}, {SDLK_KP_7, 0x67},
    {SDLK_KP_8, 0x68}, {SDLK_KP_9, 0x69}, {SDLK_KP_MULTIPLY, 0x6A}, {SDLK_KP_PLUS, 0x6B},
    {SDLK_KP_MINUS, 0x6D}, {SDLK_KP_PERIOD, 0x6E}, {SDLK_KP_DECIMAL, 0x6E},
    {SDLK_KP_DIVIDE, 0x6F},
    {SDLK_F1, 0x70}, {SDLK_F2, 0x71}, {SDLK_F3, 0x72}, {SDLK_F4, 0x73}, {SDLK_F5, 0x74},
    {SDLK_F6, 0x75}, {SDLK_F7, 0x76}, {SDLK_F8, 0x77}, {SDLK_F9, 0x78}, {SDLK_F10, 0x79},
    {SDLK_F11, 0x7A}, {SDLK_F12, 0x7B}, {SDLK_F13, 0x7C}, {SDLK_F14, 0x7D}, {SDLK_F15, 0x7E},
    {SDLK_F16, 0x7F}, {SDLK_F17, 0x80}, {SDLK_F18, 0x81}, {SDLK_F19, 0x82}, {SDLK_F20, 0x83},
    {SDLK_F21, 0x84}, {SDLK_F22, 0x85}, {SDLK_F23, 0x86}, {SDLK_F24, 0x87},
    {SDLK_NUMLOCKCLEAR, 0x90}, {SDLK_SCROLLLOCK, 0x91},
    {SDLK_SEMICOLON, 0xBA}, {SDLK_EQUALS, 0xBB}, {SDLK_PLUS, 0xBB}, {SDLK_COMMA, 0xBC},
    {SDLK_MINUS, 0xBD}, {SDLK_PERIOD, 0xBE}, {SDLK_SLASH, 0xBF}, {SDLK_BACKQUOTE, 0xC0},
    {SDLK_LEFTBRACKET, 0xDB}, {SDLK_BACKSLASH, 0xDC}, {SDLK_RIGHTBRACKET, 0xDD},
    {SDLK_QUOTE, 0xDE},
};

constexpr int altKey = 0x12;
constexpr int f10Key = 0x79;

} // namespace

int virtualKeyFromSdl(int sdlKey)
{
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return 0x41 + (sdlKey - SDLK_a);
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return 0x30 + (sdlKey - SDLK_0);
    for (const KeyPair& pair : keyTable)
        if (pair.sdl == sdlKey)
            return pair.vk;
    return 0;
}

bool isSystemKey(int virtualKey, bool altHeld)
{
    return altHeld || virtualKey == altKey || virtualKey == f10Key;
}
