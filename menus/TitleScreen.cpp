#include "menus/TitleScreen.h"

#include <iterator>
#include <algorithm>

#include "entities/Entity.h"
#include "menus/BestScoresScreen.h"
#include "menus/LoadScreen.h"
#include "menus/MenuPlaces.h"
#include "menus/OptionsScreen.h"
#include "menus/SavePrompt.h"
#include "menus/StoryScreen.h"
#include "platform/Audio.h"
#include "platform/FrameStep.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "render/Lighting.h"
#include "screens/GameEvents.h"
#include "screens/ScreenFlow.h"

namespace {

using namespace menuPlaces;

constexpr int firstLevel = 1; // where New Game starts
constexpr float entryWidth = 50.0f;
constexpr float entryHeight = 25.0f;
constexpr float markerWidth = 35.0f;
constexpr float markerHeight = 2.0f;
constexpr float backgroundDepth = 10.0f;
constexpr float signMarkerGap = 0.5f;

constexpr Colour promptColour{0, 255, 255, 255};
constexpr float promptX = -50.0f;
constexpr float promptY = -10.0f;
// The prompt's message sits one text line under the name.
constexpr float promptMessageY = promptY - 11.0f;
constexpr Colour failureColour{255, 110, 90, 255};
const char* const savedNotice = "Saved";
// Light letters rimmed dark, as the sign's own labels, so the notice reads
// on the sign's arm.
constexpr Colour savedColour{255, 236, 160, 255};
constexpr Colour savedRim{50, 30, 10, 255};
// "Saved" shows under the Save Game entry, below its marker.
constexpr float savedNoticeX = 45.0f;
constexpr float savedNoticeY = -47.0f;
// The board behind the prompt: room for its line and one more under it, and
// for a long name; in front of the title picture, behind the text.
constexpr float promptPanelX = 12.0f;
constexpr float promptPanelY = -14.0f;
constexpr float promptPanelWidth = 140.0f;
constexpr float promptPanelHeight = 30.0f;
constexpr float promptPanelDepth = 5.0f;

// The order the keyboard moves the marker in: the screen's order, top to
// bottom and left to right, then the signs.
constexpr Entry mainMenuOrder[] = {NewGame, LoadGame, GameStory, QuitGame};
constexpr Entry inGameMenuOrder[] = {ReturnGame, NewGame, SaveGame, LoadGame, GameStory, QuitGame};

// A screen a sign opens, told the menu's mode and handed its suspended game.
template <class Next>
Screen* openReturning(bool inGame, std::unique_ptr<PlayScreen> suspended);

// The signs beside the menu's own entries, after Quit Game in the keyboard's
// order, each with its picture and the screen it opens (each sign's place is
// in MenuPlaces.h). A sign's board fills its picture down to its lower edge,
// so the marker shows just below it.
struct Sign {
    const char* picture;
    Screen* (*open)(bool inGame, std::unique_ptr<PlayScreen> suspended);
};
const Sign signList[] = {
    {"Textures/Options.png", openReturning<OptionsScreen>},
    {"Textures/BestScores.png", openReturning<BestScoresScreen>},
};
static_assert(std::size(signList) == signCount, "a picture and a screen for every sign");

bool isSign(int entry)
{
    return entry >= firstSign && entry < firstSign + signCount;
}

const Sign& signOf(int entry)
{
    return signList[entry - firstSign];
}

// Gives the entry its picture (opaque black transparent) and its place. A
// picture loaded by an earlier setup of this menu is released first.
void placeEntry(Sprite& item, const char* picture, Entry entry)
{
    item.texture.release();
    item.texture = Texture();
    item.texture.loadKeyed(picture);
    item.width = entryWidth;
    item.height = entryHeight;
    item.x = centreOf(entry).x;
    item.y = centreOf(entry).y;
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

template <class Next>
Screen* openReturning(bool inGame, std::unique_ptr<PlayScreen> suspended)
{
    return makeReturning<Next>(inGame, std::move(suspended));
}

} // namespace

Texture titleTexture;

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
    for (Sprite& sign : signs)
        sign.texture.release();
}

