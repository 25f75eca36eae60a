#include "menus/LoadScreen.h"

#include <cmath>

#include "entities/Entity.h"
#include "menus/ListButtons.h"
#include "menus/MenuPlaces.h"
#include "platform/Audio.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/SaveRecord.h"
#include "render/Lighting.h"
#include "screens/GameEvents.h"
#include "screens/ScreenFlow.h"

namespace {

const char* const emptyListMessage = "Couldn't find any saved files.\n";
constexpr Colour listColour{0, 255, 255, 255};
constexpr float listX = -75.0f;
constexpr float listY = 75.0f;
constexpr float messageX = -25.0f;
constexpr float messageY = 0.0f;

constexpr float viewSize = menuPlaces::viewSize;
constexpr float scrollX = 90.0f;
constexpr float arrowY = 75.0f;
constexpr float arrowSize = 5.0f;
constexpr float scrollWidth = 5.0f;
constexpr float buttonY = menuPlaces::loadListButtonY;
// The backdrop fills the view behind everything.
constexpr float backdropDepth = 9.0f;

// A line of the list takes clicks over the font's whole line step: from a
// little below its baseline (where descenders reach) up to the next line.
constexpr float lineClickBelowBaseline = 3.0f;
// The scroll arrows take clicks in a square wider than their picture.
constexpr float arrowClickSize = 10.0f;

void place(Sprite& sprite, float x, float y, float width, float height)
{
    sprite.x = x;
    sprite.y = y;
    sprite.width = width;
    sprite.height = height;
}

} // namespace

LoadScreen::~LoadScreen()
{
    upArrow.texture.release(); // the down arrow shares this texture
    scrollBar.texture.release();
    returnGameButton.texture.release();
    loadGameButton.texture.release();
}

bool LoadScreen::moveKey(int key)
{
    const int count = static_cast<int>(entries.size());
    switch (key) {
    case vk::down:
        selected = SaveList::moveSelection(selected, 1, count);
        return true;
    case vk::up:
        selected = SaveList::moveSelection(selected, -1, count);
        return true;
    case vk::pageDown:
        selected = SaveList::scrollSelection(selected, SaveList::windowLines, count);
        return true;
    case vk::pageUp:
        selected = SaveList::scrollSelection(selected, -SaveList::windowLines, count);
        return true;
    case vk::home:
        selected = SaveList::scrollSelection(0, 0, count);
        return true;
    case vk::end:
        selected = SaveList::scrollSelection(count - 1, 0, count);
        return true;
    default:
        return false;
    }
}

void LoadScreen::mouseUp(bool left, bool /*right*/)
{
    if (!left || leaving || pressHoveredButton())
        return;
    if (hasEntries)
        clickList(pointer_.x(), pointer_.y());
}

void LoadScreen::mouseWheel(int notches)
{
    // Turning the wheel away from the player goes up the list.
    selected = SaveList::scrollSelection(selected, -notches, static_cast<int>(entries.size()));
}

void LoadScreen::clickList(float viewX, float viewY)
{
    const int count = static_cast<int>(entries.size());
    const auto onArrow = [viewX, viewY](const Sprite& arrow) {
        return std::fabs(viewX - arrow.x) <= arrowClickSize / 2 && std::fabs(viewY - arrow.y) <= arrowClickSize / 2;
    };
    if (onArrow(upArrow)) {
        selected = SaveList::scrollSelection(selected, -1, count);
        return;
    }
    if (onArrow(downArrow)) {
        selected = SaveList::scrollSelection(selected, 1, count);
        return;
    }
    const int entry = entryAtLine(viewX, viewY);
    if (entry < 0)
        return;
    if (entry == selected)
        act();
    else
        selected = entry;
}

int LoadScreen::entryAtLine(float viewX, float viewY) const
{
    const int count = static_cast<int>(entries.size());
    if (count == 0 || viewX < listX || viewX >= scrollX - arrowClickSize / 2)
        return -1;
    const float fromTop = listY + BitmapFont::lineStep - lineClickBelowBaseline - viewY;
    if (fromTop < 0.0f)
        return -1;
    const SaveList::Window shown = SaveList::window(count, selected);
    const int entry = shown.first + static_cast<int>(fromTop / BitmapFont::lineStep);
    return entry < shown.last ? entry : -1;
}

void LoadScreen::act()
{
    if (leaving || selected < 0 || selected >= static_cast<int>(entries.size()))
        return;
    const SaveEntry& entry = entries[static_cast<std::size_t>(selected)];
    auto* play = new PlayScreen;
    play->enter();
    play->setup(entry.level);
    play->hp = entry.hp;
    play->introShowing = entry.introShowing;
    play->score = entry.score;
    play->level = entry.level;
    gameEvents().gameStarted(play);
    // A suspended game stays with this list and is freed with it: the
    // player chose another game over it.
    audio().play(Effect::MenuClick);
    leaveFor(play, fadeDuration::loadedGame);
}

void LoadScreen::mouseMove(float x, float y)
{
    pointer_.moveTo(x, y);
    hovered = ListButtons::follow(hovered, loadGameButton, hasEntries, returnGameButton, underline, pointer_.x(), pointer_.y());
}

void LoadScreen::enter()
{
    entries = SaveList::scan(saveFolder);
    selected = 0;
    camera.viewWidth = viewSize;
    camera.viewHeight = viewSize;
    hasEntries = !entries.empty();
    font.colour = listColour;

    upArrow.texture.load("Textures/arrow.png", noColourKey);
    place(upArrow, scrollX, arrowY, arrowSize, arrowSize);
    downArrow.texture = upArrow.texture;
    place(downArrow, scrollX, -arrowY, arrowSize, arrowSize);
    downArrow.rotation = 180.0f;

    scrollBar.texture.load("Textures/bar.png", noColourKey);
    scrollBar.x = scrollX;
    scrollBar.width = scrollWidth;

    ListButtons::place(loadGameButton, "Textures/loadgame.png", returnGameButton, underline, buttonY);
    hovered = ListButtons::None;

    backdrop.texture.load("Textures/loadlist.png", noColourKey);
    place(backdrop, 0.0f, 0.0f, viewSize, viewSize);
    backdrop.depth = backdropDepth;
}

void LoadScreen::render()
{
    // The list keeps full brightness, also while a fade runs.
    const UnlitDrawing unlit;
    camera.apply();
    backdrop.draw();

    if (hasEntries) {
        const int count = static_cast<int>(entries.size());
        const SaveList::Window shown = SaveList::window(count, selected);
        font.text.clear();
        for (int i = shown.first; i < shown.last; ++i) {
            if (i == selected)
                font.text += "-> ";
            font.text += entries[static_cast<std::size_t>(i)].line;
            font.text += '\n';
        }
        font.print(listX, listY);

        upArrow.draw();
        downArrow.draw();
        scrollBar.height = SaveList::thumbHeight(count);
        scrollBar.y = SaveList::thumbCentreY(count, selected);
        scrollBar.draw();
        loadGameButton.draw();
    } else {
        font.text = emptyListMessage;
        font.print(messageX, messageY);
    }

    returnGameButton.draw();
    underline.draw();
}
