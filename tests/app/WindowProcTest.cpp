#include <memory>

#include "AppTestSupport.h"
#include "Listening.h"
#include "TestMessages.h"
#include "app/WindowProc.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "render/Renderer.h"

class WindowProcTest : public FreshGlobals {};

TEST_F(WindowProcTest, KeysReachTheScreenBeforeKeyStateChanges)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    // A held key auto-repeats: several key-downs, one key-up.
    for (const Message& m : {message(Message::KeyDown, vk::left), message(Message::KeyDown, vk::left),
                             message(Message::KeyDown, vk::left), message(Message::KeyUp, vk::left)})
        windowProc(m);
    const std::string left = std::to_string(vk::left);
    EXPECT_EQ(log, (std::vector<std::string>{"s.keyDown " + left + " held=0", "s.keyDown " + left + " held=1",
                                             "s.keyDown " + left + " held=1", "s.keyUp " + left + " held=1"}));
    EXPECT_EQ(keyState[vk::left], 0);
    windowProc(message(Message::KeyDown, vk::enter));
    EXPECT_EQ(keyState[vk::enter], 1) << "held until its key-up";
}

TEST_F(WindowProcTest, APointerMovedSinceTheFrameReachesTheScreenBeforeItsButton)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    windowProc(message(Message::MouseMove, 160, 120));
    EXPECT_TRUE(log.empty()) << "a move alone only sets the globals";
    windowProc(message(Message::ButtonDown, 0, 0, true, false));
    windowProc(message(Message::ButtonUp, 0, 0, true, false));
    windowProc(message(Message::ButtonDown, 0, 0, false, true));
    windowProc(message(Message::ButtonUp, 0, 0, false, true));
    EXPECT_EQ(log, (std::vector<std::string>{"s.mouseMove", "s.mouseDown L", "s.mouseUp L", "s.mouseDown R", "s.mouseUp R"}))
        << "the screen hears of the move once, before the first button";
    EXPECT_EQ(mouseX, 160);
    EXPECT_EQ(mouseY, 120);
    EXPECT_FLOAT_EQ(screen.lastX, 0.25f);
    EXPECT_FLOAT_EQ(screen.lastY, 0.75f);

    // Where the frame already told the screen: nothing more.
    log.clear();
    windowProc(message(Message::MouseMove, 160, 120));
    windowProc(message(Message::ButtonUp, 0, 0, true, false));
    EXPECT_EQ(log, std::vector<std::string>{"s.mouseUp L"});
    // A client area of no size places no pointer.
    log.clear();
    windowWidth = 0;
    windowProc(message(Message::MouseMove, 10, 10));
    windowProc(message(Message::ButtonUp, 0, 0, true, false));
    EXPECT_EQ(log, std::vector<std::string>{"s.mouseUp L"});
}

TEST_F(WindowProcTest, SizeSetsTheGlobalsAndTheViewport)
{
    OffscreenRenderer context(RendererKind::gl1, 64, 64);
    ASSERT_TRUE(context.valid());
    for (const auto& size : {std::pair<int, int>{800, 600}, {0, 0}, {320, 200}}) {
        windowProc(message(Message::Size, size.first, size.second));
        EXPECT_EQ(windowWidth, size.first);
        EXPECT_EQ(windowHeight, size.second);
        const Renderer::Viewport viewport = renderer().viewport();
        EXPECT_EQ(viewport.x, 0);
        EXPECT_EQ(viewport.width, size.first);
        EXPECT_EQ(viewport.height, size.second);
    }
}

TEST_F(WindowProcTest, WithAspectTheViewportIsThe43PictureCentredBetweenBars)
{
    OffscreenRenderer context(RendererKind::gl1, 64, 64);
    ASSERT_TRUE(context.valid());
    keepAspect = true;
    struct Case {
        int width, height;
        int x, y, w, h;
    };
    const Case cases[] = {
        {1920, 1080, 240, 0, 1440, 1080}, // bars left and right
        {640, 960, 0, 240, 640, 480},     // bars above and below
        {800, 600, 0, 0, 800, 600},       // 4:3 fills the window
        {1001, 600, 100, 0, 800, 600},    // an odd pixel goes to the right bar
        {0, 0, 0, 0, 0, 0},               // minimised
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        windowProc(message(Message::Size, c.width, c.height));
        EXPECT_EQ(windowWidth, c.width) << "the globals keep the client size";
        EXPECT_EQ(windowHeight, c.height);
        const Renderer::Viewport viewport = renderer().viewport();
        EXPECT_EQ(viewport.x, c.x);
        EXPECT_EQ(viewport.y, c.y);
        EXPECT_EQ(viewport.width, c.w);
        EXPECT_EQ(viewport.height, c.h);
    }
}

TEST_F(WindowProcTest, InputBeforeTheFirstScreenOnlyUpdatesTheGlobals)
{
    windowProc(message(Message::KeyDown, vk::letter('A')));
    windowProc(message(Message::ButtonUp, 0, 0, true, false));
    windowProc(message(Message::Quit));
    EXPECT_EQ(keyState[vk::letter('A')], 1);
    EXPECT_TRUE(running) << "quitting is the frame loop's business";
}

TEST_F(WindowProcTest, TheMusicKeyTogglesOncePerPressButIsALetterToAPrompt)
{
    struct Prompt : LoggingScreen {
        using LoggingScreen::LoggingScreen;
        bool typing() const override { return open; }
        bool open = false;
    };
    Listening listening;
    Prompt screen(&log, "s");
    currentScreen = &screen;
    const int m = vk::letter('M');
    // A held M repeats its key-down; only the press toggles.
    for (const Message& msg : {message(Message::KeyDown, m), message(Message::KeyDown, m),
                               message(Message::KeyUp, m), message(Message::KeyDown, m), message(Message::KeyUp, m)})
        windowProc(msg);
    EXPECT_EQ(listening.heard.musicSwitches, (std::vector<bool>{false, true}));
    EXPECT_TRUE(settingsHost().settings().music) << "the music setting follows M";
    EXPECT_EQ(log.size(), 5u) << "the screen still sees every M";

    screen.open = true;
    windowProc(message(Message::KeyDown, m));
    windowProc(message(Message::KeyUp, m));
    EXPECT_EQ(listening.heard.musicSwitches.size(), 2u) << "M is part of the name being typed";
    screen.open = false;
    windowProc(message(Message::KeyDown, vk::letter('N')));
    EXPECT_EQ(listening.heard.musicSwitches.size(), 2u);
}

TEST_F(WindowProcTest, F11SwitchesFullScreenOncePerPressOnEveryScreenAndNoScreenHearsIt)
{
    struct Prompt : LoggingScreen {
        using LoggingScreen::LoggingScreen;
        bool typing() const override { return true; }
    };
    Prompt screen(&log, "s");
    currentScreen = &screen;
    ASSERT_TRUE(settingsHost().settings().fullScreen);
    for (const Message& msg : {message(Message::KeyDown, vk::f11), message(Message::KeyDown, vk::f11),
                               message(Message::KeyUp, vk::f11)})
        windowProc(msg);
    EXPECT_FALSE(settingsHost().settings().fullScreen) << "a held F11 switches once";
    EXPECT_EQ(keyState[vk::f11], 0);
    windowProc(message(Message::KeyDown, vk::f11));
    EXPECT_TRUE(settingsHost().settings().fullScreen) << "even while a screen takes text";
    EXPECT_EQ(keyState[vk::f11], 1);
    windowProc(message(Message::KeyUp, vk::f11));
    EXPECT_TRUE(log.empty()) << "no screen hears F11: " << testing::PrintToString(log);
}
