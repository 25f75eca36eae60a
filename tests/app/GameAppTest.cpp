// The program's start-up where it ends before any window: bad options and
// no display, each with its exit status and its reason, and nothing left
// open for the next run.
#include <cstdlib>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/GameApp.h"

namespace {

// The environment variables that lead the window system to a display.
constexpr const char* displayVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "SDL_VIDEODRIVER"};

// Runs start with the words after the program's name.
int startWith(GameApp& app, std::vector<std::string> words)
{
    words.insert(words.begin(), "thrask");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return app.start(static_cast<int>(words.size()), argv.data());
}

} // namespace

// No display can be reached: a start that went as far as the window would
// end with status 1 and say so.
class GameAppTest : public FreshGlobals {
protected:
    void SetUp() override
    {
        FreshGlobals::SetUp();
        for (const char* name : displayVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(value != nullptr, value != nullptr ? value : "");
            unsetenv(name);
        }
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < saved_.size(); ++i)
            if (saved_[i].first)
                setenv(displayVariables[i], saved_[i].second.c_str(), 1);
        FreshGlobals::TearDown();
    }

private:
    std::vector<std::pair<bool, std::string>> saved_;
};

TEST_F(GameAppTest, OptionsThatCannotBeUsedEndTheRunBeforeAnyWindow)
{
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"-win", "-renderer", "gl3"}, 2, "thrask: -renderer needs gl1 or gles2\nUsage: thrask [options]"},
        {{"-record", "a.replay", "-replay", "b.replay"}, 1, "-record and -replay cannot be used together"},
        {{"-volume"}, 1, "thrask: -help lists the options"},
    };
    for (const Case& c : cases) {
        GameApp app;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(startWith(app, c.words), c.status) << c.says;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(said.find("no display"), std::string::npos) << "no window was tried: " << said;
        EXPECT_FALSE(app.frame());
        EXPECT_EQ(app.finish(), 0);
    }
}

TEST_F(GameAppTest, HelpAndVersionPrintAndEndWithStatusZero)
{
    for (const char* word : {"-help", "--version"}) {
        GameApp app;
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(startWith(app, {word}), 0);
        const std::string printed = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(printed.find(std::string(word) == "-help" ? "-renderer" : "thrask "), std::string::npos) << printed;
        EXPECT_FALSE(app.frame()) << word << " runs no frame";
    }
}

TEST_F(GameAppTest, WithoutADisplayTheRunEndsWithStatusOneAndReleasesWhatItOpened)
{
    for (int run = 0; run < 2; ++run) {
        GameApp app;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(startWith(app, {"-win", "-nosound"}), 1) << "run " << run;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("thrask: no display available"), std::string::npos) << said;
        EXPECT_FALSE(app.frame());
        EXPECT_EQ(app.finish(), 0);
        EXPECT_EQ(currentScreen, nullptr);
    }
}
