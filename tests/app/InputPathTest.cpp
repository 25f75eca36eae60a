// The way from the window's messages to the screens: a held key's repeats,
// taps shorter than a frame, a click that acts where it lands, the wheel,
// the loss of focus, and the player's keys in every kind of screen.
#include <memory>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "TestMessages.h"
#include "app/FrameLoop.h"
#include "app/GameRun.h"
#include "app/WindowProc.h"
#include "menus/BestScoresScreen.h"
#include "menus/MenuPlaces.h"
#include "menus/OptionsScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "menus/Settings.h"
#include "menus/TitleScreen.h"
#include "platform/KeyMapping.h"
#include "platform/Message.h"
#include "platform/VirtualKeys.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "screens/FadeScreen.h"
#include "screens/GameEvents.h"
#include "screens/ScreenFlow.h"

namespace {

// A screen that notes the input it gets and what Enter reads in its
// keysHeld and in the keyState its update sees.
struct WatchingScreen : Screen {
    void keyDown(int key) override { calls.push_back("down " + std::to_string(key)); }
    void keyRepeat(int key) override { calls.push_back("repeat " + std::to_string(key)); }
    void keyUp(int key) override { calls.push_back("up " + std::to_string(key)); }
    void mouseWheel(int notches) override { calls.push_back("wheel " + std::to_string(notches)); }
    void focusLost() override { calls.push_back("focus lost"); }
    void keysHeld(const unsigned char* keys) override { heldEnter.push_back(keys[vk::enter]); }
    void update() override { updateEnter.push_back(keyState[vk::enter]); }
    std::vector<std::string> calls;
    std::vector<int> heldEnter;
    std::vector<int> updateEnter;
};

class InputPathTest : public HeadlessGlobals {
protected:
    void TearDown() override
    {
        shutDownScreens();
        HeadlessGlobals::TearDown();
    }
    static void frame() { runFrame([] { return 0u; }, nullptr); }
    // The window pixel of a point of the menus' 200 x 200 view, in 640 x 480.
    static Message pointerAt(float viewX, float viewY)
    {
        return message(Message::MouseMove, static_cast<int>((viewX + 100.0f) / 200.0f * 640.0f),
                       static_cast<int>((100.0f - viewY) / 200.0f * 480.0f));
    }
    static Message pointerAt(menuPlaces::Point at) { return pointerAt(at.x, at.y); }
};

} // namespace

TEST_F(InputPathTest, AKeyAlreadyHeldGoesToKeyRepeatAndTheNewMessagesToTheirHandlers)
{
    WatchingScreen screen;
    currentScreen = &screen;
    for (const Message& m : {message(Message::KeyDown, vk::down), message(Message::KeyDown, vk::down),
                             message(Message::KeyUp, vk::down), message(Message::KeyDown, vk::down),
                             message(Message::Wheel, -2), message(Message::FocusLost)})
        windowProc(m);
    const std::string down = std::to_string(vk::down);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"down " + down, "repeat " + down, "up " + down,
                                                      "down " + down, "wheel -2", "focus lost"}));
    currentScreen = nullptr;
}

