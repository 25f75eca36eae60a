#include <GL/gl.h>

#include <memory>

#include "AppTestSupport.h"
#include "app/WindowProc.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/HeadlessContext.h"

namespace {

Message message(Message::Kind kind, int a = 0, int b = 0, bool left = false, bool right = false)
{
    Message m;
    m.kind = kind;
    m.a = a;
    m.b = b;
    m.left = left;
    m.right = right;
    return m;
}

} // namespace

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

TEST_F(WindowProcTest, ButtonsReachTheScreenAndTheMouseOnlyTheGlobals)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    windowProc(message(Message::MouseMove, 12, 34));
    windowProc(message(Message::ButtonDown, 0, 0, true, false));
    windowProc(message(Message::ButtonUp, 0, 0, true, false));
    windowProc(message(Message::ButtonDown, 0, 0, false, true));
    windowProc(message(Message::ButtonUp, 0, 0, false, true));
    EXPECT_EQ(log, (std::vector<std::string>{"s.mouseDown L", "s.mouseUp L", "s.mouseDown R", "s.mouseUp R"}));
    EXPECT_EQ(mouseX, 12);
    EXPECT_EQ(mouseY, 34);
}

TEST_F(WindowProcTest, SizeSetsTheGlobalsAndTheViewport)
{
    HeadlessContext context(64, 64);
    ASSERT_TRUE(context.valid());
    for (const auto& size : {std::pair<int, int>{800, 600}, {0, 0}, {320, 200}}) {
        windowProc(message(Message::Size, size.first, size.second));
        EXPECT_EQ(windowWidth, size.first);
        EXPECT_EQ(windowHeight, size.second);
        GLint viewport[4] = {-1, -1, -1, -1};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[0], 0);
        EXPECT_EQ(viewport[2], size.first);
        EXPECT_EQ(viewport[3], size.second);
    }
}

TEST_F(WindowProcTest, WithAspectTheViewportIsThe43PictureCentredBetweenBars)
{
    HeadlessContext context(64, 64);
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
        GLint viewport[4] = {-1, -1, -1, -1};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[0], c.x);
        EXPECT_EQ(viewport[1], c.y);
        EXPECT_EQ(viewport[2], c.w);
        EXPECT_EQ(viewport[3], c.h);
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
