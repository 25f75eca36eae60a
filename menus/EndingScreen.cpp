#include "menus/EndingScreen.h"

#include <string>

#include "render/Lighting.h"
#include "screens/Camera.h"
#include "screens/ScreenFlow.h"

namespace {

constexpr Colour white{255, 255, 255, 255};
constexpr float pictureWidth = 120.0f;
constexpr float pictureHeight = 80.0f;
constexpr float pictureY = 50.0f;
constexpr float pictureDepth = 10.0f;
constexpr float scoreX = -30.0f;
constexpr float scoreY = -10.0f;
constexpr float creditsX = -50.0f;
constexpr float creditsY = -80.0f;
// The best-score line stands between the prompt and the credits.
constexpr float placeY = -50.0f;
constexpr Colour placeColour{255, 236, 120, 255};
constexpr Colour placeRim{28, 20, 36, 255};
constexpr float viewSize = 200.0f;

} // namespace

EndingScreen::~EndingScreen()
{
    picture.texture.release();
}

void EndingScreen::keyUp(int /*key*/)
{
    if (leaving)
        return;
    leaving = true;
    fadeTo(this, place > 0 ? makeScoreEntry(place) : makeMainMenu(), fadeDuration::endingToMenu);
}

void EndingScreen::enter()
{
    setFullLight();

    picture.texture.loadKeyed("Textures/win.png");
    picture.width = pictureWidth;
    picture.height = pictureHeight;
    picture.x = 0.0f;
    picture.y = pictureY;
    picture.depth = pictureDepth;

    scoreFont.text = "Your final score was: " + std::to_string(finalScore)
        + "\n\nPress Any Key to Continue\n";
    scoreFont.colour = white;
    creditsFont.colour = white;
    creditsFont.text = "Programming, Art, Story and Design by Tolvane\n";
    placeFont.colour = placeColour;
    placeFont.outline = placeRim;
    if (place > 0)
        placeFont.text = "A new best score: place " + std::to_string(place) + "!";
}

MusicCue EndingScreen::musicCue() const
{
    return {MusicLoop::Ending, 1.0f};
}

void EndingScreen::render()
{
    // The play screen's 200 x 200 view, applied here so the screen draws the
    // same whatever view was left in force before it.
    const Camera view;
    view.apply();

    {
        const LitDrawing lit;
        picture.draw();
    }
    const UnlitDrawing unlit;
    scoreFont.print(scoreX, scoreY);
    creditsFont.print(creditsX, creditsY);
    if (place > 0)
        placeFont.print(-placeFont.textWidth(placeFont.text, viewSize) / 2, placeY);
}