TEST_F(InputPathTest, AKeyTappedBetweenTwoFramesIsSeenByExactlyOneKeysHeld)
{
    const Message down = message(Message::KeyDown, vk::enter);
    const Message up = message(Message::KeyUp, vk::enter);
    struct Case {
        const char* what;
        std::vector<std::vector<Message>> batches; // the messages before each frame
        std::vector<int> held;                     // Enter in each frame's keysHeld
        std::vector<int> updated;                  // Enter in keyState during each frame's update
    };
    const Case cases[] = {
        {"a tap", {{down, up}, {}, {}}, {1, 0, 0}, {0, 0, 0}},
        {"held across frames, as ever", {{down}, {}, {up}, {}}, {1, 1, 0, 0}, {1, 1, 0, 0}},
        {"two taps count once", {{down, up, down, up}, {}}, {1, 0}, {0, 0}},
        {"tapped and pressed again: held", {{down, up, down}, {up}, {}}, {1, 0, 0}, {1, 0, 0}},
        {"auto-repeat and a quick release", {{down, down, down, up}, {}}, {1, 0}, {0, 0}},
        {"released a frame later: no tap", {{down}, {up}, {}}, {1, 0, 0}, {1, 0, 0}},
        {"a release without a press", {{up}, {}}, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        keyLatch.reset();
        WatchingScreen screen;
        currentScreen = &screen;
        for (const std::vector<Message>& batch : c.batches) {
            for (const Message& m : batch)
                windowProc(m);
            frame();
        }
        EXPECT_EQ(screen.heldEnter, c.held);
        EXPECT_EQ(screen.updateEnter, c.updated) << "a tap reaches keysHeld alone";
        EXPECT_FALSE(keyLatch.anyLatched());
        currentScreen = nullptr;
    }
}

TEST_F(InputPathTest, AClickMovedAndReleasedBetweenTwoFramesActsWhereItLands)
{
    resetGameGlobals(640, 480);
    startTitleScreen();
    windowProc(pointerAt(menuPlaces::centreOf(menuPlaces::QuitGame)));
    frame();
    auto* menu = dynamic_cast<TitleScreen*>(currentScreen);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->hovered, menuPlaces::QuitGame);

    // Moved to New Game and clicked in one batch: New Game, not Quit Game.
    windowProc(pointerAt(menuPlaces::centreOf(menuPlaces::NewGame)));
    windowProc(message(Message::ButtonDown, 0, 0, true));
    windowProc(message(Message::ButtonUp, 0, 0, true));
    EXPECT_TRUE(running);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_NE(dynamic_cast<PlayScreen*>(fade->newScreen), nullptr);
}

TEST_F(InputPathTest, KeysGivenToTheActionsPlayAndChooseAndTheKeysTheyReplacedDoNot)
{
    KeyBindings bindings;
    bindings.set(Action::Up, vk::letter('W'));
    bindings.set(Action::Down, vk::letter('S'));
    bindings.set(Action::Right, vk::letter('D'));
    bindings.set(Action::Enter, vk::space);
    KeyMapping keyboard;
    keyboard.useTable(bindings.keyTable());
    const auto key = [&keyboard](Message::Kind kind, int code) {
        const Message heard = keyboard.translate(message(kind, code), false);
        if (heard.kind != Message::None)
            windowProc(heard);
    };
    const auto tapKey = [&key](int code) {
        key(Message::KeyDown, code);
        key(Message::KeyUp, code);
    };

    // The menus: S marks the first entry, the Down arrow nothing; Space
    // (here Enter) chooses New Game.
    resetGameGlobals(640, 480);
    startTitleScreen();
    auto* menu = dynamic_cast<TitleScreen*>(currentScreen);
    ASSERT_NE(menu, nullptr);
    tapKey(vk::down);
    EXPECT_EQ(menu->hovered, 0);
    tapKey(vk::letter('S'));
    EXPECT_EQ(menu->hovered, 1);
    tapKey(vk::enter);
    EXPECT_EQ(currentScreen, menu) << "Enter's action went to Space";
    tapKey(vk::space);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    auto* play = dynamic_cast<PlayScreen*>(fade->newScreen);
    ASSERT_NE(play, nullptr);

    // Play: D and W move the cook right and up; the arrows they replaced
    // move nothing; a key left alone (Left) still plays.
    play->introShowing = false;
    const float x = play->player.x;
    const float y = play->player.y;
    frameStep = 0.1f;
    const auto held = [play] { play->keysHeld(keyState); };
    key(Message::KeyDown, vk::letter('D'));
    key(Message::KeyDown, vk::letter('W'));
    key(Message::KeyDown, vk::up);
    held();
    EXPECT_GT(play->player.x, x);
    EXPECT_GT(play->player.y, y);
    key(Message::KeyUp, vk::letter('D'));
    key(Message::KeyUp, vk::letter('W'));
    key(Message::KeyUp, vk::up);
    const float stoodX = play->player.x;
    const float stoodY = play->player.y;
    key(Message::KeyDown, vk::right);
    held();
    EXPECT_FLOAT_EQ(play->player.x, stoodX) << "the Right arrow's action went to D";
    EXPECT_FLOAT_EQ(play->player.y, stoodY);
    key(Message::KeyUp, vk::right);
    key(Message::KeyDown, vk::left);
    held();
    EXPECT_LT(play->player.x, stoodX);
    key(Message::KeyUp, vk::left);
    frameStep = 0.0f;
}

namespace {

// Keeps the replays the screens ask to watch.
struct WatchRequests : GameEvents {
    void watchReplay(const std::string& replay) override { asked.push_back(replay); }
    std::vector<std::string> asked;
};

} // namespace

