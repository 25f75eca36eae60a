// The frame pacer on a fake clock: the waits it makes, the rate it holds,
// when it takes over from vsync, and that game time still follows the real
// time between frames.
#include <cstdint>
#include <memory>
#include <vector>

#include "AppTestSupport.h"
#include "app/FrameLoop.h"
#include "app/FramePacer.h"
#include "render/offscreen/OffscreenRenderer.h"

namespace {

// A clock that moves only when the game works, sleeps or yields. Each sleep
// wakes `oversleep` microseconds late; each yield takes `yieldStep`.
struct FakeTime {
    std::int64_t now = 5000000;
    std::int64_t oversleep = 0;
    std::int64_t yieldStep = 5;
    int sleeps = 0;
    int yields = 0;
    std::int64_t yielding = 0; // microseconds spent in yields

    FramePacer::Clock clock()
    {
        return {[this] { return now; },
                [this](std::int64_t microseconds) {
                    ++sleeps;
                    now += microseconds + oversleep;
                },
                [this] {
                    ++yields;
                    yielding += yieldStep;
                    now += yieldStep;
                }};
    }
};

// Runs frames that each take `work` microseconds, then the pacer's step;
// returns the time each frame started at (the first one included).
// With still = true each frame shows a still picture (a menu at rest).
std::vector<std::int64_t> runFrames(FakeTime& time, FramePacer& pacer, int frames, std::int64_t work,
                                    bool still = false)
{
    std::vector<std::int64_t> starts;
    for (int i = 0; i < frames; ++i) {
        starts.push_back(time.now);
        time.now += work;
        pacer.frameDone(still);
    }
    return starts;
}

constexpr int unlimited = 0;
constexpr int followDisplay = -1;

} // namespace

TEST(FramePacerTest, HoldsTheRequestedRateWithoutDriftHoweverLateSleepsWake)
{
    struct Case {
        int fps;
        std::int64_t work;
        std::int64_t oversleep;
    };
    const Case cases[] = {
        {60, 2000, 0}, {60, 2000, 300}, {60, 15000, 1500}, {30, 1000, 800}, {144, 500, 100}, {1000, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fps << " fps, work " << c.work << " us, oversleep " << c.oversleep);
        FakeTime time;
        time.oversleep = c.oversleep;
        FramePacer pacer(c.fps, true, 60, time.clock());
        EXPECT_TRUE(pacer.pacing()) << "-fps N paces from the first frame, vsync or not";
        const std::int64_t interval = 1000000 / c.fps;
        EXPECT_EQ(pacer.interval(), interval);

        // The first waits learn how late the sleeps wake; from then on every
        // frame starts on its due time, within one yield.
        constexpr std::size_t learningFrames = 3;
        const std::int64_t firstDeadline = time.now + interval;
        const std::vector<std::int64_t> starts = runFrames(time, pacer, 300, c.work);
        for (std::size_t i = 1; i < starts.size(); ++i) {
            const std::int64_t due = firstDeadline + static_cast<std::int64_t>(i - 1) * interval;
            const std::int64_t lateness = i <= learningFrames ? c.oversleep : 0;
            ASSERT_GE(starts[i], due) << "frame " << i << " started early";
            ASSERT_LT(starts[i], due + lateness + time.yieldStep) << "frame " << i << " started late";
        }
        // Most of each wait is slept; only its last moment is spent yielding.
        const std::int64_t waited = starts.back() - starts.front() - 299 * c.work;
        EXPECT_LT(time.yielding * 4, waited) << time.yields << " yields";
        EXPECT_GE(time.sleeps, 290);
    }
}

TEST(FramePacerTest, NeverWaitsForFramesAlreadySlowAndNeverHurriesAfterALateOne)
{
    FakeTime time;
    FramePacer pacer(60, true, 60, time.clock());
    runFrames(time, pacer, 50, 20000);
    EXPECT_EQ(time.sleeps, 0);
    EXPECT_EQ(time.yields, 0);

    // A quick frame after slow ones, then a long hitch: the frames after it
    // keep the whole interval between them instead of coming early.
    runFrames(time, pacer, 1, 1000);
    runFrames(time, pacer, 1, 100000);
    const std::vector<std::int64_t> starts = runFrames(time, pacer, 20, 1000);
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_GE(starts[i] - starts[i - 1], 16666) << "frame " << i;
}

