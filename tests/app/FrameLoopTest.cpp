#include <algorithm>
#include <cstdint>
#include <memory>

#include "AppTestSupport.h"
#include "Listening.h"
#include "app/FrameLoop.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "screens/Camera.h"

namespace {

// A screen that hands over to another screen in one of its frame calls.
struct HandingOver : LoggingScreen {
    HandingOver(std::vector<std::string>* log, Screen* next, std::string during)
        : LoggingScreen(log, "first"), next(next), during(std::move(during)) {}
    void handOver(const std::string& call)
    {
        if (call == during) {
            currentScreen = next;
            retireScreen(this);
        }
    }
    void mouseMove(float x, float y) override { LoggingScreen::mouseMove(x, y); handOver("mouseMove"); }
    void keysHeld(const unsigned char* k) override { LoggingScreen::keysHeld(k); handOver("keysHeld"); }
    void update() override { LoggingScreen::update(); handOver("update"); }
    Screen* next;
    std::string during;
};

// A screen drawing one quad of a colour it is told.
struct ColourScreen : LoggingScreen {
    explicit ColourScreen(std::vector<std::string>* log) : LoggingScreen(log, "colour") {}
    void render() override
    {
        LoggingScreen::render();
        Camera().apply();
        Sprite square;
        square.colour = colour;
        square.width = square.height = 100.0f;
        square.draw();
    }
    Colour colour{255, 0, 0, 255};
};

} // namespace

class FrameClockTest : public FreshGlobals {};

TEST_F(FrameClockTest, FrameStepIsTheLastFrameTimeTimesTheGameSpeed)
{
    struct Case {
        const char* what;
        std::uint32_t previous;
        std::uint32_t now;
        float seconds;
    };
    const Case cases[] = {
        {"two frames within one tick", 5000, 5000, 0.0f},
        {"one tick of 16 ms", 5000, 5016, 0.016f},
        {"a long frame", 0, 2000, 2.0f},
        {"the tick counter wraps", 0xFFFFFFF0u, 0x00000006u, 0.022f},
        {"wrap to exactly zero", 0xFFFFFFFFu, 0u, 0.001f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        lastTick = c.previous;
        advanceFrameClock(c.now);
        EXPECT_FLOAT_EQ(frameStep, 0.85f * c.seconds);
        EXPECT_EQ(lastTick, c.now);
        ASSERT_EQ(frameDurations.size(), 1u) << "one entry after every frame";
        EXPECT_FLOAT_EQ(frameDurations.front(), c.seconds);
    }
}

TEST_F(FrameClockTest, TheFirstFrameMeasuresFromStartUp)
{
    lastTick = 123456; // start-up notes the tick count
    advanceFrameClock(123456);
    EXPECT_EQ(frameStep, 0.0f);
    advanceFrameClock(123466);
    EXPECT_FLOAT_EQ(frameStep, 0.85f * 0.010f);
    advanceFrameClock(123466);
    EXPECT_EQ(frameStep, 0.0f) << "only the newest duration counts";
}

class FrameLoopTest : public HeadlessGlobals {
protected:
    void frame(std::uint32_t now = 0)
    {
        runFrame([now] { return now; }, [this] { log.push_back("swap"); });
    }
};

TEST_F(FrameLoopTest, OneFrameCallsTheScreenInOrderThenSwaps)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    renderer().setClearColour(1, 0, 0, 1);
    lastTick = 100;
    frame(140);
    EXPECT_EQ(log, (std::vector<std::string>{"s.mouseMove", "s.keysHeld", "s.update", "s.render", "swap"}));
    EXPECT_FLOAT_EQ(frameStep, 0.85f * 0.04f);
    EXPECT_EQ(context->pixel(10, 10).r, 255) << "the frame clears the buffers";
}