void TitleScreen::keyDown(int key)
{
    noteShift(key, true);
    if (prompting)
        promptKey(key);
    else
        browseKey(key, false);
}

void TitleScreen::keyRepeat(int key)
{
    noteShift(key, true);
    if (prompting)
        promptKey(key);
    else
        browseKey(key, true);
}

void TitleScreen::keyUp(int key)
{
    noteShift(key, false);
    if (!armedKey_.release(key))
        return;
    // A prompt opened meanwhile (by a click) takes the keys.
    if (!prompting)
        chooseByKey(key);
}

void TitleScreen::keysHeld(const unsigned char* keys)
{
    if (keys != nullptr)
        shiftHeld_ = keys[vk::shift] != 0;
}

void TitleScreen::noteShift(int key, bool down)
{
    if (key == vk::shift)
        shiftHeld_ = down;
}

void TitleScreen::promptKey(int key)
{
    const std::string before = saveName;
    switch (SavePrompt::edit(saveName, caret, key)) {
    case SavePrompt::Outcome::Editing:
        // A changed name makes the last message stale.
        if (saveName != before)
            promptMessage.clear();
        break;
    case SavePrompt::Outcome::Cancelled:
        prompting = false;
        promptMessage.clear();
        break;
    case SavePrompt::Outcome::Confirmed:
        confirmSave();
        break;
    }
}

void TitleScreen::browseKey(int key, bool repeat)
{
    switch (key) {
    case vk::down:
        stepMarker(1);
        break;
    case vk::up:
        stepMarker(-1);
        break;
    case vk::tab:
        stepMarker(shiftHeld_ ? -1 : 1);
        break;
    case vk::enter:
    case vk::space:
    case vk::escape:
        if (!repeat)
            armedKey_.arm(key);
        break;
    default:
        break;
    }
}

void TitleScreen::chooseByKey(int key)
{
    if (key == vk::escape) {
        if (inGame)
            performEntry(ReturnGame);
    } else {
        performEntry(hovered);
    }
}

void TitleScreen::confirmSave()
{
    if (SavePrompt::isBlank(saveName)) {
        promptMessage = SavePrompt::blankNameLine;
        return;
    }
    if (!suspended) {
        prompting = false;
        return;
    }
    std::error_code why;
    if (suspended->saveGame(SavePrompt::path(saveName), why))
        saveWritten();
    else
        promptMessage = SavePrompt::failureLine(why);
}

void TitleScreen::saveWritten()
{
    audio().play(Effect::Save);
    prompting = false;
    promptMessage.clear();
    savedNoticeLeft = savedNoticeDuration;
}

void TitleScreen::mouseUp(bool left, bool /*right*/)
{
    if (prompting || !left || leaving)
        return;
    // The entry under the pointer, whatever the keyboard marked: the window
    // procedure has told the menu where the pointer is at the release.
    performEntry(pointer_.known() ? entryAt(pointer_.x(), pointer_.y()) : None);
}

void TitleScreen::performEntry(int entry)
{
    if (leaving)
        return;
    if (entry != None)
        audio().play(Effect::MenuClick);
    switch (entry) {
    case NewGame: {
        auto* play = new PlayScreen;
        play->enter();
        play->setup(firstLevel);
        gameEvents().gameStarted(play);
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
        if (!inGame)
            break;
        prompting = true;
        caret = 0;
        promptMessage.clear();
        savedNoticeLeft = 0.0f;
        break;
    default:
        if (isSign(entry))
            leaveFor(signOf(entry).open(inGame, std::move(suspended)));
        break;
    }
}

void TitleScreen::leaveFor(Screen* next)
{
    fadeTo(this, next, fadeDuration::menu);
    leaving = true;
}

int TitleScreen::entryAt(float viewX, float viewY) const
{
    // Neighbouring entries overlap; the first hit in this order wins.
    const Sprite* const order[] = {&newGameItem, &loadGameItem, &gameStoryItem, &quitGameItem,
                                   &returnGameItem, &saveGameItem};
    const Entry entries[] = {NewGame, LoadGame, GameStory, QuitGame, ReturnGame, SaveGame};
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        const Sprite& item = *order[i];
        const bool alwaysPresent = entries[i] != ReturnGame && entries[i] != SaveGame;
        if ((alwaysPresent || item.visible) && pointInSprite(item, viewX, viewY))
            return entries[i];
    }
    for (std::size_t i = 0; i < signs.size(); ++i)
        if (pointInSprite(signs[i], viewX, viewY))
            return firstSign + static_cast<int>(i);
    return None;
}

