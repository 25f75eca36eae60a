// The title and in-game menu: hit tests where entries overlap, the marker,
// the save prompt, brightness and the textures the menu owns.
#include "menus/TitleScreen.h"

#include "MenuTestSupport.h"
#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"
#include "render/Renderer.h"

namespace {

constexpr int mainMenu = 1;
constexpr int inGameMenu = 2;

class TitleScreenTest : public CleanScreenFlow {
protected:
    static void pointAt(TitleScreen* menu, float x, float y) { menu->mouseMove(fraction(x), fraction(y)); }

    static void writeMenuPictures()
    {
        for (const char* name : {"title.png", "dot.gif", "NewGame.png", "LoadGame.png", "GameStory.png", "quitgame.png",
                                 "ReturnGame.png", "SaveGame.png", "prompt.png"})
            writePicture(std::string("Textures/") + name);
    }
};

} // namespace

TEST_F(TitleScreenTest, OverlappingEntriesResolveInOrder)
{
    const struct {
        int mode;
        float x, y;
        int hovered;
        float markerX, markerY;
    } cases[] = {
        {mainMenu, 0, -25, 1, 0, -27.5f},    // New Game over Load Game
        {mainMenu, 0, -45, 2, 0, -47.5f},    // Load Game over Game Story
        {mainMenu, 0, -65, 3, 0, -67.5f},    // Game Story over Quit Game
        {mainMenu, 36, -55, 3, 0, -67.5f},   // Game Story is shifted right...
        {mainMenu, -14, -55, 0, 0, 0},       // ...so its left side is empty
        {mainMenu, 0, -80, 4, 0, -87.5f},
        {mainMenu, -21, -15, 0, 0, 0},
        {mainMenu, -50, -25, 0, 0, 0},       // no Return Game in the main menu
        {mainMenu, 55, -25, 0, 0, 0},        // nor Save Game
        {inGameMenu, 30, -25, 1, 0, -27.5f}, // on the edges of three entries
        {inGameMenu, -70, -20, 5, -55, -37.5f},
        {inGameMenu, 70, -30, 6, 55, -37.5f},
    };
    // The edge case must reach the menu exactly on the edges.
    ASSERT_EQ(fraction(30) * 200.0f - 100.0f, 30.0f);
    ASSERT_EQ(fraction(-25) * 200.0f - 100.0f, -25.0f);
    TitleScreen menus[3];
    menus[mainMenu].setup(mainMenu);
    menus[inGameMenu].setup(inGameMenu);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " at " << c.x << "," << c.y);
        TitleScreen& menu = menus[c.mode];
        pointAt(&menu, c.x, c.y);
        EXPECT_EQ(menu.hovered, c.hovered);
        EXPECT_EQ(menu.marker.visible, c.hovered != 0);
        if (c.hovered != 0) {
            EXPECT_FLOAT_EQ(menu.marker.x, c.markerX);
            EXPECT_FLOAT_EQ(menu.marker.y, c.markerY);
        }
    }
}

TEST_F(TitleScreenTest, OnlyALeftReleaseOverAnEntryActs)
{
    TitleScreen* menu = makeMenu(mainMenu);
    pointAt(menu, 0, -15);
    menu->mouseUp(false, true);
    clickAt(menu, 0, 50);
    EXPECT_EQ(currentScreen, menu);
    clickAt(menu, menuPlaces::centreOf(menuPlaces::QuitGame));
    EXPECT_FALSE(running);
    EXPECT_EQ(currentScreen, menu);
}

TEST_F(TitleScreenTest, SavePromptTypesAndWritesTheSuspendedGame)
{
    auto* game = new PlayScreen;
    game->level = 5;
    game->hp = 10;
    game->score = 26;
    game->introShowing = true;
    TitleScreen* menu = makeMenu(inGameMenu, game);

    menu->keyDown(vk::letter('A')); // not prompting yet: ignored
    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    ASSERT_TRUE(menu->prompting);
    for (int key : {vk::letter('M'), vk::letter('Y'), vk::space, vk::digit(2)})
        menu->keyDown(key);
    menu->render();
    EXPECT_EQ(menu->font.text, "Save To: my 2|\n");
    EXPECT_EQ(menu->font.colour.r, 0);
    EXPECT_EQ(menu->font.colour.b, 255);

    // Clicks do nothing while the prompt is open, but the pointer is followed.
    clickAt(menu, menuPlaces::centreOf(menuPlaces::NewGame));
    EXPECT_EQ(currentScreen, menu);
    EXPECT_EQ(menu->hovered, 1);

    menu->keyDown(vk::enter);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(readFile("Save/my 2.sav"), encodeSaveRecord({5, 10, 26, 1}));

    // Opening the prompt again keeps the name with the caret at its start;
    // Esc closes it without writing.
    std::filesystem::remove_all("Save");
    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    menu->render();
    EXPECT_EQ(menu->font.text, "Save To: |my 2\n");
    menu->keyDown(vk::letter('Q'));
    menu->keyDown(vk::escape);
    EXPECT_FALSE(menu->prompting);
    EXPECT_EQ(menu->saveName, "qmy 2");
    EXPECT_FALSE(std::filesystem::exists("Save"));
}

