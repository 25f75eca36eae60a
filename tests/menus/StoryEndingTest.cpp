// The story screen's way back and the ending screen's texts and key.
#include "MenuTestSupport.h"
#include "menus/EndingScreen.h"
#include "menus/StoryScreen.h"
#include "platform/VirtualKeys.h"
#include "render/Renderer.h"

namespace {

class StoryEndingTest : public CleanScreenFlow {
protected:
    static StoryScreen* makeStory(bool inGame = false, PlayScreen* suspended = nullptr)
    {
        auto* story = new StoryScreen;
        story->inGame = inGame;
        story->suspended.reset(suspended);
        story->enter();
        currentScreen = story;
        return story;
    }

    static EndingScreen* makeEnding(int score)
    {
        auto* ending = new EndingScreen;
        ending->finalScore = score;
        ending->enter();
        currentScreen = ending;
        return ending;
    }
};

} // namespace

TEST_F(StoryEndingTest, StoryBackRegionIsTheStrictLowerLeftCorner)
{
    const struct {
        float x, y;
        bool back;
    } cases[] = {
        {-33, -36, true}, {-32, -36, false}, {-33, -35, false}, {-50, -50, true}, {0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        StoryScreen* story = makeStory();
        story->pointerX = c.x;
        story->pointerY = c.y;
        story->mouseUp(false, true); // any button counts
        EXPECT_EQ(currentScreen != story, c.back);
        if (c.back) {
            EXPECT_NE(dynamic_cast<TitleScreen*>(finishFade()), nullptr);
        }
        delete currentScreen;
        currentScreen = nullptr;
    }
    // The pointer in the story's 100 x 100 view: fractions 0.17, 0.14 are
    // inside the corner.
    StoryScreen* story = makeStory();
    story->mouseMove(0.17f, 0.14f);
    EXPECT_NEAR(story->pointerX, -33.0f, 1e-4);
    EXPECT_NEAR(story->pointerY, -36.0f, 1e-4);
}

TEST_F(StoryEndingTest, HeldBackspaceOrEscCreatesOnlyOneMenu)
{
    for (const int back : {vk::backspace, vk::escape}) {
        SCOPED_TRACE(back);
        int destroyed = 0;
        auto* game = new TrackedPlay(&destroyed);
        StoryScreen* story = makeStory(true, game);
        unsigned char keys[256] = {};
        keys[vk::enter] = keys[vk::space] = keys[vk::del] = 1;
        story->keysHeld(keys);
        EXPECT_EQ(currentScreen, story) << "no other key goes back";
        keys[back] = 1;
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
        EXPECT_EQ(menu->suspended.get(), game);
        EXPECT_EQ(destroyed, 0);
        delete menu;
        currentScreen = nullptr;
        EXPECT_EQ(destroyed, 1);
    }
}

TEST_F(StoryEndingTest, TheScoreLineEndsInTheWholeFinalScoreWhateverItsSign)
{
    for (int score : {0, -120, 2147483647, -2147483647 - 1}) {
        SCOPED_TRACE(score);
        EndingScreen* ending = makeEnding(score);
        const std::string& text = ending->scoreFont.text;
        const std::string scoreLine = text.substr(0, text.find('\n'));
        const std::size_t number = scoreLine.find_last_of(' ') + 1;
        EXPECT_EQ(std::stoll(scoreLine.substr(number)), score);
        EXPECT_EQ(scoreLine.substr(number), std::to_string(score)) << "nothing before or after it";
        EXPECT_NE(text.find("\n\nPress Any Key"), std::string::npos) << "a blank line, then the prompt";
        EXPECT_FALSE(ending->creditsFont.text.empty());
        // White on the dark win picture: text is drawn unlit, in its own colour.
        for (const BitmapFont* font : {&ending->scoreFont, &ending->creditsFont}) {
            EXPECT_EQ(font->colour.r + font->colour.g + font->colour.b, 3 * 255);
        }
        delete ending;
        currentScreen = nullptr;
    }
}

TEST_F(StoryEndingTest, EndingRestoresFullBrightnessAndReleasesItsPicture)
{
    writePicture("Textures/win.png");
        renderer().setAmbient(0.1f);
    EndingScreen* ending = makeEnding(5);
    const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
    EXPECT_FLOAT_EQ(ambient[1], 1.0f);
    ending->render();
    const unsigned int name = ending->picture.texture.glName;
    ASSERT_NE(name, 0u);
    delete ending;
    currentScreen = nullptr;
    EXPECT_FALSE(renderer().textureAlive(name));
}

TEST_F(StoryEndingTest, EndingLeavesForTheMainMenuOnTheFirstKeyRelease)
{
    EndingScreen* ending = makeEnding(10);
    ending->mouseUp(true, false);
    EXPECT_EQ(currentScreen, ending);
    ending->keyUp(vk::letter('A'));
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_FLOAT_EQ(fade->halfDuration, 5.0f);
    ending->keyUp(vk::space);
    EXPECT_EQ(currentScreen, fade);
    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->inGame);
}
