#include "menus/BestScoresScreen.h"

#include <cmath>

#include "menus/ListButtons.h"
#include "menus/MenuPlaces.h"
#include "menus/SaveList.h"
#include "platform/Audio.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "render/Lighting.h"
#include "render/Panel.h"
#include "screens/GameEvents.h"
#include "screens/ScreenFlow.h"

namespace {

constexpr float viewSize = menuPlaces::viewSize;

// The board of the backdrop runs from x -84 to 84 and from y 90 to -58.
constexpr float titleY = 76.0f;
constexpr int titleTextHeight = 24;
constexpr float headingY = 62.0f;
constexpr float firstLineY = 51.0f;
constexpr float lineStep = 10.0f;
// A line takes clicks from a little below its baseline up to the next line.
constexpr float lineClickBelowBaseline = 3.0f;
constexpr float boardLeft = -84.0f;
constexpr float boardRight = 84.0f;

// Columns: the place and the score end at their x, the name and the day
// start at theirs, the level ends at its x.
constexpr float placeRight = -68.0f;
constexpr float scoreRight = -36.0f;
constexpr float nameLeft = -30.0f;
constexpr float nameRoom = 64.0f;
constexpr float levelRight = 50.0f;
constexpr float dateLeft = 55.0f;

// What the marked game offers and what the game could not keep, under the
// list in smaller letters, each cut to the board's width.
constexpr float markedNoteY = -46.0f;
constexpr float noticeY = -54.0f;
constexpr float noteX = -80.0f;
constexpr float noteRoom = 160.0f;
constexpr int noteTextHeight = 11;
// The newest notice is shown; standard error has them all.
constexpr std::size_t noticesShown = 1;

constexpr Colour titleColour{255, 236, 120, 255};
constexpr Colour titleRim{28, 20, 36, 255};
constexpr Colour headingColour{150, 190, 210, 255};
constexpr Colour lineColour{0, 255, 255, 255};
constexpr Colour markedColour{255, 236, 120, 255};
constexpr Colour noteColour{210, 230, 240, 255};
constexpr Colour noticeColour{255, 140, 120, 255};
// The bar behind the marked line: light and translucent, behind the text.
constexpr Colour markFill{120, 200, 255, 70};
constexpr float markDepth = 2.0f;

// The buttons stand on the grass below the board.
constexpr float buttonY = -76.0f;
constexpr float backdropDepth = 9.0f;

const char* const emptyLines = "No best scores yet: a game that ends with\npoints enters the list.";
const char* const noReplayLine = "No replay was kept of this game.";
const char* const watchLine = "Enter or Watch Game shows this game again.";

float lineY(int line)
{
    return firstLineY - lineStep * static_cast<float>(line);
}

// text, cut so that it is at most `room` units wide, ending in "..." when cut.
std::string fitted(const BitmapFont& font, const std::string& text, float room, bool ellipsis)
{
    if (font.textWidth(text, viewSize) <= room)
        return text;
    const std::string more = ellipsis ? "..." : "";
    std::string cut = text;
    while (!cut.empty() && font.textWidth(cut + more, viewSize) > room)
        cut.pop_back();
    return cut + more;
}

} // namespace

BestScoresScreen::~BestScoresScreen()
{
    watchButton.texture.release();
    returnButton.texture.release();
}

int BestScoresScreen::gameCount() const
{
    return static_cast<int>(scoreBook().list().games().size());
}

bool BestScoresScreen::moveKey(int key)
{
    const int count = gameCount();
    switch (key) {
    case vk::down:
        selected = SaveList::moveSelection(selected, 1, count);
        return true;
    case vk::up:
        selected = SaveList::moveSelection(selected, -1, count);
        return true;
    case vk::home:
        selected = 0;
        return true;
    case vk::end:
        selected = count > 0 ? count - 1 : 0;
        return true;
    default:
        return false;
    }
}

void BestScoresScreen::mouseUp(bool left, bool /*right*/)
{
    if (!left || leaving || pressHoveredButton())
        return;
    const int game = gameAt(pointer_.x(), pointer_.y());
    if (game < 0)
        return;
    if (game == selected)
        act();
    else
        selected = game;
}

void BestScoresScreen::mouseWheel(int notches)
{
    // Turning the wheel away from the player goes up the list.
    selected = SaveList::scrollSelection(selected, -notches, gameCount());
}

int BestScoresScreen::gameAt(float viewX, float viewY) const
{
    if (viewX < boardLeft || viewX > boardRight)
        return -1;
    const float fromTop = firstLineY + lineStep - lineClickBelowBaseline - viewY;
    if (fromTop < 0.0f)
        return -1;
    const int game = static_cast<int>(fromTop / lineStep);
    return game < gameCount() ? game : -1;
}

