#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../render/RenderTestSupport.h"
#include "app/Globals.h"
#include "platform/VirtualKeys.h"
#include "render/BitmapFont.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "screens/Camera.h"
#include "screens/FadeScreen.h"
#include "screens/Screen.h"
#include "render/Renderer.h"

namespace {

// A screen that notes what happens to it.
struct Probe : Screen {
    explicit Probe(std::vector<const Probe*>* destroyed = nullptr) : destroyed(destroyed) {}
    ~Probe() override
    {
        if (destroyed != nullptr)
            destroyed->push_back(this);
    }
    void update() override { ++updates; }
    void render() override { ++renders; }
    void keyDown(int) override { ++inputs; }
    void mouseUp(bool, bool) override { ++inputs; }
    std::vector<const Probe*>* destroyed;
    int updates = 0;
    int renders = 0;
    int inputs = 0;
};

// Draws a lit white sprite on the left, an unlit one on the right and a line
// of white text, as the game's screens do.
struct LitScreen : Screen {
    explicit LitScreen(unsigned int white)
    {
        lit.texture.glName = white;
        lit.x = -50;
        lit.width = lit.height = 40;
        unlit = lit;
        unlit.x = 50;
        font.colour = {255, 255, 255, 255};
        font.text = "MMMM";
    }
    void render() override
    {
        Camera().apply();
        renderer().setMaterial(1.0f);
        renderer().setLighting(true);
        lit.draw();
        renderer().setLighting(false);
        unlit.draw();
        font.print(-20, -60);
    }
    Sprite lit;
    Sprite unlit;
    BitmapFont font;
};

class FadeScreenTest : public OffscreenView {
protected:
    void TearDown() override
    {
        frameStep = 0.0f;
        currentScreen = nullptr;
        OffscreenView::TearDown();
    }
};

} // namespace

RENDER_TEST_ON_BOTH_BACKENDS(FadeScreenTest);

TEST_P(FadeScreenTest, EveryDurationStartsFullyLitOnTheOldScreenAndIsBlackHalfWay)
{
    for (const float duration : {10.0f, 15.0f, 25.0f}) {
        SCOPED_TRACE(duration);
        FadeScreen fade;
        Probe a, b;
        fade.configure(&a, &b, duration);
        frameStep = 0.0f;
        fade.render();
        EXPECT_EQ(renderer().ambient(), 1.0f);
        EXPECT_EQ(a.renders, 1);
        // Half way through the fade's time: duration / 32 seconds.
        frameStep = duration / 32.0f;
        fade.progress += frameStep * 16.0f; // as update would, without ending
        fade.render();
        EXPECT_EQ(renderer().ambient(), 0.0f);
        EXPECT_EQ(b.renders, 1) << "the new screen from the darkest point on";
        fade.oldScreen = fade.newScreen = nullptr; // stack screens: not the fade's to free
    }
}

TEST_P(FadeScreenTest, ProgressesSixteenUnitsPerSecondOfFrameStepAndEndsInstallingTheNewScreen)
{
    std::vector<const Probe*> destroyed;
    auto* oldScreen = new Probe(&destroyed);
    auto* newScreen = new Probe(&destroyed);
    auto* fade = new FadeScreen;
    fade->configure(oldScreen, newScreen, 15.0f);
    currentScreen = fade;

    frameStep = 0.0f; // a frame within one tick
    fade->update();
    EXPECT_EQ(fade->progress, -7.5f);

    frameStep = 0.25f;
    fade->update();
    EXPECT_FLOAT_EQ(fade->progress, -3.5f);
    fade->update();
    fade->update();
    EXPECT_FLOAT_EQ(fade->progress, 4.5f);
    EXPECT_EQ(currentScreen, fade) << "still short of the half duration";

    fade->keyDown(vk::enter);
    fade->mouseUp(true, false);
    fade->keysHeld(keyState);
    fade->mouseMove(0.5f, 0.5f);
    EXPECT_EQ(oldScreen->inputs + newScreen->inputs, 0) << "input during a fade reaches no screen";
    EXPECT_EQ(oldScreen->updates + newScreen->updates, 0);

    fade->update(); // progress reaches 8.5 >= 7.5: the fade ends
    EXPECT_EQ(currentScreen, newScreen);
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(destroyed[0], oldScreen);
    // The fade freed itself; under the leak checker a fade left behind fails.
    delete newScreen;
}

TEST_P(FadeScreenTest, ALargeStepEndsTheFadeInOneFrameAndHandsOverFullyLit)
{
    std::vector<const Probe*> destroyed;
    auto* newScreen = new Probe(&destroyed);
    auto* fade = new FadeScreen;
    fade->configure(new Probe(&destroyed), newScreen, 25.0f);
    currentScreen = fade;
    fade->progress = 4.0f; // the last frame drawn was about a third lit
    fade->render();
    frameStep = 2.0f;
    fade->update();
    EXPECT_EQ(currentScreen, newScreen);
    EXPECT_EQ(destroyed.size(), 1u);
    const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
    EXPECT_FLOAT_EQ(ambient[0], 1.0f) << "the new screen is handed over fully lit, not left dim";

    // A fade without an old screen destroys nothing else.
    fade = new FadeScreen;
    fade->configure(nullptr, newScreen, 10.0f);
    currentScreen = fade;
    fade->update();
    EXPECT_EQ(currentScreen, newScreen);
    EXPECT_EQ(destroyed.size(), 1u);
    delete newScreen;
}