TEST(FramePacerTest, FpsZeroNeverWaitsWhateverTheSwapDoes)
{
    for (const bool vsync : {true, false}) {
        FakeTime time;
        FramePacer pacer(unlimited, vsync, 60, time.clock());
        runFrames(time, pacer, 500, 100);
        EXPECT_FALSE(pacer.pacing());
        EXPECT_EQ(pacer.interval(), 0);
        EXPECT_EQ(time.sleeps, 0);
        EXPECT_EQ(time.yields, 0);
    }
}

TEST(FramePacerTest, FollowsTheDisplayOnceTheSwapIsSeenNotToPace)
{
    {
        SCOPED_TRACE("vsync honoured: every frame takes a refresh interval of 75 Hz");
        FakeTime time;
        FramePacer pacer(followDisplay, true, 75, time.clock());
        EXPECT_FALSE(pacer.pacing());
        runFrames(time, pacer, 300, 13334);
        EXPECT_FALSE(pacer.pacing());
        EXPECT_EQ(time.sleeps + time.yields, 0);
    }
    {
        SCOPED_TRACE("vsync asked for and not honoured: the pacer takes over at the display's rate");
        FakeTime time;
        FramePacer pacer(followDisplay, true, 75, time.clock());
        runFrames(time, pacer, FramePacer::fastFramesToPace, 1000);
        EXPECT_FALSE(pacer.pacing()) << "one frame too few seen";
        runFrames(time, pacer, 1, 1000);
        EXPECT_TRUE(pacer.pacing());
        EXPECT_EQ(pacer.interval(), 1000000 / 75);
        const std::vector<std::int64_t> starts = runFrames(time, pacer, 100, 1000);
        for (std::size_t i = 2; i < starts.size(); ++i)
            EXPECT_NEAR(starts[i] - starts[i - 1], 13333, time.yieldStep) << "frame " << i;
    }
    {
        SCOPED_TRACE("slow frames first, a few quick ones among them, then only quick ones");
        FakeTime time;
        FramePacer pacer(followDisplay, true, 60, time.clock());
        for (int i = 0; i < 40; ++i) {
            runFrames(time, pacer, 3, 30000);
            runFrames(time, pacer, 1, 1000);
        }
        EXPECT_FALSE(pacer.pacing()) << "a quick frame now and then is no evidence";
        runFrames(time, pacer, FramePacer::watchedFrames, 1000);
        EXPECT_TRUE(pacer.pacing());
    }
    {
        SCOPED_TRACE("-novsync: paced from the first frame; a display that gives no rate counts as 60 Hz");
        FakeTime time;
        FramePacer pacer(followDisplay, false, 0, time.clock());
        EXPECT_TRUE(pacer.pacing());
        EXPECT_EQ(pacer.interval(), 16666);
        runFrames(time, pacer, 2, 1000);
        EXPECT_GT(time.sleeps, 0);
    }
}

class PacedFrameClockTest : public HeadlessGlobals {};

TEST_F(PacedFrameClockTest, GameTimeFollowsTheRealTimeBetweenPacedFrames)
{
    // The frame loop reads the same clock in milliseconds, as tickCount does.
    FakeTime time;
    time.oversleep = 250;
    const auto ticks = [&time] { return static_cast<std::uint32_t>(time.now / 1000); };
    FramePacer pacer(followDisplay, false, 60, time.clock());
    lastTick = ticks();
    const std::uint32_t startTick = lastTick;
    float gameSeconds = 0.0f;
    for (int frame = 0; frame < 120; ++frame) {
        const std::uint32_t previous = lastTick;
        runFrame(ticks, nullptr);
        gameSeconds += frameStep;
        if (frame > 0) {
            // Each frame measures the paced interval, 16 2/3 ms read in whole ms.
            const std::uint32_t elapsed = lastTick - previous;
            EXPECT_TRUE(elapsed == 16 || elapsed == 17) << "frame " << frame << ": " << elapsed;
            EXPECT_FLOAT_EQ(frameStep, 0.85f * static_cast<float>(elapsed) / 1000.0f);
        }
        time.now += 2000; // the frame's work
        pacer.frameDone();
    }
    // The time slept between frames is game time like any other: two seconds
    // of paced frames are 0.85 x two seconds of game time.
    const float realSeconds = static_cast<float>(lastTick - startTick) / 1000.0f;
    EXPECT_NEAR(realSeconds, 2.0f, 0.02f);
    EXPECT_NEAR(gameSeconds, 0.85f * realSeconds, 1e-4f);
}

