// The Options screen: what each row changes, the keys it binds and refuses,
// the ways back to the menu it came from, and the mouse beside the keyboard.
#include <string>
#include <vector>

#include "Listening.h"
#include "MenuTestSupport.h"
#include "menus/OptionsScreen.h"
#include "menus/SettingsHost.h"
#include "platform/VirtualKeys.h"

namespace {

using Row = OptionsScreen;

// A host whose settings the test reads, with a line of trouble to show.
class TestHost : public SettingsHost {
public:
    std::string trouble() const override { return troubleLine; }
    std::string troubleLine;
};

class OptionsScreenTest : public CleanScreenFlow {
protected:
    void SetUp() override
    {
        CleanScreenFlow::SetUp();
        useSettingsHost(&host);
    }
    void TearDown() override
    {
        CleanScreenFlow::TearDown();
        useSettingsHost(nullptr);
    }

    // The screen as the menu opens it, made current.
    OptionsScreen* open(bool inGame = false, PlayScreen* suspended = nullptr)
    {
        auto* options = new OptionsScreen;
        options->inGame = inGame;
        options->suspended.reset(suspended);
        options->enter();
        currentScreen = options;
        return options;
    }

    // Presses and releases each key, as the window procedure hands a fresh press over.
    static void press(OptionsScreen* screen, std::initializer_list<int> keys)
    {
        for (const int key : keys) {
            screen->keyDown(key);
            screen->keyUp(key);
        }
    }

    // Selects a row from the first with Down.
    static void goTo(OptionsScreen* screen, int row)
    {
        while (screen->selected != row)
            press(screen, {vk::down});
    }

    // A point on a row's name, in the view.
    static float rowY(int row)
    {
        for (float y = 80.0f; y > -80.0f; y -= 0.25f)
            if (OptionsScreen::rowAt(-60.0f, y) == row)
                return y - 1.0f;
        return 0.0f;
    }

    const Settings& settings() const { return host.settings(); }

    TestHost host;
};

} // namespace

TEST_F(OptionsScreenTest, EachRowChangesItsSettingAndTheVolumesStopAtTheirEnds)
{
    OptionsScreen* screen = open();
    EXPECT_EQ(screen->selected, Row::EffectsVolume);
    press(screen, {vk::right});
    EXPECT_EQ(settings().effectsVolume, 100) << "already at full";
    press(screen, {vk::left, vk::left});
    EXPECT_EQ(settings().effectsVolume, 80);
    EXPECT_EQ(screen->valueText(Row::EffectsVolume), "< 80 >");
    for (int i = 0; i < 12; ++i)
        screen->keyRepeat(vk::left);
    EXPECT_EQ(settings().effectsVolume, 0) << "a held Left turns down to silence and no further";

    press(screen, {vk::down, vk::left});
    EXPECT_EQ(settings().musicVolume, 90);

    // Enter, Space and Left/Right switch the others.
    const struct {
        int row;
        int key;
        bool Settings::*field;
        const char* shown;
    } switches[] = {
        {Row::Music, vk::enter, &Settings::music, "Off"},
        {Row::Display, vk::space, &Settings::fullScreen, "Window"},
        {Row::Aspect, vk::right, &Settings::aspect, "Yes"},
        {Row::Hud, vk::left, &Settings::hud, "Off"},
        {Row::PauseOnFocusLoss, vk::enter, &Settings::pauseOnFocusLoss, "No"},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(OptionsScreen::rowName(s.row));
        goTo(screen, s.row);
        const bool before = settings().*s.field;
        press(screen, {s.key});
        EXPECT_NE(settings().*s.field, before);
        EXPECT_EQ(screen->valueText(s.row), s.shown);
    }
    EXPECT_FALSE(hudShown) << "the HUD follows its setting at once";
    screen->keyDown(vk::right);
    screen->keyRepeat(vk::right);
    screen->keyRepeat(vk::right);
    screen->keyUp(vk::right);
    EXPECT_TRUE(settings().pauseOnFocusLoss) << "a held Right switches once";
    hudShown = true;

    // Reset: everything back but the display, as the player has it.
    goTo(screen, Row::Reset);
    press(screen, {vk::enter});
    Settings expected;
    expected.fullScreen = false;
    EXPECT_EQ(settings(), expected);
}

