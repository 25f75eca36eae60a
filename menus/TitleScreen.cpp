#include "menus/TitleScreen.h"

#include <GL/gl.h>

#include "entities/Entity.h"
#include "menus/LoadScreen.h"
#include "menus/SavePrompt.h"
#include "menus/StoryScreen.h"
#include "play/PlayScreen.h"
#include "render/Lighting.h"
#include "screens/ScreenFlow.h"

namespace {

constexpr float viewSize = 200.0f;
constexpr int firstLevel = 1; // where New Game starts
constexpr float entryWidth = 50.0f;
constexpr float entryHeight = 25.0f;
constexpr float markerWidth = 35.0f;
constexpr float markerHeight = 2.0f;
constexpr float backgroundDepth = 10.0f;

constexpr Colour promptColour{0, 255, 255, 255};
constexpr float promptX = -50.0f;
constexpr float promptY = -10.0f;
// The board behind the prompt: room for its line and one more under it, and
// for a long name; in front of the title picture, behind the text.
constexpr float promptPanelX = 12.0f;
constexpr float promptPanelY = -14.0f;
constexpr float promptPanelWidth = 140.0f;
constexpr float promptPanelHeight = 30.0f;
constexpr float promptPanelDepth = 5.0f;

enum Entry { None = 0, NewGame, LoadGame, GameStory, QuitGame, ReturnGame, SaveGame };

// Where each entry sits and where its marker goes (on the entry's lower edge).
struct EntryPlace {
    float x, y;
    float markerX, markerY;
};
constexpr EntryPlace places[] = {
    {0.0f, 0.0f, 0.0f, 0.0f},      // none
    {5.0f, -15.0f, 0.0f, -27.5f},  // New Game
    {5.0f, -35.0f, 0.0f, -47.5f},  // Load Game
    {12.0f, -55.0f, 0.0f, -67.5f}, // Game Story
    {5.0f, -75.0f, 0.0f, -87.5f},  // Quit Game
    {-50.0f, -25.0f, -55.0f, -37.5f}, // Return Game
    {55.0f, -25.0f, 55.0f, -37.5f},   // Save Game
};

// Gives the entry its picture (opaque black transparent) and its place. A
// picture loaded by an earlier setup of this menu is released first.
void placeEntry(Sprite& item, const char* picture, Entry entry)
{
    item.texture.release();
    item.texture = Texture();
    item.texture.loadKeyed(picture);
    item.width = entryWidth;
    item.height = entryHeight;
    item.x = places[entry].x;
    item.y = places[entry].y;
    item.visible = true;
}

void removeEntry(Sprite& item)
{
    item.texture.release();
    item.texture = Texture();
    item.visible = false;
}

// A screen that returns to the menu it was opened from (the load list, the
// story): it learns the menu's mode and holds the suspended game meanwhile.
template <class Next>
Next* makeReturning(bool inGame, std::unique_ptr<PlayScreen> suspended)
{
    auto* next = new Next;
    next->inGame = inGame;
    next->suspended = std::move(suspended);
    next->enter();
    return next;
}

} // namespace

Texture titleTexture;

Screen* makeMainMenu()
{
    auto* menu = new TitleScreen;
    menu->enter();
    menu->setup(menuMode::title);
    return menu;
}

Screen* makeInGameMenu(std::unique_ptr<PlayScreen> suspended)
{
    auto* menu = new TitleScreen;
    menu->enter();
    menu->setup(menuMode::inGame);
    menu->suspended = std::move(suspended);
    return menu;
}

TitleScreen::TitleScreen()
{
    if (titleTexture.glName == 0)
        titleTexture.load("Textures/title.png", noColourKey);
}

TitleScreen::~TitleScreen()
{
    marker.texture.release();
    loadGameItem.texture.release();
    newGameItem.texture.release();
    gameStoryItem.texture.release();
    quitGameItem.texture.release();
    if (returnGameItem.visible)
        returnGameItem.texture.release();
    if (saveGameItem.visible)
        saveGameItem.texture.release();
    promptPanel.texture.release();
}

void TitleScreen::keyDown(int key)
{
    if (!prompting)
        return;
    switch (SavePrompt::edit(saveName, caret, key)) {
    case SavePrompt::Outcome::Editing:
        break;
    case SavePrompt::Outcome::Cancelled:
        prompting = false;
        break;
    case SavePrompt::Outcome::Confirmed:
        prompting = false;
        if (suspended)
            suspended->saveGame(SavePrompt::path(saveName));
        break;
    }
}

