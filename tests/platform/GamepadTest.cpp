// Gamepads driven by synthetic SDL controller events (SDL queues them with
// no device plugged in): the d-pad and left stick as the arrow keys past a
// dead zone, A as Enter, B and Start as Esc; two pads and the keyboard
// holding one key; a pad pulled out; a pad SDL has no mapping for; and the
// window's queue handing pad keys out among the other messages.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Gamepads.h"
#include "platform/GameWindow.h"
#include "platform/KeySources.h"
#include "platform/VirtualKeys.h"

namespace {

SDL_Event button(SDL_JoystickID pad, SDL_GameControllerButton which, bool down)
{
    SDL_Event event = {};
    event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    event.cbutton.type = event.type;
    event.cbutton.which = pad;
    event.cbutton.button = static_cast<Uint8>(which);
    event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

SDL_Event axis(SDL_JoystickID pad, SDL_GameControllerAxis which, Sint16 value)
{
    SDL_Event event = {};
    event.type = SDL_CONTROLLERAXISMOTION;
    event.caxis.type = event.type;
    event.caxis.which = pad;
    event.caxis.axis = static_cast<Uint8>(which);
    event.caxis.value = value;
    return event;
}

SDL_Event device(Uint32 type, Sint32 which)
{
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_JOYDEVICEADDED || type == SDL_JOYDEVICEREMOVED)
        event.jdevice.which = which;
    else
        event.cdevice.which = which;
    event.cdevice.type = type;
    return event;
}

std::string described(const std::vector<Message>& messages)
{
    std::string text;
    for (const Message& m : messages) {
        if (!text.empty())
            text += ", ";
        text += m.kind == Message::KeyDown ? "down " : m.kind == Message::KeyUp ? "up " : "other ";
        switch (m.a) {
        case vk::up: text += "Up"; break;
        case vk::down: text += "Down"; break;
        case vk::left: text += "Left"; break;
        case vk::right: text += "Right"; break;
        case vk::enter: text += "Enter"; break;
        case vk::escape: text += "Esc"; break;
        default: text += std::to_string(m.a); break;
        }
    }
    return text;
}

// SDL's game-controller subsystem (no device needed) and the pads on it.
class GamepadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pads.open()); }
    void TearDown() override { pads.close(); }

    // Pushes the events through SDL's queue and hands what comes out to the
    // pads; the key messages they give, described.
    std::string through(const std::vector<SDL_Event>& events)
    {
        for (SDL_Event event : events)
            EXPECT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        std::vector<Message> out;
        SDL_Event event;
        while (SDL_PollEvent(&event))
            pads.handle(event, out);
        return described(out);
    }

    KeySources keys;
    Gamepads pads{keys};
};

} // namespace