void TitleScreen::markEntry(int entry)
{
    if (entry != None && entry != hovered)
        audio().play(Effect::MenuHover);
    hovered = entry;
    marker.visible = hovered != None;
    if (isSign(hovered)) {
        marker.x = entryCentres[hovered].x;
        marker.y = entryCentres[hovered].y - signHeight / 2 - markerHeight / 2 - signMarkerGap;
    } else if (marker.visible) {
        marker.x = entryMarkers[hovered].x;
        marker.y = entryMarkers[hovered].y;
    }
}

void TitleScreen::stepMarker(int step)
{
    std::vector<int> order;
    if (inGame)
        order.assign(std::begin(inGameMenuOrder), std::end(inGameMenuOrder));
    else
        order.assign(std::begin(mainMenuOrder), std::end(mainMenuOrder));
    for (int i = 0; i < signCount; ++i)
        order.push_back(firstSign + i);
    const int count = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (order[static_cast<std::size_t>(i)] == hovered)
            at = i;
    // From no entry, on is the first entry and back the last.
    const int next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    markEntry(order[static_cast<std::size_t>(next)]);
}

void TitleScreen::mouseMove(float x, float y)
{
    // Only a pointer that moved picks the entry, so an entry chosen with the
    // keyboard stays marked while the pointer rests.
    if (pointer_.moveTo(x, y))
        markEntry(entryAt(pointer_.x(), pointer_.y()));
}

bool TitleScreen::typing() const
{
    return prompting;
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

void TitleScreen::update()
{
    savedNoticeLeft = std::max(0.0f, savedNoticeLeft - frameStep);
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
        for (const Sprite& sign : signs)
            sign.draw();
        drawSavedNotice();
        return;
    }

    // The prompt keeps full brightness: text and its board are drawn with
    // lighting off.
    const UnlitDrawing unlit;
    promptPanel.draw();
    font.colour = promptColour;
    font.text = SavePrompt::text(saveName, caret);
    font.print(promptX, promptY);
    drawPromptMessage();
}

void TitleScreen::drawPromptMessage()
{
    if (promptMessage.empty())
        return;
    font.colour = failureColour;
    font.text = promptMessage;
    font.print(promptX, promptMessageY);
}

void TitleScreen::drawSavedNotice()
{
    if (savedNoticeLeft <= 0.0f)
        return;
    const UnlitDrawing unlit;
    font.colour = savedColour;
    font.outline = savedRim;
    font.text = savedNotice;
    font.print(savedNoticeX, savedNoticeY);
    font.outline = Colour{0, 0, 0, 0};
}

void TitleScreen::setup(int mode)
{
    prompting = false;
    promptMessage.clear();
    savedNoticeLeft = 0.0f;
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

    for (Sprite& sign : signs)
        sign.texture.release();
    signs.assign(static_cast<std::size_t>(signCount), Sprite());
    for (int i = 0; i < signCount; ++i) {
        Sprite& sign = signs[static_cast<std::size_t>(i)];
        sign.texture.loadKeyed(signList[i].picture);
        sign.x = entryCentres[firstSign + i].x;
        sign.y = entryCentres[firstSign + i].y;
        sign.width = signWidth;
        sign.height = signHeight;
    }

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