TEST_P(FadeScreenTest, AFadeThatNeverEndsFreesBothScreens)
{
    std::vector<const Probe*> destroyed;
    auto* fade = new FadeScreen;
    fade->configure(new Probe(&destroyed), new Probe(&destroyed), 15.0f);
    delete fade; // the game quit during the fade
    EXPECT_EQ(destroyed.size(), 2u);
}

TEST_P(FadeScreenTest, RendersTheOldScreenThenTheNewOneUnderTheFadingAmbient)
{
    Probe oldScreen, newScreen;
    FadeScreen fade;
    fade.configure(&oldScreen, &newScreen, 20.0f);
    struct Step {
        float frameStep;
        float level;
        int oldRenders;
        int newRenders;
    };
    // progress: -10, -5, 0, +5
    const Step steps[] = {{0.0f, 1.0f, 1, 0}, {0.3125f, 0.5f, 2, 0}, {0.3125f, 0.0f, 2, 1}, {0.3125f, 0.5f, 2, 2}};
    bool first = true;
    for (const Step& step : steps) {
        frameStep = step.frameStep;
        if (!first)
            fade.progress += frameStep * 16.0f; // as update would, without ending
        first = false;
        fade.render();
        const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
        EXPECT_FLOAT_EQ(ambient[0], step.level);
        EXPECT_FLOAT_EQ(ambient[3], 1.0f);
        EXPECT_EQ(oldScreen.renders, step.oldRenders);
        EXPECT_EQ(newScreen.renders, step.newRenders);
    }
    fade.oldScreen = fade.newScreen = nullptr;
}

TEST_P(FadeScreenTest, TheFadeDimsLitDrawingButNotUnlitSpritesOrText)
{
    ASSERT_TRUE(testpicture::writePlainPng("white.png", 2, 2, white));
    Texture texture;
    ASSERT_TRUE(texture.load("white.png", noColourKey));
    auto* oldScreen = new LitScreen(texture.glName);
    auto* fade = new FadeScreen;
    fade->configure(oldScreen, new Probe, 20.0f);
    fade->progress = -5.0f; // a quarter of the way: level 0.5

    fade->render();
    const Colour lit = at(-50, 0);
    EXPECT_NEAR(lit.r, 128, 2) << describe(lit);
    EXPECT_TRUE(same(at(50, 0), white)) << describe(at(50, 0));
    int fullTextPixels = 0;
    for (int x = 70; x < 140; ++x)
        for (int y = 30; y < 60; ++y)
            fullTextPixels += same(context->pixel(x, y), white, 0) ? 1 : 0;
    EXPECT_GT(fullTextPixels, 20) << "text keeps its full brightness";

    delete fade; // frees both screens, the font's lists with them
    texture.release();
}

TEST_P(FadeScreenTest, TheMusicFollowsTheLightAndOneLoopOnBothSidesPlaysOn)
{
    struct Playing : Screen {
        explicit Playing(MusicLoop loop) : loop(loop) {}
        MusicCue musicCue() const override { return {loop, 1.0f}; }
        MusicLoop loop;
    };
    Playing level(MusicLoop::Levels6to10);
    Screen menu; // a menu asks for the menus' loop
    Playing ending(MusicLoop::Ending);
    FadeScreen fade;
    fade.configure(&level, &menu, 20.0f);
    const struct {
        float progress;
        MusicLoop loop;
        float level;
    } steps[] = {{-10.0f, MusicLoop::Levels6to10, 1.0f}, {-2.5f, MusicLoop::Levels6to10, 0.25f},
                 {0.0f, MusicLoop::Menu, 0.0f},          {5.0f, MusicLoop::Menu, 0.5f},
                 {10.0f, MusicLoop::Menu, 1.0f}};
    for (const auto& step : steps) {
        fade.progress = step.progress;
        EXPECT_EQ(fade.musicCue().loop, step.loop) << step.progress;
        EXPECT_FLOAT_EQ(fade.musicCue().level, step.level) << step.progress;
    }
    // Between two menus the menus' loop never dips.
    Screen other;
    fade.newScreen = &other;
    fade.oldScreen = &menu;
    for (const float progress : {-10.0f, -1.0f, 0.0f, 3.0f}) {
        fade.progress = progress;
        EXPECT_EQ(fade.musicCue().loop, MusicLoop::Menu);
        EXPECT_EQ(fade.musicCue().level, 1.0f) << progress;
    }
    // The old screen gone (the fade's last frame): the new one's cue.
    fade.oldScreen = nullptr;
    fade.newScreen = &ending;
    fade.progress = 10.0f;
    EXPECT_EQ(fade.musicCue().loop, MusicLoop::Ending);
    fade.oldScreen = fade.newScreen = nullptr; // stack screens: not the fade's to free
}
