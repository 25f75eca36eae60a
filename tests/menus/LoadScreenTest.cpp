// The load list on screen: the lines it shows, the buttons and their
// underline, restoring a game, and the textures it owns.
#include "menus/LoadScreen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menus/SaveRecord.h"
#include "menus/TitleScreen.h"

namespace {

constexpr int keyUp = 0x26;
constexpr int keyDown = 0x28;

class LoadScreenTest : public ScreenTest {
protected:
    LoadScreen* makeList(bool inGame = false, PlayScreen* suspended = nullptr)
    {
        auto* list = new LoadScreen;
        list->inGame = inGame;
        list->suspended = suspended;
        list->enter();
        list->setup(1);
        currentScreen = list;
        return list;
    }

    static void writeSaves(int count)
    {
        for (int i = 0; i < count; ++i)
            writeSaveRecord("Save/s" + std::to_string(i) + ".sav", {1, 30, i, 0});
    }

    // The lines the list drew, split at the line feeds.
    static std::vector<std::string> shownLines(const LoadScreen& list)
    {
        std::vector<std::string> lines;
        std::string line;
        for (char c : list.font.text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        EXPECT_TRUE(line.empty()) << "every line ends in a line feed";
        return lines;
    }
};

} // namespace

TEST_F(LoadScreenTest, WithoutSavesOnlyTheMessageAndReturnGame)
{
    LoadScreen* list = makeList();
    EXPECT_FALSE(list->hasEntries);
    list->keyDown(keyUp);
    list->keyDown(keyDown);
    EXPECT_EQ(list->selected, 0);
    list->render();
    EXPECT_EQ(list->font.text, "Couldn't find any saved files.\n");
    EXPECT_EQ(list->font.colour.g, 255);
    EXPECT_EQ(list->font.colour.r, 0);

    clickAt(list, 50, -50); // where Load Game would be
    EXPECT_EQ(list->hovered, 0);
    EXPECT_FALSE(list->underline.visible);
    EXPECT_EQ(currentScreen, list);
}

TEST_F(LoadScreenTest, ShowsTheWindowAroundTheSelectionWithItsThumb)
{
    writeSaves(20);
    LoadScreen* list = makeList();
    ASSERT_EQ(list->entries.size(), 20u);
    for (int i = 0; i < 6; ++i)
        list->keyDown(keyDown);
    ASSERT_EQ(list->selected, 6);
    list->render();
    const std::vector<std::string> lines = shownLines(*list);
    ASSERT_EQ(lines.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        const std::string& entryLine = list->entries[static_cast<std::size_t>(i + 1)].line;
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], (i == 5 ? "-> " : "") + entryLine);
    }
    EXPECT_FLOAT_EQ(list->scrollBar.height, 7.5f);
    EXPECT_FLOAT_EQ(list->scrollBar.y, 140.0f * 13 / 20 - 70 + 3.75f);
    EXPECT_FLOAT_EQ(list->scrollBar.x, 90.0f);
}

TEST_F(LoadScreenTest, ArrowKeysWrapAroundAndOtherKeysDoNothing)
{
    writeSaves(3);
    LoadScreen* list = makeList();
    list->keyDown(keyUp);
    EXPECT_EQ(list->selected, 2);
    list->render();
    EXPECT_EQ(shownLines(*list).size(), 3u);
    EXPECT_EQ(shownLines(*list)[2].substr(0, 3), "-> ");
    list->keyDown(keyDown);
    EXPECT_EQ(list->selected, 0);
    for (int key : {0x0D, 0x1B, 0x25, 0x27})
        list->keyDown(key);
    EXPECT_EQ(list->selected, 0);
}

TEST_F(LoadScreenTest, UnderlineFollowsTheHoveredButton)
{
    writeSaves(1);
    LoadScreen* list = makeList();
    struct Case {
        float x, y;
        int hovered;
        float underlineX, underlineY;
    };
    const Case cases[] = {
        {50, -50, 1, 50, -59},
        {21, -41, 1, 50, -59},
        {-50, -50, 2, -60, -59},
        {-79, -59, 2, -60, -59},
        {0, -50, 0, 0, 0},
        {50, -62, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        list->mouseMove(fraction(c.x), fraction(c.y));
        EXPECT_EQ(list->hovered, c.hovered);
        EXPECT_EQ(list->underline.visible, c.hovered != 0);
        if (c.hovered != 0) {
            EXPECT_FLOAT_EQ(list->underline.x, c.underlineX);
            EXPECT_FLOAT_EQ(list->underline.y, c.underlineY);
        }
    }
}

TEST_F(LoadScreenTest, LoadGameRestoresTheSelectedRecord)
{
    writeSaveRecord("Save/only.sav", {3, 10, 26, 1});
    LoadScreen* list = makeList();
    list->mouseMove(fraction(50), fraction(-50));
    list->mouseUp(false, true); // right button: nothing
    EXPECT_EQ(currentScreen, list);
    list->mouseUp(true, false);

    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->oldScreen, list);
    EXPECT_FLOAT_EQ(fade->halfDuration, 5.0f);
    auto* play = dynamic_cast<PlayScreen*>(fade->newScreen);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->level, 3);
    EXPECT_EQ(play->hp, 10);
    EXPECT_EQ(play->score, 26);
    EXPECT_TRUE(play->introShowing);

    list->mouseUp(true, false); // a second click starts nothing more
    EXPECT_EQ(currentScreen, fade);
    EXPECT_EQ(finishFade(), play);
}

TEST_F(LoadScreenTest, ReturnGameRebuildsTheMenuItCameFrom)
{
    int destroyed = 0;
    auto* game = new TrackedPlay(&destroyed);
    LoadScreen* list = makeList(true, game);
    clickAt(list, -50, -50);
    EXPECT_EQ(list->suspended, nullptr);
    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->inGame);
    EXPECT_TRUE(menu->returnGameItem.visible);
    EXPECT_EQ(menu->suspended, game);
    EXPECT_EQ(destroyed, 0);

    LoadScreen* fromMain = makeList(false);
    delete menu;
    EXPECT_EQ(destroyed, 1); // the menu still held it
    clickAt(fromMain, -50, -50);
    auto* mainMenu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(mainMenu, nullptr);
    EXPECT_FALSE(mainMenu->inGame);
    EXPECT_EQ(mainMenu->suspended, nullptr);
}

TEST_F(LoadScreenTest, ReleasesExactlyTheTexturesItLoaded)
{
    for (const char* name : {"arrow.png", "bar.png", "loadgame.png", "returngame.png", "white.bmp"})
        writePicture(std::string("Textures/") + name);
    auto* list = new LoadScreen;
    list->enter();
    EXPECT_EQ(list->downArrow.texture.glName, list->upArrow.texture.glName);
    EXPECT_FLOAT_EQ(list->downArrow.rotation, 180.0f);
    std::vector<unsigned int> names;
    for (const Sprite* sprite : {&list->upArrow, &list->scrollBar, &list->loadGameButton,
                                 &list->returnGameButton, &list->underline}) {
        ASSERT_NE(sprite->texture.glName, 0u);
        names.push_back(sprite->texture.glName);
    }
    list->render();
    delete list;
    for (unsigned int name : names)
        EXPECT_FALSE(glIsTexture(name)) << name;
}
