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

} // namespace

Screen* makeEndingScreen(int finalScore)
{
    auto* ending = new EndingScreen;
    ending->finalScore = finalScore;
    ending->enter();
    return ending;
}

EndingScreen::~EndingScreen()
{
    picture.texture.release();
}

void EndingScreen::keyUp(int /*key*/)
{
    if (leaving)
        return;
    leaving = true;
    fadeTo(this, makeMainMenu(), fadeDuration::endingToMenu);
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
}
