// The screen factory: the screens below menus/ reach the menus, the ending
// and the name prompt only through the one the program installed.
#include "screens/ScreenFactory.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "app/ScreenFactories.h"
#include "play/PlayScreen.h"
#include "screens/Screen.h"
#include "screens/ScreenFlow.h"

namespace {

// A factory that hands out screens of its own and keeps what it was asked.
struct RecordingFactory : ScreenFactory {
    Screen* mainMenu() const override
    {
        ++mainMenus;
        return &made;
    }
    Screen* inGameMenu(std::unique_ptr<PlayScreen>&& suspended) const override
    {
        kept = std::move(suspended);
        return &made;
    }
    Screen* endingScreen(int finalScore, int place) const override
    {
        endingScore = finalScore;
        endingPlace = place;
        return &made;
    }
    Screen* scoreEntry(int place) const override
    {
        entryPlace = place;
        return &made;
    }

    mutable Screen made;
    mutable int mainMenus = 0;
    mutable std::unique_ptr<PlayScreen> kept;
    mutable int endingScore = -1;
    mutable int endingPlace = -1;
    mutable int entryPlace = -1;
};

// Puts the menus back for the tests that follow, whatever a test installed.
class ScreenFactoryTest : public ::testing::Test {
protected:
    void TearDown() override { installScreenFactories(); }
};

TEST_F(ScreenFactoryTest, EveryScreenAskedForComesFromTheInstalledFactoryWithItsArguments)
{
    RecordingFactory factory;
    installScreenFactory(&factory);

    EXPECT_EQ(makeMainMenu(), &factory.made);
    EXPECT_EQ(factory.mainMenus, 1);

    auto suspended = std::make_unique<PlayScreen>();
    const PlayScreen* game = suspended.get();
    EXPECT_EQ(makeInGameMenu(std::move(suspended)), &factory.made);
    EXPECT_EQ(suspended, nullptr);
    EXPECT_EQ(factory.kept.get(), game);

    EXPECT_EQ(makeEndingScreen(4250, 3), &factory.made);
    EXPECT_EQ(factory.endingScore, 4250);
    EXPECT_EQ(factory.endingPlace, 3);
    makeEndingScreen(120);
    EXPECT_EQ(factory.endingPlace, 0) << "a game off the best scores has no place";

    EXPECT_EQ(makeScoreEntry(10), &factory.made);
    EXPECT_EQ(factory.entryPlace, 10);
}

TEST_F(ScreenFactoryTest, WithoutOneEveryScreenAskedForFailsLoudlyAndKeepsTheSuspendedGame)
{
    installScreenFactory(nullptr);

    EXPECT_THROW(makeMainMenu(), std::logic_error);
    auto suspended = std::make_unique<PlayScreen>();
    EXPECT_THROW(makeInGameMenu(std::move(suspended)), std::logic_error);
    EXPECT_NE(suspended, nullptr) << "the game stays with its caller when no menu takes it";
    EXPECT_THROW(makeEndingScreen(100, 1), std::logic_error);
    EXPECT_THROW(makeScoreEntry(1), std::logic_error);
}

} // namespace
