// Keys on keyboard layouts other than the US one, as SDL reports them (the
// layout's symbol and the key's place): letters reach the save prompt on a
// Cyrillic, Greek or AZERTY keyboard, the number row types digits, and AltGr
// swallows no key while the left Alt does.
#include <SDL_events.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/TitleScreen.h"
#include "platform/EventTranslation.h"
#include "platform/FrameStep.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/HeadlessContext.h"
#include "play/PlayScreen.h"

namespace {

// What SDL reports for one key: the layout's key code and the key's place.
struct Key {
    SDL_Keycode symbol;
    SDL_Scancode place;
    Uint16 modifiers = KMOD_NONE;
};

Message translated(const Key& key, Uint32 type = SDL_KEYDOWN)
{
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = key.symbol;
    event.key.keysym.scancode = key.place;
    event.key.keysym.mod = key.modifiers;
    return translateEvent(event);
}

// A Cyrillic, Greek or accented letter as SDL gives it: its Unicode value.
constexpr SDL_Keycode cyrillicEf = 0x0444;     // ф, on the US A key of a Russian keyboard
constexpr SDL_Keycode cyrillicEs = 0x0441;     // с, on the US C key
constexpr SDL_Keycode greekAlpha = 0x03B1;     // α, on the US A key of a Greek keyboard
constexpr SDL_Keycode eAcute = 0x00E9;         // é, on the 2 key of a French keyboard
constexpr SDL_Keycode cyrillicHa = 0x0445;     // х, on the US [ key

class KeyboardLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(context.valid()); }
    void TearDown() override
    {
        currentScreen = nullptr;
        titleTexture.release();
        titleTexture = Texture();
    }
    HeadlessContext context;
};

} // namespace

TEST_F(KeyboardLayoutTest, LettersAndDigitsReachTheSavePromptOnEveryLayout)
{
    TitleScreen menu;
    menu.enter();
    menu.setup(2);
    menu.prompting = true;
    const auto type = [&menu](const std::vector<Key>& keys) {
        menu.saveName.clear();
        menu.caret = 0;
        for (const Key& key : keys) {
            const Message m = translated(key);
            if (m.kind == Message::KeyDown)
                menu.keyDown(m.a);
        }
        return menu.saveName;
    };
    EXPECT_EQ(type({{cyrillicEf, SDL_SCANCODE_A}}), "a") << "a Cyrillic letter types the Latin letter of its place";
    EXPECT_EQ(type({{cyrillicEs, SDL_SCANCODE_C}, {cyrillicEf, SDL_SCANCODE_A, KMOD_LSHIFT}}), "ca");
    EXPECT_EQ(type({{greekAlpha, SDL_SCANCODE_A}}), "a");
    EXPECT_EQ(type({{SDLK_a, SDL_SCANCODE_Q}, {SDLK_z, SDL_SCANCODE_W}}), "az")
        << "a layout's own Latin letter wins over the key's place (AZERTY)";
    EXPECT_EQ(type({{SDLK_AMPERSAND, SDL_SCANCODE_1}, {eAcute, SDL_SCANCODE_2}, {SDLK_QUOTE, SDL_SCANCODE_4},
                    {SDLK_MINUS, SDL_SCANCODE_6}, {SDLK_0, SDL_SCANCODE_0}}),
              "12460") << "the number row types its digits whatever the layout prints on it";
    EXPECT_EQ(type({{cyrillicHa, SDL_SCANCODE_LEFTBRACKET}, {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN}}), "")
        << "a letter away from the Latin letters' places has no code";
    EXPECT_EQ(type({{SDLK_q, SDL_SCANCODE_A, KMOD_RALT}, {SDLK_e, SDL_SCANCODE_E, KMOD_RALT | KMOD_LCTRL}}), "qe")
        << "AltGr held: the keys still type";
    EXPECT_EQ(type({{SDLK_q, SDL_SCANCODE_Q, KMOD_LALT}}), "") << "the left Alt's keys stay the system's";
}

TEST_F(KeyboardLayoutTest, WithAltGrHeldUpStillMovesThePlayerAndWithTheLeftAltItDoesNot)
{
    PlayScreen play;
    frameStep = 0.25f;
    struct Case {
        const char* what;
        Uint16 modifiers;
        float moved;
    };
    const Case cases[] = {
        {"no modifier", KMOD_NONE, 20.0f},
        {"right Alt (AltGr)", KMOD_RALT, 20.0f},
        {"AltGr as Ctrl + right Alt", KMOD_RALT | KMOD_LCTRL, 20.0f},
        {"left Alt", KMOD_LALT, 0.0f},
        {"both Alts", KMOD_LALT | KMOD_RALT, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        unsigned char keys[256] = {};
        const Message m = translated({SDLK_UP, SDL_SCANCODE_UP, c.modifiers});
        if (m.kind == Message::KeyDown)
            keys[m.a] = 1;
        play.player.y = 0.0f;
        play.keysHeld(keys);
        EXPECT_FLOAT_EQ(play.player.y, c.moved);
    }
    EXPECT_EQ(translated({SDLK_RALT, SDL_SCANCODE_RALT}).kind, Message::None) << "Alt alone is still no key";
    frameStep = 0.0f;
}