TEST_F(TitleScreenTest, ThePromptIsPrintedOnItsBoardAtFullBrightness)
{
    const Colour green{0, 160, 0, 255};
    const Colour navy{20, 40, 80, 255};
    writePicture("Textures/title.png", green);
    writePicture("Textures/prompt.png", navy);
    // The entries as green as the title picture: a sprite without its
    // picture would be a plain quad over the board's place.
    for (const char* entry : {"Textures/NewGame.png", "Textures/ReturnGame.png", "Textures/SaveGame.png"})
        writePicture(entry, green);
    TitleScreen* menu = makeMenu(inGameMenu, new PlayScreen);
    auto pixelAt = [this](float x, float y) { return context_->pixelAtView(x, y); };
    auto same = [](Colour a, Colour b) { return a.r == b.r && a.g == b.g && a.b == b.b; };

    context_->clear();
    menu->render();
    EXPECT_TRUE(same(pixelAt(70.0f, -25.0f), green)) << "no board before the prompt opens";

    clickAt(menu, menuPlaces::centreOf(menuPlaces::SaveGame));
    ASSERT_TRUE(menu->prompting);
    // A fade's dim light leaves the prompt's board and text alone.
        renderer().setAmbient(0.2f);
    context_->clear();
    menu->render();
    // The board reaches from left of the text to well right of it, and
    // below the line for a second one.
    for (const auto& p : {std::pair<float, float>{-55.0f, -10.0f}, {70.0f, -25.0f}, {0.0f, -22.0f}})
        EXPECT_TRUE(same(pixelAt(p.first, p.second), navy)) << p.first << ", " << p.second;
    EXPECT_FALSE(same(pixelAt(0.0f, -40.0f), navy)) << "below the board: the title picture";
    int cyan = 0;
    for (int y = 85; y < 100; ++y)
        for (int x = 50; x < 100; ++x) {
            const Colour c = context_->pixel(x, y);
            cyan += c.r == 0 && c.g == 255 && c.b == 255 ? 1 : 0;
        }
    EXPECT_GT(cyan, 20) << "the prompt's text in front of its board";
}

TEST_F(TitleScreenTest, SetupRestoresFullBrightness)
{
        renderer().setAmbient(0.2f);
    makeMenu(mainMenu);
    const float ambient[4] = {renderer().ambient(), renderer().ambient(), renderer().ambient(), 1.0f};
    EXPECT_FLOAT_EQ(ambient[0], 1.0f);
    EXPECT_FLOAT_EQ(ambient[2], 1.0f);
}

TEST_F(TitleScreenTest, ReleasesExactlyTheTexturesItLoaded)
{
    delete makeMenu(mainMenu);
    EXPECT_EQ(titleTexture.glName, 0u); // missing: the next menu tries again
    writeMenuPictures();

    TitleScreen* menu = makeMenu(inGameMenu);
    const unsigned int title = titleTexture.glName;
    ASSERT_NE(title, 0u);
    EXPECT_EQ(menu->background.texture.glName, title);
    std::vector<unsigned int> names;
    for (const Sprite* sprite : {&menu->marker, &menu->newGameItem, &menu->loadGameItem,
                                 &menu->gameStoryItem, &menu->quitGameItem,
                                 &menu->returnGameItem, &menu->saveGameItem, &menu->promptPanel}) {
        ASSERT_NE(sprite->texture.glName, 0u);
        names.push_back(sprite->texture.glName);
    }
    delete menu;
    for (unsigned int name : names)
        EXPECT_FALSE(renderer().textureAlive(name)) << name;

    // The main menu shares the title picture and has no Return or Save pictures.
    menu = makeMenu(mainMenu);
    EXPECT_EQ(titleTexture.glName, title);
    EXPECT_EQ(menu->returnGameItem.texture.glName, 0u);
    EXPECT_EQ(menu->saveGameItem.texture.glName, 0u);
    EXPECT_EQ(menu->promptPanel.texture.glName, 0u) << "no prompt in the main menu";
    delete menu;
    currentScreen = nullptr;
    EXPECT_TRUE(renderer().textureAlive(title));
}
