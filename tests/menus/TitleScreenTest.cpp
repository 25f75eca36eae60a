// The title and in-game menu: hit tests where entries overlap, the marker,
// the save prompt, brightness and the textures the menu owns.
#include "menus/TitleScreen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menus/SaveRecord.h"

namespace {

constexpr int mainMenu = 1;
constexpr int inGameMenu = 2;

class TitleScreenTest : public ScreenTest {
protected:
    TitleScreen* makeMenu(int mode, PlayScreen* suspended = nullptr)
    {
        auto* menu = new TitleScreen;
        menu->enter();
        menu->setup(mode);
        menu->suspended = suspended;
        currentScreen = menu;
        return menu;
    }

    void pointAt(TitleScreen* menu, float vx, float vy)
    {
        menu->mouseMove(fraction(vx), fraction(vy));
    }

    static void writeMenuPictures()
    {
        writePicture("Textures/title.png", {200, 100, 50, 255});
        writePicture("Textures/dot.gif");
        for (const char* name : {"NewGame.png", "LoadGame.png", "GameStory.png", "quitgame.png",
                                 "ReturnGame.png", "SaveGame.png"})
            writePicture(std::string("Textures/") + name);
    }
};

} // namespace

TEST_F(TitleScreenTest, OverlappingEntriesResolveInOrder)
{
    struct Case {
        int mode;
        float x, y;
        int hovered;
        float markerX, markerY; // when hovered
    };
    const Case cases[] = {
        {mainMenu, 0, -25, 1, 0, -27.5f},      // New Game over Load Game
        {mainMenu, 0, -45, 2, 0, -47.5f},      // Load Game over Game Story
        {mainMenu, 0, -65, 3, 0, -67.5f},      // Game Story over Quit Game
        {mainMenu, 36, -55, 3, 0, -67.5f},     // Game Story is shifted right...
        {mainMenu, -14, -55, 0, 0, 0},         // ...so its left side is empty
        {mainMenu, 0, -80, 4, 0, -87.5f},
        {mainMenu, -21, -15, 0, 0, 0},
        {mainMenu, -19, -15, 1, 0, -27.5f},
        {mainMenu, 0, 0, 0, 0, 0},
        {mainMenu, -50, -25, 0, 0, 0},         // no Return Game in the main menu
        {mainMenu, 55, -25, 0, 0, 0},          // no Save Game either
        {inGameMenu, 30, -25, 1, 0, -27.5f},   // on the edges of three entries
        {inGameMenu, -50, -25, 5, -55, -37.5f},
        {inGameMenu, -70, -20, 5, -55, -37.5f},
        {inGameMenu, 55, -25, 6, 55, -37.5f},
        {inGameMenu, 70, -30, 6, 55, -37.5f},
        {inGameMenu, 0, -45, 2, 0, -47.5f},
    };
    // The edge case must reach the menu exactly as a point on the edges.
    ASSERT_EQ(fraction(30) * 200.0f - 100.0f, 30.0f);
    ASSERT_EQ(fraction(-25) * 200.0f - 100.0f, -25.0f);
    TitleScreen* menus[3] = {nullptr, makeMenu(mainMenu), makeMenu(inGameMenu)};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " at " << c.x << "," << c.y);
        TitleScreen* menu = menus[c.mode];
        pointAt(menu, c.x, c.y);
        EXPECT_EQ(menu->hovered, c.hovered);
        EXPECT_EQ(menu->marker.visible, c.hovered != 0);
        if (c.hovered != 0) {
            EXPECT_FLOAT_EQ(menu->marker.x, c.markerX);
            EXPECT_FLOAT_EQ(menu->marker.y, c.markerY);
            EXPECT_FLOAT_EQ(menu->marker.width, 35.0f);
            EXPECT_FLOAT_EQ(menu->marker.height, 2.0f);
        }
    }
    delete menus[1];
    // menus[2] is current and is destroyed with the test.
}

TEST_F(TitleScreenTest, OnlyALeftReleaseOverAnEntryActs)
{
    TitleScreen* menu = makeMenu(mainMenu);
    pointAt(menu, 0, -15);
    menu->mouseUp(false, true);
    EXPECT_EQ(currentScreen, menu);
    pointAt(menu, 0, 50);
    menu->mouseUp(true, false);
    EXPECT_EQ(currentScreen, menu);
    EXPECT_TRUE(running);
}

TEST_F(TitleScreenTest, QuitGameStopsTheLoop)
{
    TitleScreen* menu = makeMenu(mainMenu);
    clickAt(menu, 0, -75);
    EXPECT_FALSE(running);
    EXPECT_EQ(currentScreen, menu);
}

TEST_F(TitleScreenTest, SetupRestoresFullBrightness)
{
    const GLfloat dim[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, dim);
    makeMenu(mainMenu);
    GLfloat ambient[4] = {};
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    for (float channel : ambient)
        EXPECT_FLOAT_EQ(channel, 1.0f);
}