TEST_F(OptionsScreenTest, AKeyIsBoundOnlyWhenNoOtherActionHasItAndEscKeepsTheOldOne)
{
    OptionsScreen* screen = open();
    goTo(screen, Row::KeyUp);
    screen->keyDown(vk::enter);
    EXPECT_FALSE(screen->waitingForKey) << "Enter acts when released";
    screen->keyUp(vk::enter);
    ASSERT_TRUE(screen->waitingForKey);
    EXPECT_TRUE(screen->typing()) << "the keys come as printed on them";
    EXPECT_EQ(screen->valueText(Row::KeyUp), "Press a key");

    // Keys in use and keys of the whole game are refused; waiting goes on.
    for (const int refused : {vk::down, vk::enter, vk::letter('M'), vk::f11}) {
        SCOPED_TRACE(refused);
        press(screen, {refused});
        EXPECT_TRUE(screen->waitingForKey);
        EXPECT_NE(screen->keyLine.find("press another key"), std::string::npos) << screen->keyLine;
    }
    EXPECT_EQ(settings().keys, KeyBindings());
    press(screen, {vk::letter('W')});
    EXPECT_FALSE(screen->waitingForKey);
    EXPECT_EQ(settings().keys.key(Action::Up), vk::letter('W'));
    EXPECT_EQ(screen->valueText(Row::KeyUp), "W");
    EXPECT_TRUE(screen->keyLine.empty());

    // The key that plays Esc stops waiting and keeps the key; so does a click.
    press(screen, {vk::down, vk::enter});
    ASSERT_TRUE(screen->waitingForKey);
    press(screen, {vk::escape});
    EXPECT_FALSE(screen->waitingForKey);
    EXPECT_EQ(settings().keys.key(Action::Down), vk::down);
    EXPECT_EQ(currentScreen, screen) << "the Esc that stopped waiting goes nowhere";
    press(screen, {vk::enter});
    screen->mouseUp(true, false);
    EXPECT_FALSE(screen->waitingForKey);

    // Esc itself may go to another key; that key then stops the waiting,
    // and the old Esc is free to bind.
    goTo(screen, Row::KeyEscape);
    press(screen, {vk::enter, vk::backspace});
    EXPECT_EQ(settings().keys.key(Action::Escape), vk::backspace);
    goTo(screen, Row::KeyLeft);
    press(screen, {vk::enter, vk::backspace});
    EXPECT_FALSE(screen->waitingForKey);
    EXPECT_EQ(settings().keys.key(Action::Left), vk::left);
    press(screen, {vk::enter, vk::escape});
    EXPECT_EQ(settings().keys.key(Action::Left), vk::escape);

    // Reset brings the game's own keys back.
    goTo(screen, Row::Reset);
    press(screen, {vk::enter});
    EXPECT_EQ(settings().keys, KeyBindings());
}

TEST_F(OptionsScreenTest, EscAndBackReturnToTheMenuItCameFromWithItsGame)
{
    for (const bool byRow : {false, true}) {
        SCOPED_TRACE(byRow ? "Back" : "Esc");
        int destroyed = 0;
        auto* game = new TrackedPlay(&destroyed);
        OptionsScreen* screen = open(true, game);
        if (byRow) {
            goTo(screen, Row::Back);
            press(screen, {vk::enter});
        } else {
            screen->keyDown(vk::escape);
            EXPECT_EQ(currentScreen, screen) << "Esc acts when released";
            screen->keyUp(vk::escape);
        }
        ASSERT_TRUE(screen->leaving);
        press(screen, {vk::enter, vk::escape}); // a leaving screen takes no second choice
        auto* menu = dynamic_cast<TitleScreen*>(finishFade());
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->inGame);
        EXPECT_EQ(menu->suspended.get(), game);
        EXPECT_EQ(destroyed, 0);
        delete currentScreen;
        currentScreen = nullptr;
    }
    OptionsScreen* screen = open();
    // Esc held since the menu (pressed there) chooses nothing here.
    screen->keyUp(vk::escape);
    EXPECT_EQ(currentScreen, screen);
    press(screen, {vk::escape});
    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->inGame);
}