void TitleScreen::mouseUp(bool left, bool /*right*/)
{
    if (prompting || !left || leaving)
        return;

    switch (hovered) {
    case NewGame: {
        auto* play = new PlayScreen;
        play->enter();
        play->setup(firstLevel);
        // A suspended game stays with this menu and is freed with it.
        leaveFor(play);
        break;
    }
    case LoadGame:
        leaveFor(makeReturning<LoadScreen>(inGame, std::move(suspended)));
        break;
    case GameStory:
        leaveFor(makeReturning<StoryScreen>(inGame, std::move(suspended)));
        break;
    case QuitGame:
        running = false;
        break;
    case ReturnGame:
        if (suspended)
            leaveFor(suspended.release());
        break;
    case SaveGame:
        prompting = true;
        caret = 0;
        break;
    default:
        break;
    }
}

void TitleScreen::leaveFor(Screen* next)
{
    fadeTo(this, next, fadeDuration::menu);
    leaving = true;
}

void TitleScreen::mouseMove(float x, float y)
{
    const float px = x * viewSize - viewSize / 2;
    const float py = y * viewSize - viewSize / 2;

    // Neighbouring entries overlap; the first hit in this order wins.
    const Sprite* const order[] = {&newGameItem, &loadGameItem, &gameStoryItem, &quitGameItem,
                                   &returnGameItem, &saveGameItem};
    const Entry entries[] = {NewGame, LoadGame, GameStory, QuitGame, ReturnGame, SaveGame};
    hovered = None;
    for (int i = 0; i < 6; ++i) {
        const Sprite& item = *order[i];
        const bool alwaysPresent = i < 4;
        if ((alwaysPresent || item.visible) && pointInSprite(item, px, py)) {
            hovered = entries[i];
            break;
        }
    }

    marker.visible = hovered != None;
    if (marker.visible) {
        marker.x = places[hovered].markerX;
        marker.y = places[hovered].markerY;
    }
}

void TitleScreen::enter()
{
    camera.viewWidth = viewSize;
    camera.viewHeight = viewSize;
    background.texture.glName = titleTexture.glName;
    background.width = viewSize;
    background.height = viewSize;
    background.x = 0.0f;
    background.y = 0.0f;
    background.depth = backgroundDepth;
}

void TitleScreen::render()
{
    beginLitDrawing();
    camera.apply();
    background.draw();

    if (!prompting) {
        marker.draw();
        newGameItem.draw();
        loadGameItem.draw();
        gameStoryItem.draw();
        quitGameItem.draw();
        returnGameItem.draw();
        saveGameItem.draw();
        return;
    }

    // The prompt keeps full brightness: text and its board are drawn with
    // lighting off.
    glDisable(GL_LIGHTING);
    promptPanel.draw();
    font.colour = promptColour;
    font.text = SavePrompt::text(saveName, caret);
    font.print(promptX, promptY);
}

void TitleScreen::setup(int mode)
{
    prompting = false;
    setFullLight();

    marker.texture.release();
    marker.texture = Texture();
    marker.texture.load("Textures/dot.gif", noColourKey);
    marker.width = markerWidth;
    marker.height = markerHeight;
    marker.x = 0.0f;
    marker.visible = false;

    placeEntry(newGameItem, "Textures/NewGame.png", NewGame);
    placeEntry(loadGameItem, "Textures/LoadGame.png", LoadGame);
    placeEntry(gameStoryItem, "Textures/GameStory.png", GameStory);
    placeEntry(quitGameItem, "Textures/quitgame.png", QuitGame);

    removeEntry(returnGameItem);
    removeEntry(saveGameItem);
    inGame = false;
    if (mode == menuMode::inGame) {
        inGame = true;
        placeEntry(returnGameItem, "Textures/ReturnGame.png", ReturnGame);
        placeEntry(saveGameItem, "Textures/SaveGame.png", SaveGame);
        promptPanel.texture.release();
        promptPanel.texture = Texture();
        promptPanel.texture.loadKeyed("Textures/prompt.png");
        promptPanel.x = promptPanelX;
        promptPanel.y = promptPanelY;
        promptPanel.width = promptPanelWidth;
        promptPanel.height = promptPanelHeight;
        promptPanel.depth = promptPanelDepth;
    }
}