TEST_F(GamepadTest, TheDpadAndLeftStickAreTheArrowsAIsEnterBAndStartAreEsc)
{
    struct Case {
        const char* what;
        std::vector<SDL_Event> events;
        const char* keys;
    };
    const Case cases[] = {
        {"the d-pad", {button(0, SDL_CONTROLLER_BUTTON_DPAD_UP, true), button(0, SDL_CONTROLLER_BUTTON_DPAD_UP, false),
                       button(0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true), button(0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true),
                       button(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true), button(0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false),
                       button(0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false), button(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false)},
         "down Up, up Up, down Left, down Down, down Right, up Left, up Down, up Right"},
        {"A", {button(0, SDL_CONTROLLER_BUTTON_A, true), button(0, SDL_CONTROLLER_BUTTON_A, false)}, "down Enter, up Enter"},
        {"B and Start share Esc: released when both are",
         {button(0, SDL_CONTROLLER_BUTTON_B, true), button(0, SDL_CONTROLLER_BUTTON_START, true),
          button(0, SDL_CONTROLLER_BUTTON_B, false), button(0, SDL_CONTROLLER_BUTTON_START, false)},
         "down Esc, down Esc, up Esc"},
        {"a release without a press, other buttons, the right stick and the triggers",
         {button(0, SDL_CONTROLLER_BUTTON_A, false), button(0, SDL_CONTROLLER_BUTTON_X, true),
          button(0, SDL_CONTROLLER_BUTTON_BACK, true), axis(0, SDL_CONTROLLER_AXIS_RIGHTX, 32767),
          axis(0, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767)},
         ""},
        {"the stick within its dead zone", {axis(0, SDL_CONTROLLER_AXIS_LEFTX, 16383), axis(0, SDL_CONTROLLER_AXIS_LEFTY, -16383)}, ""},
        {"the stick half way out, back to the release line and in",
         {axis(0, SDL_CONTROLLER_AXIS_LEFTX, 16384), axis(0, SDL_CONTROLLER_AXIS_LEFTX, 30000),
          axis(0, SDL_CONTROLLER_AXIS_LEFTX, 8000), axis(0, SDL_CONTROLLER_AXIS_LEFTX, 7999)},
         "down Right, up Right"},
        {"the stick across in one move", {axis(0, SDL_CONTROLLER_AXIS_LEFTX, -32768), axis(0, SDL_CONTROLLER_AXIS_LEFTX, 32767),
                                          axis(0, SDL_CONTROLLER_AXIS_LEFTX, 0)},
         "down Left, up Left, down Right, up Right"},
        {"the stick's y grows downwards; a diagonal holds two arrows",
         {axis(0, SDL_CONTROLLER_AXIS_LEFTY, -20000), axis(0, SDL_CONTROLLER_AXIS_LEFTX, 20000),
          axis(0, SDL_CONTROLLER_AXIS_LEFTY, 20000), axis(0, SDL_CONTROLLER_AXIS_LEFTY, 0), axis(0, SDL_CONTROLLER_AXIS_LEFTX, 0)},
         "down Up, down Right, up Up, down Down, up Down, up Right"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(through(c.events), c.keys);
    }
}

TEST_F(GamepadTest, AKeyStaysHeldUntilItsLastHolderLetsGo)
{
    const auto keyboard = [this](Message::Kind kind) {
        Message m;
        m.kind = kind;
        m.a = vk::up;
        return described({keys.keyboard(m)});
    };
    EXPECT_EQ(through({button(0, SDL_CONTROLLER_BUTTON_DPAD_UP, true)}), "down Up");
    EXPECT_EQ(through({axis(1, SDL_CONTROLLER_AXIS_LEFTY, -32768)}), "down Up") << "the second pad's press repeats";
    EXPECT_EQ(keyboard(Message::KeyDown), "down Up");
    EXPECT_EQ(through({button(0, SDL_CONTROLLER_BUTTON_DPAD_UP, false)}), "");
    EXPECT_EQ(keyboard(Message::KeyUp), "other 0") << "the second pad still holds Up";
    EXPECT_EQ(through({button(1, SDL_CONTROLLER_BUTTON_DPAD_UP, true), button(1, SDL_CONTROLLER_BUTTON_DPAD_UP, false)}),
              "down Up") << "a pad's stick and d-pad hold apart";
    EXPECT_EQ(through({axis(1, SDL_CONTROLLER_AXIS_LEFTY, 0)}), "up Up");
    EXPECT_EQ(keyboard(Message::KeyUp), "up Up") << "a key-up with no holder passes, as the keyboard's always did";
}

TEST_F(GamepadTest, APadPulledOutReleasesWhatItHeldAndStartsAfresh)
{
    Message enter;
    enter.kind = Message::KeyDown;
    enter.a = vk::enter;
    keys.keyboard(enter);
    EXPECT_EQ(through({axis(3, SDL_CONTROLLER_AXIS_LEFTX, 20000), button(3, SDL_CONTROLLER_BUTTON_A, true),
                       button(3, SDL_CONTROLLER_BUTTON_DPAD_UP, true), button(4, SDL_CONTROLLER_BUTTON_DPAD_UP, true)}),
              "down Right, down Enter, down Up, down Up");
    EXPECT_EQ(through({device(SDL_CONTROLLERDEVICEREMOVED, 3)}), "up Right")
        << "Enter stays held by the keyboard and Up by the other pad";
    EXPECT_EQ(through({device(SDL_CONTROLLERDEVICEREMOVED, 3)}), "") << "nothing is released twice";
    EXPECT_EQ(through({axis(3, SDL_CONTROLLER_AXIS_LEFTX, 20000)}), "down Right") << "its stick starts afresh";
}

TEST_F(GamepadTest, APadWithoutAMappingIsNamedOnceAndIgnored)
{
    testing::internal::CaptureStderr();
    const std::string keysGiven = through({device(SDL_JOYDEVICEADDED, 99), device(SDL_CONTROLLERDEVICEADDED, 99)});
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(keysGiven, "");
    EXPECT_EQ(pads.count(), 0);
    EXPECT_NE(said.find("no button mapping"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
}

TEST(GameWindowMessages, PadKeysKeyboardKeysAndTheFocusComeThroughOneQueue)
{
    // A window system that draws nowhere, asked for by name, has a queue.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    GameWindow window;
    const bool opened = window.openVideo();
    unsetenv("SDL_VIDEODRIVER");
    ASSERT_TRUE(opened) << window.error();
    ASSERT_TRUE(window.openGamepads());
    Message m;
    while (window.nextMessage(m)) {
    }

    std::vector<SDL_Event> events;
    events.push_back(button(0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true));
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_LEFT;
    key.key.keysym.scancode = SDL_SCANCODE_LEFT;
    events.push_back(key);
    key.type = key.key.type = SDL_KEYUP;
    events.push_back(key);
    events.push_back(axis(0, SDL_CONTROLLER_AXIS_LEFTX, 32767)); // the stick right, the d-pad still left
    events.push_back(button(0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, false));
    SDL_Event focus = {};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    events.push_back(focus);
    for (SDL_Event& event : events)
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    std::vector<Message> out;
    while (window.nextMessage(m))
        out.push_back(m);
    std::string focusLost;
    for (const Message& message : out)
        if (message.kind == Message::FocusLost)
            focusLost = "focus lost";
    out.erase(std::remove_if(out.begin(), out.end(), [](const Message& message) {
                  return message.kind != Message::KeyDown && message.kind != Message::KeyUp;
              }),
              out.end());
    EXPECT_EQ(described(out), "down Left, down Left, down Right, up Left");
    EXPECT_EQ(focusLost, "focus lost");

    // With -nopause the loss of focus never reaches the game.
    window.reportFocusLoss(false);
    ASSERT_EQ(SDL_PushEvent(&focus), 1);
    bool reported = false;
    while (window.nextMessage(m))
        reported = reported || m.kind == Message::FocusLost;
    EXPECT_FALSE(reported);
    window.close();
}

TEST(PixelFormat, TheColourBitsComeFromTheLowByteOfTheDepth)
{
    struct Case {
        int depth;
        int red, green, blue;
    };
    const Case cases[] = {
        {16, 5, 6, 5}, {24, 8, 8, 8}, {32, 8, 8, 8}, {272, 5, 6, 5}, {15, 5, 5, 5}, {8, 0, 0, 0}, {256, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        const ColourBits bits = colourBitsForDepth(c.depth);
        EXPECT_EQ(bits.red, c.red);
        EXPECT_EQ(bits.green, c.green);
        EXPECT_EQ(bits.blue, c.blue);
    }
}
