#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/KeyTable.h"

TEST(KeyTableTest, LettersAndDigitsAreRanges)
{
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(virtualKeyFromSdl(SDLK_a + i), 0x41 + i) << static_cast<char>('a' + i);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(virtualKeyFromSdl(SDLK_0 + i), 0x30 + i) << i;
}

TEST(KeyTableTest, TheKeysTheGameListensFor)
{
    struct Case {
        SDL_Keycode sdl;
        int vk;
    };
    const Case cases[] = {
        {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_ESCAPE, 0x1B}, {SDLK_BACKSPACE, 0x08},
        {SDLK_SPACE, 0x20}, {SDLK_HOME, 0x24}, {SDLK_LEFT, 0x25}, {SDLK_UP, 0x26},
        {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28}, {SDLK_TAB, 0x09}, {SDLK_LSHIFT, 0x10},
        {SDLK_RSHIFT, 0x10}, {SDLK_LCTRL, 0x11}, {SDLK_DELETE, 0x2E}, {SDLK_INSERT, 0x2D},
        {SDLK_END, 0x23}, {SDLK_PAGEUP, 0x21}, {SDLK_PAGEDOWN, 0x22}, {SDLK_F1, 0x70},
        {SDLK_F12, 0x7B}, {SDLK_KP_0, 0x60}, {SDLK_KP_9, 0x69}, {SDLK_MINUS, 0xBD},
        {SDLK_PERIOD, 0xBE}, {SDLK_COMMA, 0xBC}, {SDLK_SLASH, 0xBF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(virtualKeyFromSdl(c.sdl), c.vk) << c.sdl;
}

TEST(KeyTableTest, UnknownKeysHaveNoCodeAndNoCodeLeavesTheByteRange)
{
    for (const int unknown : {int(SDLK_UNKNOWN), int(SDLK_AUDIOPLAY), int(SDLK_BRIGHTNESSUP), int(SDLK_z) + 1})
        EXPECT_EQ(virtualKeyFromSdl(unknown), 0) << unknown;
    // Every SDL key code that maps, maps into 1-255 (keyState has 256 bytes),
    // and no two different printable keys share a code.
    std::set<int> printable;
    for (int sdl = 0; sdl < 0x40000200; sdl = sdl < 0x80 ? sdl + 1 : (sdl < 0x40000000 ? 0x40000000 : sdl + 1)) {
        const int vk = virtualKeyFromSdl(sdl);
        ASSERT_GE(vk, 0);
        ASSERT_LE(vk, 255);
        if (vk != 0 && sdl >= 0x21 && sdl < 0x7F && sdl != '+') {
            EXPECT_TRUE(printable.insert(vk).second) << "two keys give " << vk << " (" << sdl << ")";
        }
    }
}

TEST(KeyTableTest, AltKeysAreSystemKeys)
{
    EXPECT_TRUE(isSystemKey(0x12, false));   // Alt itself
    EXPECT_TRUE(isSystemKey(0x79, false));   // F10
    EXPECT_TRUE(isSystemKey(0x41, true));    // Alt+A
    EXPECT_FALSE(isSystemKey(0x41, false));
    EXPECT_FALSE(isSystemKey(0x1B, false));
}
