#include "menus/ScoreEntryScreen.h"

#include "menus/BestScoresScreen.h"
#include "menus/SavePrompt.h"
#include "platform/Audio.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "render/Lighting.h"
#include "screens/ScreenFlow.h"

namespace {

constexpr float viewSize = 200.0f;
constexpr float backdropDepth = 9.0f;
constexpr int titleTextHeight = 28;

constexpr float titleY = 58.0f;
constexpr float placeY = 34.0f;
constexpr float gameY = 20.0f;
constexpr float askY = -4.0f;
constexpr float promptY = -18.0f;
constexpr float hintY = -36.0f;
constexpr float problemY = -50.0f;

constexpr Colour titleColour{255, 236, 120, 255};
constexpr Colour titleRim{28, 20, 36, 255};
constexpr Colour textColour{210, 230, 240, 255};
constexpr Colour promptColour{0, 255, 255, 255};
constexpr Colour problemColour{255, 140, 120, 255};

const char* const hint = "Enter keeps the name, Esc leaves it out";

} // namespace

ScoreEntryScreen::~ScoreEntryScreen()
{
    backdrop.texture.release();
}

void ScoreEntryScreen::keyDown(int key)
{
    if (leaving)
        return;
    switch (SavePrompt::edit(name, caret, key)) {
    case SavePrompt::Outcome::Editing:
        break;
    case SavePrompt::Outcome::Cancelled:
        finish(false);
        break;
    case SavePrompt::Outcome::Confirmed:
        finish(true);
        break;
    }
}

void ScoreEntryScreen::keyRepeat(int key)
{
    keyDown(key);
}

void ScoreEntryScreen::mouseUp(bool left, bool /*right*/)
{
    if (left && !leaving)
        finish(true);
}

void ScoreEntryScreen::finish(bool keepName)
{
    leaving = true;
    audio().play(Effect::MenuClick);
    if (keepName && !SavePrompt::isBlank(name))
        scoreBook().nameGame(place, name);
    auto* list = new BestScoresScreen;
    list->selected = place - 1;
    list->enter();
    fadeTo(this, list, fadeDuration::menu);
}

void ScoreEntryScreen::enter()
{
    camera.viewWidth = viewSize;
    camera.viewHeight = viewSize;
    backdrop.texture.load("Textures/scores.png", noColourKey);
    backdrop.width = viewSize;
    backdrop.height = viewSize;
    backdrop.depth = backdropDepth;
    titleFont.fontDescription.height = -titleTextHeight;
    titleFont.colour = titleColour;
    titleFont.outline = titleRim;
    font.colour = textColour;
    promptFont.colour = promptColour;
}

void ScoreEntryScreen::printCentred(BitmapFont& with, const std::string& text, float y)
{
    with.text = text;
    with.print(-with.textWidth(text, viewSize) / 2, y);
}

void ScoreEntryScreen::render()
{
    // The prompt keeps full brightness, also while a fade runs.
    const UnlitDrawing unlit;
    camera.apply();
    backdrop.draw();

    printCentred(titleFont, "A new best score!", titleY);
    printCentred(font, "Place " + std::to_string(place) + " of " + std::to_string(BestScores::kept), placeY);
    const std::vector<BestScore>& games = scoreBook().list().games();
    if (place >= 1 && place <= static_cast<int>(games.size())) {
        const BestScore& game = games[static_cast<std::size_t>(place - 1)];
        printCentred(font, "Score " + std::to_string(game.score) + ", level " + std::to_string(game.level),
                     gameY);
    }
    printCentred(font, "Type your name for the list:", askY);
    printCentred(promptFont, "Name: " + SavePrompt::shown(name, caret), promptY);
    printCentred(font, hint, hintY);
    if (!scoreBook().writeProblem().empty()) {
        font.colour = problemColour;
        printCentred(font, scoreBook().writeProblem(), problemY);
        font.colour = textColour;
    }
}
