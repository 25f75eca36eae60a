// The way from the window's messages to the screens: a held key's repeats,
// taps shorter than a frame, a click that acts where it lands, the wheel and
// the loss of focus.
#include <memory>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/FrameLoop.h"
#include "app/GameRun.h"
#include "app/WindowProc.h"
#include "menus/TitleScreen.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"
#include "screens/FadeScreen.h"

namespace {

Message message(Message::Kind kind, int a = 0, int b = 0)
{
    Message m;
    m.kind = kind;
    m.a = a;
    m.b = b;
    m.left = kind == Message::ButtonDown || kind == Message::ButtonUp;
    return m;
}

// A screen that notes the input it gets and what Enter reads in its
// keysHeld and in the keyState its update sees.
struct WatchingScreen : Screen {
    void keyDown(int key) override { calls.push_back("down " + std::to_string(key)); }
    void keyRepeat(int key) override { calls.push_back("repeat " + std::to_string(key)); }
    void keyUp(int key) override { calls.push_back("up " + std::to_string(key)); }
    void mouseWheel(int notches) override { calls.push_back("wheel " + std::to_string(notches)); }
    void focusLost() override { calls.push_back("focus lost"); }
    void keysHeld(const unsigned char* keys) override { heldEnter.push_back(keys[vk::enter]); }
    void update() override { updateEnter.push_back(keyState[vk::enter]); }
    std::vector<std::string> calls;
    std::vector<int> heldEnter;
    std::vector<int> updateEnter;
};

class InputPathTest : public FreshGlobals {
protected:
    void SetUp() override
    {
        FreshGlobals::SetUp();
        context = std::make_unique<OffscreenRenderer>(RendererKind::gl1, 64, 64);
        ASSERT_TRUE(context->valid());
    }
    void TearDown() override
    {
        shutDownScreens();
        FreshGlobals::TearDown();
        context.reset();
    }
    static void frame() { runFrame([] { return 0u; }, nullptr); }
    // The window pixel of a point of the menus' 200 x 200 view, in 640 x 480.
    static Message pointerAt(float viewX, float viewY)
    {
        return message(Message::MouseMove, static_cast<int>((viewX + 100.0f) / 200.0f * 640.0f),
                       static_cast<int>((100.0f - viewY) / 200.0f * 480.0f));
    }
    std::unique_ptr<OffscreenRenderer> context;
};

} // namespace

TEST_F(InputPathTest, AKeyAlreadyHeldGoesToKeyRepeatAndTheNewMessagesToTheirHandlers)
{
    WatchingScreen screen;
    currentScreen = &screen;
    for (const Message& m : {message(Message::KeyDown, vk::down), message(Message::KeyDown, vk::down),
                             message(Message::KeyUp, vk::down), message(Message::KeyDown, vk::down),
                             message(Message::Wheel, -2), message(Message::FocusLost)})
        windowProc(m);
    const std::string down = std::to_string(vk::down);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"down " + down, "repeat " + down, "up " + down,
                                                      "down " + down, "wheel -2", "focus lost"}));
    currentScreen = nullptr;
}

TEST_F(InputPathTest, AKeyTappedBetweenTwoFramesIsSeenByExactlyOneKeysHeld)
{
    const Message down = message(Message::KeyDown, vk::enter);
    const Message up = message(Message::KeyUp, vk::enter);
    struct Case {
        const char* what;
        std::vector<std::vector<Message>> batches; // the messages before each frame
        std::vector<int> held;                     // Enter in each frame's keysHeld
        std::vector<int> updated;                  // Enter in keyState during each frame's update
    };
    const Case cases[] = {
        {"a tap", {{down, up}, {}, {}}, {1, 0, 0}, {0, 0, 0}},
        {"held across frames, as ever", {{down}, {}, {up}, {}}, {1, 1, 0, 0}, {1, 1, 0, 0}},
        {"two taps count once", {{down, up, down, up}, {}}, {1, 0}, {0, 0}},
        {"tapped and pressed again: held", {{down, up, down}, {up}, {}}, {1, 0, 0}, {1, 0, 0}},
        {"auto-repeat and a quick release", {{down, down, down, up}, {}}, {1, 0}, {0, 0}},
        {"released a frame later: no tap", {{down}, {up}, {}}, {1, 0, 0}, {1, 0, 0}},
        {"a release without a press", {{up}, {}}, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        keyLatch.reset();
        WatchingScreen screen;
        currentScreen = &screen;
        for (const std::vector<Message>& batch : c.batches) {
            for (const Message& m : batch)
                windowProc(m);
            frame();
        }
        EXPECT_EQ(screen.heldEnter, c.held);
        EXPECT_EQ(screen.updateEnter, c.updated) << "a tap reaches keysHeld alone";
        EXPECT_FALSE(keyLatch.anyLatched());
        currentScreen = nullptr;
    }
}

TEST_F(InputPathTest, AClickMovedAndReleasedBetweenTwoFramesActsWhereItLands)
{
    resetGameGlobals(640, 480);
    startTitleScreen();
    windowProc(pointerAt(5, -75)); // over Quit Game
    frame();
    auto* menu = dynamic_cast<TitleScreen*>(currentScreen);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->hovered, 4);

    // Moved to New Game and clicked in one batch: New Game, not Quit Game.
    windowProc(pointerAt(5, -15));
    windowProc(message(Message::ButtonDown));
    windowProc(message(Message::ButtonUp));
    EXPECT_TRUE(running);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_NE(dynamic_cast<PlayScreen*>(fade->newScreen), nullptr);
}