TEST_F(InputPathTest, TheKeysGivenEnterAndEscChooseAndGoBackInTheBestScoresAndTheNamePrompt)
{
    constexpr int f5 = vk::f1 + 4;
    KeyBindings bindings;
    bindings.set(Action::Enter, f5);
    bindings.set(Action::Escape, vk::numpad0);
    KeyMapping keyboard;
    keyboard.useTable(bindings.keyTable());
    // As the frame loop hands the window's keys on: in the mode the
    // current screen takes them in.
    const auto tapKey = [&keyboard](int code) {
        for (const Message::Kind kind : {Message::KeyDown, Message::KeyUp}) {
            keyboard.useMode(keyModeFor(currentScreen));
            const Message heard = keyboard.translate(message(kind, code), false);
            if (heard.kind != Message::None)
                windowProc(heard);
        }
    };
    // Frames 50 ms apart until a fade is over.
    std::uint32_t now = 0;
    const auto settle = [&now] {
        for (int i = 0; i < 200 && dynamic_cast<FadeScreen*>(currentScreen) != nullptr; ++i)
            runFrame([&now] { return now += 50; }, nullptr);
        freeRetiredScreens();
    };
    BestScores games;
    games.enter({2500, 6, "2024-03-01", "mia", "20240301-000000.replay"});
    ScoreBook book(games);
    useScoreBook(&book);
    WatchRequests requests;
    listenToGame(&requests);
    resetGameGlobals(640, 480);

    // The title menu's first Up marks the Best Scores sign; F5 opens it.
    startTitleScreen();
    tapKey(vk::up);
    tapKey(f5);
    settle();
    auto* list = dynamic_cast<BestScoresScreen*>(currentScreen);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(keyModeFor(list), KeyMapping::Mode::Mapped);
    tapKey(vk::enter);
    EXPECT_TRUE(requests.asked.empty()) << "Enter's action went to F5";
    tapKey(f5);
    EXPECT_EQ(requests.asked, std::vector<std::string>{"20240301-000000.replay"});
    tapKey(vk::escape);
    EXPECT_FALSE(list->leaving) << "Esc's action went to Num 0";
    tapKey(vk::numpad0);
    EXPECT_TRUE(list->leaving);
    settle();

    // The name prompt types letters as printed, and F5 and Num 0 keep the
    // name or leave it out; so do Enter and Esc as printed on them.
    int score = 3000;
    for (const int leave : {f5, vk::numpad0, vk::enter, vk::escape}) {
        SCOPED_TRACE(leave);
        book.startGame("2024-06-01", "");
        score += 1000; // the best yet: first on the list
        const int place = book.enterGame(score, 5);
        ASSERT_EQ(place, 1);
        delete currentScreen;
        currentScreen = makeScoreEntry(place);
        auto* prompt = dynamic_cast<ScoreEntryScreen*>(currentScreen);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(keyModeFor(prompt), KeyMapping::Mode::Text);
        tapKey(vk::letter('J'));
        tapKey(vk::digit0);
        tapKey(leave);
        EXPECT_TRUE(prompt->leaving);
        const bool kept = leave == f5 || leave == vk::enter;
        EXPECT_EQ(book.list().games()[0].name, kept ? "j0" : "");
        settle();
        EXPECT_NE(dynamic_cast<BestScoresScreen*>(currentScreen), nullptr);
    }
    listenToGame(nullptr);
    useScoreBook(nullptr);
}

TEST_F(InputPathTest, OnlyAScreenWaitingForAKeyTakesEveryKeyAsPrinted)
{
    EXPECT_EQ(keyModeFor(nullptr), KeyMapping::Mode::Mapped);
    resetGameGlobals(640, 480);
    startTitleScreen();
    auto* menu = dynamic_cast<TitleScreen*>(currentScreen);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(keyModeFor(menu), KeyMapping::Mode::Mapped);
    menu->prompting = true;
    EXPECT_EQ(keyModeFor(menu), KeyMapping::Mode::Text) << "the save prompt";
    menu->prompting = false;
    OptionsScreen options;
    options.enter();
    EXPECT_EQ(keyModeFor(&options), KeyMapping::Mode::Mapped);
    options.waitingForKey = true;
    EXPECT_EQ(keyModeFor(&options), KeyMapping::Mode::AsPrinted);
}