// The picture on the screen is the last frame drawn: a frame that would
// draw the same again is neither drawn nor swapped, while the clock and the
// screen's calls go on as ever; any change, and a window that lost its
// picture, draw and swap again.
TEST_F(FrameLoopTest, AFrameEqualToThePictureShownIsNeitherDrawnNorSwapped)
{
    ColourScreen screen(&log);
    currentScreen = &screen;
    lastTick = 0;
    const auto swaps = [this] { return std::count(log.begin(), log.end(), "swap"); };
    struct Step {
        const char* what;
        Colour colour;
        bool forget;
        bool swaps;
    };
    const Step steps[] = {
        {"the first frame", {255, 0, 0, 255}, false, true},
        {"the same picture", {255, 0, 0, 255}, false, false},
        {"and again", {255, 0, 0, 255}, false, false},
        {"another colour", {0, 255, 0, 255}, false, true},
        {"the window uncovered", {0, 255, 0, 255}, true, true},
        {"still the same", {0, 255, 0, 255}, false, false},
    };
    std::uint32_t now = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        log.clear();
        screen.colour = step.colour;
        if (step.forget)
            renderer().forgetShownFrame();
        now += 20;
        runFrame([now] { return now; }, [this] { log.push_back("swap"); });
        EXPECT_EQ(swaps(), step.swaps ? 1 : 0);
        EXPECT_NE(std::find(log.begin(), log.end(), "colour.render"), log.end()) << "the screen renders every frame";
        EXPECT_FLOAT_EQ(frameStep, 0.85f * 0.020f) << "the frame clock runs on";
        const Colour shown = context->pixel(32, 32);
        EXPECT_EQ(shown.r, step.colour.r);
        EXPECT_EQ(shown.g, step.colour.g);
    }
    EXPECT_EQ(renderer().counts().framesSkipped, 3);
    currentScreen = nullptr;
}

// What is drawn over every screen (a watched recording's banner) belongs to
// the frame: it is on the picture that frame swaps, and a change of it alone
// is a new picture to swap.
TEST_F(FrameLoopTest, WhatIsDrawnOverTheScreenIsOnThePictureOfItsFrame)
{
    ColourScreen screen(&log);
    currentScreen = &screen;
    Colour overColour{0, 255, 0, 255};
    const auto drawOver = [this, &overColour] {
        log.push_back("over");
        Camera().apply();
        Sprite mark;
        mark.colour = overColour;
        mark.width = mark.height = 20.0f;
        mark.depth = 0.5f;
        mark.draw();
    };
    const Colour colours[] = {{0, 255, 0, 255}, {0, 0, 255, 255}};
    std::uint32_t now = 0;
    for (const Colour& colour : colours) {
        SCOPED_TRACE(static_cast<int>(colour.b));
        overColour = colour;
        log.clear();
        now += 20;
        // What the swap shows is what the frame played: the screen's quad
        // and the one drawn over it.
        const long long quadsBefore = renderer().counts().quads;
        long long quadsSwapped = 0;
        runFrame([now] { return now; },
                 [this, &quadsSwapped] {
                     quadsSwapped = renderer().counts().quads;
                     log.push_back("swap");
                 },
                 drawOver);
        EXPECT_EQ(log, (std::vector<std::string>{"colour.mouseMove", "colour.keysHeld", "colour.update",
                                                 "colour.render", "over", "swap"}));
        EXPECT_EQ(quadsSwapped - quadsBefore, 2);
        const Colour centre = context->pixel(32, 32);
        EXPECT_EQ(centre.g, colour.g);
        EXPECT_EQ(centre.b, colour.b);
        EXPECT_EQ(context->pixel(20, 20).r, 255) << "the screen's picture around it";
    }
    currentScreen = nullptr;
}

TEST_F(FrameLoopTest, AScreenInstalledDuringTheFrameGetsTheRestOfIt)
{
    struct Case {
        const char* during;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"mouseMove", {"first.mouseMove", "next.keysHeld", "next.update", "next.render", "swap"}},
        {"keysHeld", {"first.mouseMove", "first.keysHeld", "next.update", "next.render", "swap"}},
        {"update", {"first.mouseMove", "first.keysHeld", "first.update", "next.render", "swap"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.during);
        log.clear();
        LoggingScreen next(&log, "next");
        currentScreen = new HandingOver(&log, &next, c.during);
        // These screens draw nothing: without this each frame would equal
        // the one shown and have no swap (tested below).
        renderer().forgetShownFrame();
        frame();
        EXPECT_EQ(log, c.expected);
        log.clear();
        frame();
        // The screen that handed over is freed at the start of the next frame.
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "first.destroyed");
        currentScreen = nullptr;
    }
}