TEST_F(OptionsScreenTest, ThePointerSelectsAClickChoosesAndTheWheelTurnsAVolume)
{
    Listening listening;
    OptionsScreen* screen = open();
    screen->mouseMove(fraction(0.0f), fraction(rowY(Row::Hud)));
    EXPECT_EQ(screen->selected, Row::EffectsVolume) << "where the pointer stood is only learnt";
    screen->mouseMove(fraction(-60.0f), fraction(rowY(Row::Music)));
    EXPECT_EQ(screen->selected, Row::Music);
    screen->mouseUp(true, false);
    EXPECT_FALSE(settings().music);
    screen->mouseUp(false, true);
    EXPECT_FALSE(settings().music) << "the right button does nothing";

    // A volume's "<" and ">", and the wheel over it.
    const float y = rowY(Row::MusicVolume);
    clickAt(screen, 26.0f, y);
    EXPECT_EQ(settings().musicVolume, 90);
    clickAt(screen, 60.0f, y);
    clickAt(screen, 60.0f, y);
    EXPECT_EQ(settings().musicVolume, 100);
    screen->mouseWheel(-3);
    EXPECT_EQ(settings().musicVolume, 90) << "a turn of the wheel is one step";
    clickAt(screen, -60.0f, y);
    EXPECT_EQ(settings().musicVolume, 90) << "a click on the row's name turns nothing";

    // Off the board nothing is picked or done.
    screen->mouseMove(fraction(0.0f), fraction(95.0f));
    screen->mouseUp(true, false);
    EXPECT_EQ(screen->selected, Row::MusicVolume);
    EXPECT_GT(listening.heard.count(Effect::MenuClick), 0);

    clickAt(screen, -60.0f, rowY(Row::Back));
    EXPECT_TRUE(screen->leaving);
}

TEST_F(OptionsScreenTest, TheTitleMenusSignOpensItFromBothMenus)
{
    for (const int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        auto* game = mode == 2 ? new PlayScreen : nullptr;
        TitleScreen* menu = makeMenu(mode, game);
        ASSERT_EQ(menu->signs.size(), 2u) << "Options, then Best Scores";
        clickAt(menu, menu->signs[0].x, menu->signs[0].y);
        EXPECT_EQ(menu->hovered, 7);
        auto* options = dynamic_cast<OptionsScreen*>(finishFade());
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->inGame, mode == 2);
        EXPECT_EQ(options->suspended.get(), game);
        delete currentScreen;
        currentScreen = nullptr;
    }
}

TEST_F(OptionsScreenTest, ItShowsItsRowsOnABoardAndWhatCouldNotBeKept)
{
    writePicture("Textures/title.png", Colour{0, 200, 0, 255});
    titleTexture.load("Textures/title.png", noColourKey);
    host.troubleLine = "Settings not kept: Read-only file system";
    OptionsScreen* screen = open();
    context_->clear();
    screen->render();
    // The board's dark fill where no text is, the title picture around it.
    const Colour board = context_->pixelAtView(80.0f, 60.0f);
    EXPECT_LT(board.r + board.g + board.b, 3 * 90);
    const Colour around = context_->pixelAtView(96.0f, -98.0f);
    EXPECT_GT(around.g, around.r + 60) << "the title picture beside the board";
    // Some light text on each row's line, and on the trouble line.
    const auto inked = [this](float y) {
        int light = 0;
        for (float x = -84.0f; x < 80.0f; x += 0.5f)
            for (float dy = 0.0f; dy < 4.0f; dy += 0.5f) {
                const Colour c = context_->pixelAtView(x, y + dy);
                light += c.r + c.g + c.b > 3 * 150 ? 1 : 0;
            }
        return light;
    };
    EXPECT_GT(inked(rowY(Row::EffectsVolume)), 10);
    EXPECT_GT(inked(rowY(Row::Back)), 10);
    EXPECT_GT(inked(-89.0f), 10) << "the line about what was not kept";
}