TEST_F(TitleScreenTest, SaveGamePromptTypesAndWritesTheSuspendedGame)
{
    auto* game = new PlayScreen;
    game->level = 5;
    game->hp = 10;
    game->score = 26;
    game->introShowing = true;
    TitleScreen* menu = makeMenu(inGameMenu, game);

    menu->keyDown('A'); // not prompting yet: ignored
    EXPECT_EQ(menu->saveName, "");

    clickAt(menu, 55, -25);
    ASSERT_TRUE(menu->prompting);
    EXPECT_EQ(menu->caret, 0);
    for (int key : {int('M'), int('Y'), 0x20, int('2')})
        menu->keyDown(key);
    menu->render();
    EXPECT_EQ(menu->font.text, "Save To: my 2|\n");
    EXPECT_EQ(menu->font.colour.r, 0);
    EXPECT_EQ(menu->font.colour.g, 255);
    EXPECT_EQ(menu->font.colour.b, 255);

    // Clicks do nothing while the prompt is open, but the pointer is followed.
    clickAt(menu, 0, -15);
    EXPECT_EQ(currentScreen, menu);
    EXPECT_EQ(menu->hovered, 1);

    menu->keyDown(0x0D);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(currentScreen, menu);
    const std::string stored = readFile("Save/my 2.sav");
    EXPECT_EQ(stored, encodeSaveRecord({5, 10, 26, 1}));
    EXPECT_EQ(stored.size(), 14u);

    // Opening the prompt again keeps the name, with the caret at its start.
    clickAt(menu, 55, -25);
    ASSERT_TRUE(menu->prompting);
    EXPECT_EQ(menu->caret, 0);
    menu->render();
    EXPECT_EQ(menu->font.text, "Save To: |my 2\n");
    menu->keyDown(0x1B);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(menu->saveName, "my 2");
}

TEST_F(TitleScreenTest, EscClosesThePromptWithoutWriting)
{
    TitleScreen* menu = makeMenu(inGameMenu, new PlayScreen);
    clickAt(menu, 55, -25);
    menu->keyDown('Q');
    menu->keyDown(0x1B);
    EXPECT_FALSE(menu->prompting);
    EXPECT_FALSE(std::filesystem::exists("Save"));
    // After Esc the marker shows the entry under the pointer again.
    pointAt(menu, 0, -35);
    EXPECT_EQ(menu->hovered, 2);
    EXPECT_TRUE(menu->marker.visible);
}

TEST_F(TitleScreenTest, DrawsTheTitlePictureAtFullBrightness)
{
    writeMenuPictures();
    TitleScreen* menu = makeMenu(mainMenu);
    context_->clear();
    menu->render();
    // Away from the picture's edges, where the clamped texture would blend
    // with its border.
    const Colour corner = context_->pixelAtView(-50.0f, 50.0f);
    EXPECT_NEAR(corner.r, 200, 2);
    EXPECT_NEAR(corner.g, 100, 2);
    EXPECT_NEAR(corner.b, 50, 2);
}

TEST_F(TitleScreenTest, ReleasesExactlyTheTexturesItLoaded)
{
    writeMenuPictures();
    auto* menu = new TitleScreen;
    menu->enter();
    menu->setup(inGameMenu);
    const unsigned int title = titleTexture.glName;
    ASSERT_NE(title, 0u);
    EXPECT_EQ(menu->background.texture.glName, title);
    const Sprite* owned[] = {&menu->marker, &menu->newGameItem, &menu->loadGameItem,
                             &menu->gameStoryItem, &menu->quitGameItem,
                             &menu->returnGameItem, &menu->saveGameItem};
    std::vector<unsigned int> names;
    for (const Sprite* sprite : owned) {
        ASSERT_NE(sprite->texture.glName, 0u);
        names.push_back(sprite->texture.glName);
    }
    delete menu;
    for (unsigned int name : names)
        EXPECT_FALSE(glIsTexture(name)) << name;
    EXPECT_TRUE(glIsTexture(title));

    // A second menu shares the title picture; the main menu loads no
    // Return Game or Save Game pictures.
    auto* second = new TitleScreen;
    second->enter();
    second->setup(mainMenu);
    EXPECT_EQ(titleTexture.glName, title);
    EXPECT_EQ(second->returnGameItem.texture.glName, 0u);
    EXPECT_EQ(second->saveGameItem.texture.glName, 0u);
    EXPECT_FALSE(second->returnGameItem.visible);
    delete second;
    EXPECT_TRUE(glIsTexture(title));
}

TEST_F(TitleScreenTest, AMissingTitlePictureIsTriedAgainByTheNextMenu)
{
    delete makeMenu(mainMenu);
    currentScreen = nullptr;
    EXPECT_EQ(titleTexture.glName, 0u);
    writeMenuPictures();
    TitleScreen* menu = makeMenu(mainMenu);
    EXPECT_NE(titleTexture.glName, 0u);
    EXPECT_EQ(menu->background.texture.glName, titleTexture.glName);
}