void BestScoresScreen::act()
{
    if (leaving || selected < 0 || selected >= gameCount())
        return;
    const BestScore& game = scoreBook().list().games()[static_cast<std::size_t>(selected)];
    if (game.replay.empty())
        return;
    audio().play(Effect::MenuClick);
    gameEvents().watchReplay(game.replay);
}

void BestScoresScreen::mouseMove(float x, float y)
{
    pointer_.moveTo(x, y);
    hovered = ListButtons::follow(hovered, watchButton, gameCount() > 0, returnButton, underline, pointer_.x(), pointer_.y());
}

void BestScoresScreen::enter()
{
    const int count = gameCount();
    if (selected < 0 || selected >= count)
        selected = 0;
    camera.viewWidth = viewSize;
    camera.viewHeight = viewSize;

    backdrop.texture.load("Textures/scores.png", noColourKey);
    backdrop.width = viewSize;
    backdrop.height = viewSize;
    backdrop.depth = backdropDepth;
    ListButtons::place(watchButton, "Textures/watchgame.png", returnButton, underline, buttonY);
    hovered = ListButtons::None;

    titleFont.fontDescription.height = -titleTextHeight;
    titleFont.colour = titleColour;
    titleFont.outline = titleRim;
    noteFont.fontDescription.height = -noteTextHeight;
}

void BestScoresScreen::render()
{
    // The list keeps full brightness, also while a fade runs.
    const UnlitDrawing unlit;
    camera.apply();
    backdrop.draw();

    titleFont.text = "Best Scores";
    titleFont.print(-titleFont.textWidth(titleFont.text, viewSize) / 2, titleY);
    drawGames();
    drawNotes();

    if (gameCount() > 0)
        watchButton.draw();
    returnButton.draw();
    underline.draw();
}

void BestScoresScreen::printRight(const std::string& text, float x, float y)
{
    font.text = text;
    font.print(x - font.textWidth(text, viewSize), y);
}

void BestScoresScreen::drawGames()
{
    const std::vector<BestScore>& games = scoreBook().list().games();
    if (games.empty()) {
        font.colour = noteColour;
        font.text = emptyLines;
        font.print(noteX, firstLineY - lineStep);
        return;
    }
    font.colour = headingColour;
    printRight("Score", scoreRight, headingY);
    font.text = "Name";
    font.print(nameLeft, headingY);
    printRight("Level", levelRight, headingY);
    font.text = "Day";
    font.print(dateLeft, headingY);

    for (std::size_t i = 0; i < games.size(); ++i) {
        const BestScore& game = games[i];
        const float y = lineY(static_cast<int>(i));
        const bool marked = static_cast<int>(i) == selected;
        if (marked) {
            Panel bar;
            bar.left = boardLeft + 2.0f;
            bar.right = boardRight - 2.0f;
            bar.bottom = y - lineClickBelowBaseline;
            bar.top = y - lineClickBelowBaseline + lineStep;
            bar.depth = markDepth;
            bar.fill = markFill;
            bar.draw();
        }
        font.colour = marked ? markedColour : lineColour;
        printRight(std::to_string(i + 1) + ".", placeRight, y);
        printRight(std::to_string(game.score), scoreRight, y);
        // A long name is cut where the level's column begins.
        font.text = fitted(font, game.name.empty() ? "-" : game.name, nameRoom, false);
        font.print(nameLeft, y);
        printRight(std::to_string(game.level), levelRight, y);
        font.text = game.date;
        font.print(dateLeft, y);
    }
}

void BestScoresScreen::drawNotes()
{
    const std::vector<BestScore>& games = scoreBook().list().games();
    if (selected >= 0 && selected < static_cast<int>(games.size())) {
        const BestScore& game = games[static_cast<std::size_t>(selected)];
        const std::string problem
            = game.replay.empty() ? std::string() : gameEvents().replayProblem(game.replay);
        noteFont.colour = noteColour;
        noteFont.text = fitted(noteFont,
                               game.replay.empty() ? noReplayLine
                                   : problem.empty() ? watchLine
                                                     : "This game cannot be watched: " + problem + ".",
                               noteRoom, true);
        noteFont.print(noteX, markedNoteY);
    }
    const std::vector<std::string>& notices = scoreBook().notices();
    noteFont.colour = noticeColour;
    float y = noticeY;
    for (std::size_t i = notices.size() > noticesShown ? notices.size() - noticesShown : 0;
         i < notices.size(); ++i) {
        noteFont.text = fitted(noteFont, notices[i], noteRoom, true);
        noteFont.print(noteX, y);
        y -= lineStep;
    }
}