TEST_F(FrameLoopTest, ThePointerReachesTheScreenAsFractionsOfTheClientArea)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    struct Case {
        const char* what;
        int width, height, x, y;
        float fx, fy;
    };
    const Case cases[] = {
        {"top-left pixel", 640, 480, 0, 0, 0.0f, 1.0f},
        {"bottom-left pixel", 640, 480, 0, 479, 0.0f, 1.0f / 480.0f},
        {"centre", 640, 480, 320, 240, 0.5f, 0.5f},
        {"a minimised window keeps the previous fractions", 0, 0, 5, 5, 0.5f, 0.5f},
        {"zero width alone too", 0, 480, 100, 100, 0.5f, 0.5f},
        {"restored", 200, 100, 50, 25, 0.25f, 0.75f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        windowWidth = c.width;
        windowHeight = c.height;
        mouseX = c.x;
        mouseY = c.y;
        frame();
        EXPECT_FLOAT_EQ(screen.lastX, c.fx);
        EXPECT_FLOAT_EQ(screen.lastY, c.fy);
    }
}

TEST_F(FrameLoopTest, WithAspectThePointerIsAFractionOfThePictureBetweenTheBars)
{
    LoggingScreen screen(&log, "s");
    currentScreen = &screen;
    keepAspect = true;
    struct Case {
        const char* what;
        int width, height, x, y;
        float fx, fy;
    };
    // 1600 x 600: the picture is 800 x 600 from x 400; 640 x 960: 640 x 480 from y 240.
    const Case cases[] = {
        {"the picture's top-left corner", 1600, 600, 400, 0, 0.0f, 1.0f},
        {"its centre", 1600, 600, 800, 300, 0.5f, 0.5f},
        {"its right edge", 1600, 600, 1200, 600, 1.0f, 0.0f},
        {"on the left bar", 1600, 600, 200, 300, -0.25f, 0.5f},
        {"on the right bar", 1600, 600, 1400, 300, 1.25f, 0.5f},
        {"a tall window's picture", 640, 960, 160, 360, 0.25f, 0.75f},
        {"its upper bar", 640, 960, 320, 120, 0.5f, 1.25f},
        {"a 4:3 window has no bars", 800, 600, 200, 150, 0.25f, 0.75f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        windowWidth = c.width;
        windowHeight = c.height;
        mouseX = c.x;
        mouseY = c.y;
        frame();
        EXPECT_FLOAT_EQ(screen.lastX, c.fx);
        EXPECT_FLOAT_EQ(screen.lastY, c.fy);
    }
}

TEST_F(FrameLoopTest, AFrameWithoutAScreenOnlyClearsAndSwaps)
{
    frame(10);
    EXPECT_EQ(log, std::vector<std::string>{"swap"});
}

TEST_F(FrameLoopTest, TheMusicFollowsTheScreenThatIsCurrentOnceTheFrameIsDrawn)
{
    struct Ending : LoggingScreen {
        using LoggingScreen::LoggingScreen;
        MusicCue musicCue() const override { return {MusicLoop::Ending, 0.5f}; }
    };
    Listening listening;
    Ending ending(&log, "ending");
    currentScreen = new HandingOver(&log, &ending, "update");
    frame();
    frame();
    currentScreen = nullptr;
    frame();
    ASSERT_EQ(listening.heard.cues.size(), 2u) << "one cue a frame, none without a screen";
    for (const MusicCue& cue : listening.heard.cues) {
        EXPECT_EQ(cue.loop, MusicLoop::Ending);
        EXPECT_EQ(cue.level, 0.5f);
    }
}
