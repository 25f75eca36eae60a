// The play screen on the game's own levels and pictures: eating every pepper
// of every level leads from level 1 to the ending with the full score.
#include <filesystem>

#include "PlayTestSupport.h"
#include "app/Globals.h"
#include "menus/EndingScreen.h"
#include "platform/VirtualKeys.h"
#include "play/LevelFile.h"
#include "screens/FadeScreen.h"

class GameDataTest : public SeededPlay {
protected:
    void SetUp() override
    {
        SeededPlay::SetUp();
        std::filesystem::current_path(THRASK_DATA_DIR);
    }
};

TEST_F(GameDataTest, EatingEveryPepperLeadsThroughAllLevelsToTheEnding)
{
    int expectedScore = 0;
    for (int level = 1; level <= 15; ++level) {
        const LevelFile file = readLevelFile(levelFileName(level));
        expectedScore += file.peppers * file.pointsPerPepper;
    }

    auto* screen = newGame(1).release();
    currentScreen = screen;
    frameStep = 0.05f;
    keyState[vk::enter] = 1; // every intro pause ends at once
    int frames = 0;
    int highestLevel = 1;
    while (currentScreen == screen && frames < 20000) {
        // The player visits the first pepper still lying in the field and
        // shrugs off every bite: this run is about the way through the game.
        for (const Sprite& pepper : screen->peppers) {
            if (pepper.visible) {
                screen->player.x = pepper.x;
                screen->player.y = pepper.y;
                break;
            }
        }
        screen->hp = 30;
        screen->keysHeld(keyState);
        screen->update();
        highestLevel = std::max(highestLevel, screen->level);
        context.clear();
        screen->render();
        ++frames;
    }
    keyState[vk::enter] = 0;
    EXPECT_EQ(highestLevel, 16);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr) << "after " << frames << " frames";
    auto* ending = dynamic_cast<EndingScreen*>(fade->newScreen);
    ASSERT_NE(ending, nullptr);
    EXPECT_EQ(ending->finalScore, expectedScore);
    frameStep = 10.0f;
    fade->update();
    delete ending;
}
