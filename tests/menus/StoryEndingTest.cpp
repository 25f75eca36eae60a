// The story screen's way back and the ending screen's texts and key.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menus/EndingScreen.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"

namespace {

constexpr int keyBackspace = 0x08;

class StoryScreenTest : public ScreenTest {
protected:
    StoryScreen* makeStory(bool inGame = false, PlayScreen* suspended = nullptr)
    {
        auto* story = new StoryScreen;
        story->inGame = inGame;
        story->suspended = suspended;
        story->enter();
        story->setup(1);
        currentScreen = story;
        return story;
    }
};

class EndingScreenTest : public ScreenTest {
protected:
    EndingScreen* makeEnding(int score)
    {
        auto* ending = new EndingScreen;
        ending->finalScore = score;
        ending->enter();
        currentScreen = ending;
        return ending;
    }
};

} // namespace

TEST_F(StoryScreenTest, BackRegionIsTheStrictLowerLeftCorner)
{
    struct Case {
        float x, y;
        bool back;
    };
    const Case cases[] = {
        {-33, -36, true},  {-32, -36, false}, {-33, -35, false},
        {-50, -50, true},  {-32.01f, -35.01f, true}, {0, 0, false}, {-40, 40, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        StoryScreen* story = makeStory();
        story->pointerX = c.x;
        story->pointerY = c.y;
        story->mouseUp(true, false);
        const bool wentBack = currentScreen != story;
        EXPECT_EQ(wentBack, c.back);
        finishFade();
        delete currentScreen;
        currentScreen = nullptr;
    }
}

TEST_F(StoryScreenTest, PointerIsInHundredUnitViewAndAnyButtonGoesBack)
{
    StoryScreen* story = makeStory();
    EXPECT_FLOAT_EQ(story->camera.viewWidth, 100.0f);
    EXPECT_FLOAT_EQ(story->picture.width, 100.0f);
    story->mouseMove(0.5f, 0.25f);
    EXPECT_FLOAT_EQ(story->pointerX, 0.0f);
    EXPECT_FLOAT_EQ(story->pointerY, -25.0f);
    story->mouseMove(0.1f, 0.1f);
    story->mouseUp(false, true);
    EXPECT_NE(currentScreen, story);
    EXPECT_NE(dynamic_cast<TitleScreen*>(finishFade()), nullptr);
}

TEST_F(StoryScreenTest, HeldBackspaceCreatesOnlyOneMenu)
{
    int destroyed = 0;
    auto* game = new TrackedPlay(&destroyed);
    StoryScreen* story = makeStory(true, game);
    unsigned char keys[256] = {};
    story->keysHeld(keys);
    EXPECT_EQ(currentScreen, story);
    keys[keyBackspace] = 1;
    story->keysHeld(keys);
    Screen* fade = currentScreen;
    ASSERT_NE(dynamic_cast<FadeScreen*>(fade), nullptr);
    story->keysHeld(keys);
    story->mouseMove(0.0f, 0.0f);
    story->mouseUp(true, false);
    EXPECT_EQ(currentScreen, fade);

    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->inGame);
    EXPECT_EQ(menu->suspended, game);
    EXPECT_EQ(destroyed, 0);
}

TEST_F(EndingScreenTest, TextsCarryTheFinalScore)
{
    const struct {
        int score;
        const char* text;
    } cases[] = {
        {0, "Your final score was: 0\n\nPress Any Key to Continue\n"},
        {-120, "Your final score was: -120\n\nPress Any Key to Continue\n"},
        {48000, "Your final score was: 48000\n\nPress Any Key to Continue\n"},
    };
    for (const auto& c : cases) {
        EndingScreen* ending = makeEnding(c.score);
        EXPECT_EQ(ending->scoreFont.text, c.text);
        EXPECT_EQ(ending->creditsFont.text, "Programming, Art, Story and Design by Tolvane\n");
        for (const Colour& colour : {ending->scoreFont.colour, ending->creditsFont.colour}) {
            EXPECT_EQ(colour.r, 255);
            EXPECT_EQ(colour.g, 255);
            EXPECT_EQ(colour.b, 255);
            EXPECT_EQ(colour.a, 255);
        }
        EXPECT_FLOAT_EQ(ending->picture.width, 120.0f);
        EXPECT_FLOAT_EQ(ending->picture.height, 80.0f);
        EXPECT_FLOAT_EQ(ending->picture.y, 50.0f);
        EXPECT_FLOAT_EQ(ending->picture.depth, 10.0f);
        ending->render();
        delete ending;
        currentScreen = nullptr;
    }
}

TEST_F(EndingScreenTest, EnterRestoresFullBrightnessAndReleasesThePicture)
{
    writePicture("Textures/win.png", {0, 200, 0, 255});
    const GLfloat dim[4] = {0.1f, 0.1f, 0.1f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, dim);
    EndingScreen* ending = makeEnding(5);
    GLfloat ambient[4] = {};
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    EXPECT_FLOAT_EQ(ambient[0], 1.0f);

    // Drawn under a view other screens left behind, the picture still sits
    // in the upper half of the 200 x 200 view.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    context_->clear();
    ending->render();
    EXPECT_NEAR(context_->pixelAtView(0.0f, 50.0f).g, 200, 2);
    EXPECT_EQ(context_->pixelAtView(0.0f, -50.0f).g, 0);

    const unsigned int name = ending->picture.texture.glName;
    ASSERT_NE(name, 0u);
    delete ending;
    currentScreen = nullptr;
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(EndingScreenTest, AnyKeyReleaseLeadsToTheMainMenuOnce)
{
    EndingScreen* ending = makeEnding(10);
    ending->mouseUp(true, false);
    EXPECT_EQ(currentScreen, ending);
    ending->keyUp(0x41);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_FLOAT_EQ(fade->halfDuration, 5.0f);
    ending->keyUp(0x20);
    EXPECT_EQ(currentScreen, fade);
    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->inGame);
    EXPECT_EQ(menu->suspended, nullptr);
}
