// The screen flow: handing over through fadeTo, freeing retired screens, and
// the base screen every screen builds on.
#include "screens/ScreenFlow.h"

#include <cstring>
#include <vector>

#include "../render/RenderTestSupport.h"
#include "platform/FrameStep.h"
#include "render/Lighting.h"
#include "screens/FadeScreen.h"
#include "screens/Screen.h"
#include "render/Renderer.h"

namespace {

// A screen that notes its destruction and, when given one, retires another
// screen from its destructor.
struct Noting : Screen {
    Noting(std::vector<const Screen*>* destroyed, Screen* retireOnDestruction = nullptr)
        : destroyed(destroyed), retireOnDestruction(retireOnDestruction) {}
    ~Noting() override
    {
        destroyed->push_back(this);
        retireScreen(retireOnDestruction);
    }
    std::vector<const Screen*>* destroyed;
    Screen* retireOnDestruction;
};

// A clean screen flow on the off-screen view.
class ScreenFlowOnView : public OffscreenView {
protected:
    void TearDown() override
    {
        freeRetiredScreens();
        currentScreen = nullptr;
        frameStep = 0.0f;
        OffscreenView::TearDown();
    }
};

using FadeTo = ScreenFlowOnView;
using RetiredScreens = ScreenFlowOnView;
using BaseScreen = ScreenFlowOnView;

} // namespace

RENDER_TEST_ON_BOTH_BACKENDS(FadeTo);
RENDER_TEST_ON_BOTH_BACKENDS(RetiredScreens);
RENDER_TEST_ON_BOTH_BACKENDS(BaseScreen);

TEST_P(FadeTo, TheFadeTakesOverAtOnceAndInstallsTheNextScreenAfterDurationOver16Seconds)
{
    // A frame of 1/64 s advances a fade by a quarter of a unit, exactly.
    for (const float duration : {fadeDuration::menu, fadeDuration::loadedGame, fadeDuration::ending}) {
        SCOPED_TRACE(duration);
        std::vector<const Screen*> destroyed;
        auto* from = new Noting(&destroyed);
        auto* to = new Noting(&destroyed);
        currentScreen = from;
        fadeTo(from, to, duration);
        auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
        ASSERT_NE(fade, nullptr);
        EXPECT_EQ(fade->oldScreen, from);
        EXPECT_EQ(fade->newScreen, to);

        frameStep = 1.0f / 64.0f;
        int frames = 0;
        float darkest = 1.0f;
        while (currentScreen == fade && frames < 1000) {
            fade->render();
            const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
            darkest = std::min(darkest, ambient[0]);
            fade->update();
            ++frames;
        }
        EXPECT_EQ(frames, static_cast<int>(duration * 4)) << "duration / 16 seconds of 1/64 s frames";
        EXPECT_EQ(darkest, 0.0f) << "black half way";
        EXPECT_EQ(currentScreen, to);
        EXPECT_EQ(destroyed, std::vector<const Screen*>{from});
        delete to;
        currentScreen = nullptr;
    }
}

TEST_P(RetiredScreens, AreFreedAtTheNextFrameEvenWhenTheirDestructorRetiresAnother)
{
    std::vector<const Screen*> destroyed;
    auto* second = new Noting(&destroyed);
    auto* first = new Noting(&destroyed, second);
    retireScreen(first);
    retireScreen(nullptr); // nothing to free
    EXPECT_TRUE(destroyed.empty()) << "nothing is freed on the spot";
    freeRetiredScreens();
    EXPECT_EQ(destroyed, (std::vector<const Screen*>{first, second}));
    EXPECT_TRUE(retiredScreens.empty());
}

TEST_P(BaseScreen, ItsCallsDrawNothingHandNothingOverAndChangeNoSharedState)
{
    // Screens override only what they need; every other call of the frame
    // loop and the window procedure must leave the game as it was.
    setAmbientLight(0.25f);
    Screen screen;
    currentScreen = &screen;
    frameStep = 0.5f;
    unsigned char keys[256] = {};
    keys[3] = 1;
    screen.keyDown(3);
    screen.keyUp(3);
    screen.mouseDown(true, false);
    screen.mouseUp(true, false);
    screen.mouseMove(0.5f, 0.5f);
    screen.enter();
    screen.setup(menuMode::inGame);
    screen.keysHeld(keys);
    screen.update();
    screen.render();

    EXPECT_EQ(currentScreen, &screen);
    EXPECT_TRUE(retiredScreens.empty());
    EXPECT_TRUE(running);
    EXPECT_EQ(frameStep, 0.5f);
    EXPECT_EQ(keys[3], 1);
    EXPECT_EQ(drawnPixels(), 0);
    const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
    EXPECT_EQ(ambient[0], 0.25f) << "the light is left as it was";
}
