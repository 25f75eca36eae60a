// The program in a real window on the X display the test runs under
// (xvfb-run): frames driven one call at a time, as the desktop's loop and
// the browser's animation frames drive them, reach the title menu, and the
// menu's Quit Game or a signal ends them.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/GameApp.h"
#include "app/GameRun.h"
#include "menus/TitleScreen.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"

namespace {

// More frames than the title menu needs to come up or to fade out after
// Quit Game at any frame rate.
constexpr int enoughFrames = 2000;

// Starts a windowed, silent game on the shipped data, keeping the player's
// files in the test's own folder.
int startGame(GameApp& app)
{
    const std::string here = std::filesystem::current_path().string();
    setenv("HOME", here.c_str(), 1);
    setenv("XDG_DATA_HOME", (here + "/share").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (here + "/config").c_str(), 1);
    std::vector<std::string> words{"thrask", "-win", "-w", "640", "-h", "480", "-nosound",
                                   "-data", THRASK_DATA_DIR, "-saves", here + "/saves"};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return app.start(static_cast<int>(words.size()), argv.data());
}

// Runs frames until the title menu is current; false if it never is.
bool reachTitleMenu(GameApp& app)
{
    for (int i = 0; i < enoughFrames; ++i) {
        if (dynamic_cast<const TitleScreen*>(currentScreen) != nullptr)
            return true;
        if (!app.frame())
            return false;
    }
    return false;
}

void press(int key)
{
    Message message;
    message.kind = Message::KeyDown;
    message.a = key;
    dispatchMessage(message);
    message.kind = Message::KeyUp;
    dispatchMessage(message);
}

} // namespace

class GameAppWindowTest : public FreshGlobals {
protected:
    void TearDown() override
    {
        std::filesystem::current_path(home_);
        FreshGlobals::TearDown();
    }
    // start settles the working folder in the data folder.
    std::filesystem::path home_ = std::filesystem::current_path();
};

TEST_F(GameAppWindowTest, FramesByHandReachTheTitleMenuAndQuitGameEndsThem)
{
    for (FrameWaits waits : {FrameWaits::inGame, FrameWaits::byCaller}) {
        GameApp app(waits);
        ASSERT_EQ(startGame(app), GameApp::runFrames);
        ASSERT_TRUE(reachTitleMenu(app));
        // Up three times marks Quit Game (after Best Scores and Options).
        for (int i = 0; i < 3; ++i)
            press(vk::up);
        press(vk::enter);
        int frames = 0;
        while (app.frame() && frames < enoughFrames)
            ++frames;
        EXPECT_LT(frames, enoughFrames) << "Quit Game ends the frames";
        EXPECT_FALSE(running);
        EXPECT_FALSE(app.frame()) << "an ended game runs no frame";
        EXPECT_EQ(app.finish(), 0);
        EXPECT_EQ(currentScreen, nullptr) << "the screens are freed";
        EXPECT_EQ(app.finish(), 0) << "a second finish does nothing";
        running = true;
        std::filesystem::current_path(home_);
    }
}

TEST_F(GameAppWindowTest, ASignalEndsTheGameAfterTheFrameItCameIn)
{
    for (int sig : {SIGTERM, SIGINT}) {
        GameApp app(FrameWaits::byCaller);
        ASSERT_EQ(startGame(app), GameApp::runFrames);
        ASSERT_TRUE(app.frame());
        std::raise(sig);
        EXPECT_FALSE(app.frame()) << "signal " << sig;
        EXPECT_TRUE(running) << "a signal ends the run without the menu's Quit Game";
        EXPECT_EQ(app.finish(), 0);
        std::filesystem::current_path(home_);
    }
}
