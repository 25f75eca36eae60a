// The player's game put aside while a recorded game plays: every global the
// game computes with comes back exactly as it was, whatever the recorded game
// did to it meanwhile, and the screens the recorded game left are freed.
#include <cstdint>

#include "AppTestSupport.h"
#include "app/HeldGame.h"
#include "entities/Ninja.h"
#include "entities/Random.h"

namespace {

// The globals HeldGame keeps, as one value to compare.
struct Kept {
    int windowWidth, windowHeight;
    bool keepAspect, running;
    unsigned char keyA, keyB;
    bool latchedA;
    int mouseX, mouseY;
    float pointerX, pointerY, frameStep;
    std::uint32_t lastTick;
    std::deque<float> frameDurations;
    bool ninjaLeg;
    std::uint32_t random;

    static Kept now()
    {
        return {::windowWidth, ::windowHeight, ::keepAspect, ::running, keyState['A'], keyState['B'],
                keyLatch.latched()['A'] != 0, ::mouseX, ::mouseY, ::pointerX, ::pointerY, ::frameStep, ::lastTick,
                ::frameDurations, Ninja::nextNinjaHorizontal, thrask::randState()};
    }
    bool operator==(const Kept& o) const
    {
        return windowWidth == o.windowWidth && windowHeight == o.windowHeight && keepAspect == o.keepAspect
            && running == o.running && keyA == o.keyA && keyB == o.keyB && latchedA == o.latchedA
            && mouseX == o.mouseX && mouseY == o.mouseY && pointerX == o.pointerX && pointerY == o.pointerY
            && frameStep == o.frameStep && lastTick == o.lastTick && frameDurations == o.frameDurations
            && ninjaLeg == o.ninjaLeg && random == o.random;
    }
};

// Gives every kept global a value of its own, different for each `seed`.
void scribble(int seed)
{
    windowWidth = 800 + seed;
    windowHeight = 600 + seed;
    keepAspect = seed % 2 == 0;
    running = seed % 2 != 0;
    keyState['A'] = static_cast<unsigned char>(seed % 2);
    keyState['B'] = static_cast<unsigned char>(1 - seed % 2);
    keyLatch.reset();
    if (seed % 2 == 0) {
        keyLatch.keyDown('A');
        keyLatch.keyUp('A');
    }
    mouseX = 10 + seed;
    mouseY = 20 + seed;
    pointerX = 0.25f + static_cast<float>(seed) / 100.0f;
    pointerY = 0.75f - static_cast<float>(seed) / 100.0f;
    frameStep = 0.01f * static_cast<float>(seed);
    lastTick = 1000u * static_cast<std::uint32_t>(seed);
    frameDurations.assign(1, 0.016f + static_cast<float>(seed) / 1000.0f);
    Ninja::nextNinjaHorizontal = seed % 2 == 0;
    thrask::srand(static_cast<std::uint32_t>(4242 + seed));
}

class HeldGameTest : public FreshGlobals {
protected:
    void TearDown() override
    {
        Ninja::nextNinjaHorizontal = false;
        FreshGlobals::TearDown();
    }
};

} // namespace

TEST_F(HeldGameTest, EveryGlobalAndTheScreenComeBackAsTheyWere)
{
    auto* player = new LoggingScreen(&log, "player");
    currentScreen = player;
    scribble(2);
    const Kept before = Kept::now();

    HeldGame held;
    held.hold();
    EXPECT_TRUE(held.holding());
    EXPECT_EQ(currentScreen, nullptr) << "the recorded game starts from no screen";
    EXPECT_EQ(held.keysHeld()['A'], before.keyA);

    // The recorded game changes everything and leaves a screen of its own.
    scribble(7);
    currentScreen = new LoggingScreen(&log, "recorded");
    ASSERT_FALSE(Kept::now() == before);

    held.giveBack();
    EXPECT_FALSE(held.holding());
    EXPECT_EQ(currentScreen, player);
    EXPECT_TRUE(Kept::now() == before) << "a global was not given back";
    EXPECT_EQ(log, std::vector<std::string>{"recorded.destroyed"});
    delete player;
}

TEST_F(HeldGameTest, AGameStillHeldWhenItsHolderGoesIsGivenBack)
{
    auto* player = new LoggingScreen(&log, "player");
    currentScreen = player;
    scribble(4);
    const Kept before = Kept::now();
    {
        HeldGame held;
        held.hold();
        scribble(9);
    }
    EXPECT_EQ(currentScreen, player);
    EXPECT_TRUE(Kept::now() == before);
    delete player;
}
