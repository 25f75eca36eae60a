#include "platform/KeyTable.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>

#include "platform/VirtualKeys.h"

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

// Everything except letters and digits, which are ranges (below).
constexpr KeyPair keyTable[] = {
    {SDLK_BACKSPACE, vk::backspace}, {SDLK_TAB, vk::tab}, {SDLK_CLEAR, vk::clear},
    {SDLK_RETURN, vk::enter}, {SDLK_KP_ENTER, vk::enter}, {SDLK_RETURN2, vk::enter},
    {SDLK_LSHIFT, vk::shift}, {SDLK_RSHIFT, vk::shift}, {SDLK_LCTRL, vk::control},
    {SDLK_RCTRL, vk::control}, {SDLK_LALT, vk::alt}, {SDLK_RALT, vk::alt},
    {SDLK_PAUSE, vk::pause}, {SDLK_CAPSLOCK, vk::capsLock}, {SDLK_ESCAPE, vk::escape},
    {SDLK_SPACE, vk::space}, {SDLK_PAGEUP, vk::pageUp}, {SDLK_PAGEDOWN, vk::pageDown},
    {SDLK_END, vk::end}, {SDLK_HOME, vk::home}, {SDLK_LEFT, vk::left}, {SDLK_UP, vk::up},
    {SDLK_RIGHT, vk::right}, {SDLK_DOWN, vk::down}, {SDLK_SELECT, vk::select},
    {SDLK_PRINTSCREEN, vk::printScreen}, {SDLK_INSERT, vk::insert}, {SDLK_DELETE, vk::del},
    {SDLK_HELP, vk::help}, {SDLK_LGUI, vk::leftWindows}, {SDLK_RGUI, vk::rightWindows},
    {SDLK_APPLICATION, vk::applications}, {SDLK_SLEEP, vk::sleep},
    {SDLK_KP_0, vk::numpad0}, {SDLK_KP_1, vk::numpad0 + 1}, {SDLK_KP_2, vk::numpad0 + 2},
    {SDLK_KP_3, vk::numpad0 + 3}, {SDLK_KP_4, vk::numpad0 + 4}, {SDLK_KP_5, vk::numpad0 + 5},
    {SDLK_KP_6, vk::numpad0 + 6}, {SDLK_KP_7, vk::numpad0 + 7}, {SDLK_KP_8, vk::numpad0 + 8},
    {SDLK_KP_9, vk::numpad9}, {SDLK_KP_MULTIPLY, vk::multiply}, {SDLK_KP_PLUS, vk::add},
    {SDLK_KP_MINUS, vk::subtract}, {SDLK_KP_PERIOD, vk::decimal}, {SDLK_KP_DECIMAL, vk::decimal},
    {SDLK_KP_DIVIDE, vk::divide},
    {SDLK_NUMLOCKCLEAR, vk::numLock}, {SDLK_SCROLLLOCK, vk::scrollLock},
    {SDLK_SEMICOLON, vk::semicolon}, {SDLK_EQUALS, vk::equals}, {SDLK_PLUS, vk::equals},
    {SDLK_COMMA, vk::comma}, {SDLK_MINUS, vk::minus}, {SDLK_PERIOD, vk::period},
    {SDLK_SLASH, vk::slash}, {SDLK_BACKQUOTE, vk::backquote},
    {SDLK_LEFTBRACKET, vk::leftBracket}, {SDLK_BACKSLASH, vk::backslash},
    {SDLK_RIGHTBRACKET, vk::rightBracket}, {SDLK_QUOTE, vk::quote},
};

// SDL numbers F1-F12 and F13-F24 as two separate runs.
struct KeyRun {
    SDL_Keycode first;
    SDL_Keycode last;
    int firstVk;
};
constexpr KeyRun keyRuns[] = {
    {SDLK_a, SDLK_z, vk::letterA},
    {SDLK_0, SDLK_9, vk::digit0},
    {SDLK_F1, SDLK_F12, vk::f1},
    {SDLK_F13, SDLK_F24, vk::f1 + 12},
};

} // namespace

int virtualKeyFromSdl(int sdlKey)
{
    for (const KeyRun& run : keyRuns)
        if (sdlKey >= run.first && sdlKey <= run.last)
            return run.firstVk + (sdlKey - run.first);
    for (const KeyPair& pair : keyTable)
        if (pair.sdl == sdlKey)
            return pair.vk;
    return 0;
}

int virtualKeyOfKey(int sdlKey, int scancode)
{
    // SDL numbers the number row 1 ... 9, 0.
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return vk::digit(1 + (scancode - SDL_SCANCODE_1));
    if (scancode == SDL_SCANCODE_0)
        return vk::digit0;
    const int code = virtualKeyFromSdl(sdlKey);
    if (code == 0 && scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return vk::letterA + (scancode - SDL_SCANCODE_A);
    return code;
}

bool isSystemKey(int virtualKey, bool leftAltHeld)
{
    return leftAltHeld || virtualKey == vk::alt || virtualKey == vk::f10;
}