TEST(FramePacerTest, AStillPictureAtTheDisplaysPaceIsDrawnAtHalfItsRate)
{
    // Paced to a 60 Hz display (-novsync): a menu at rest every second
    // refresh, play at every refresh again as soon as it moves.
    FakeTime time;
    FramePacer pacer(followDisplay, false, 60, time.clock());
    runFrames(time, pacer, 5, 1000);
    const std::vector<std::int64_t> still = runFrames(time, pacer, 20, 1000, true);
    for (std::size_t i = 1; i < still.size(); ++i)
        EXPECT_NEAR(still[i] - still[i - 1], 2 * 16666, 10) << "still frame " << i;
    const std::vector<std::int64_t> moving = runFrames(time, pacer, 20, 1000);
    EXPECT_NEAR(moving[0] - still.back(), 2 * 16666, 10) << "the last still frame waited its two intervals";
    for (std::size_t i = 1; i < moving.size(); ++i)
        EXPECT_NEAR(moving[i] - moving[i - 1], 16666, 10) << "moving frame " << i;

    // A rate the player chose holds for every picture; -fps 0 never waits.
    FakeTime chosen;
    FramePacer fixed(50, true, 60, chosen.clock());
    runFrames(chosen, fixed, 3, 1000);
    const std::vector<std::int64_t> menu = runFrames(chosen, fixed, 20, 1000, true);
    for (std::size_t i = 1; i < menu.size(); ++i)
        EXPECT_NEAR(menu[i] - menu[i - 1], 20000, 10) << "-fps 50, frame " << i;
    FakeTime free;
    FramePacer unpaced(unlimited, false, 60, free.clock());
    runFrames(free, unpaced, 50, 100, true);
    EXPECT_EQ(free.sleeps + free.yields, 0);
}

// A frame equal to the picture shown has no buffer swap (the renderer leaves
// it undrawn). Where vsync paces the game, nothing would then wait for the
// display: the pacer waits one display interval instead, so the frame rate,
// and with it the frame clock's steps, stay what the swap made them; and
// such frames never count as frames the display came too fast for. Where the
// pacer paces, it paces as ever.
TEST(FramePacerTest, FramesWithoutASwapKeepThePaceTheSwapSet)
{
    const std::int64_t display = 1000000 / 60;
    struct Case {
        const char* what;
        int fps;
        bool vsync;
        std::int64_t expectedGap; // between frame starts, frames of 1 ms of work without a swap
    };
    const Case cases[] = {
        {"vsync paces: the pacer waits as the swap would", followDisplay, true, display},
        {"-fps 0 with vsync: the same", unlimited, true, display},
        {"-novsync -fps 0: nothing ever waits", unlimited, false, 1000},
        {"-fps 30 paces itself", 30, true, 1000000 / 30},
        {"-novsync paces to the display", followDisplay, false, display},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTime time;
        FramePacer pacer(c.fps, c.vsync, 60, time.clock());
        std::vector<std::int64_t> starts;
        for (int i = 0; i < 40; ++i) {
            starts.push_back(time.now);
            time.now += 1000;
            pacer.frameDone(false, false);
        }
        for (std::size_t i = 10; i < starts.size(); ++i)
            EXPECT_NEAR(starts[i] - starts[i - 1], c.expectedGap, 10) << "frame " << i;
        if (c.vsync && c.fps == followDisplay) {
            EXPECT_FALSE(pacer.pacing()) << "unswapped frames are not too fast: vsync still paces the swapped ones";
        }
    }
}
