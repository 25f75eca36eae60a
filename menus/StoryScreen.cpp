#include "menus/StoryScreen.h"

#include "platform/Audio.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "render/Lighting.h"
#include "screens/ScreenFlow.h"

namespace {

// The story screen's view is 100 x 100 units; the picture fills it.
constexpr float viewSize = 100.0f;
// The back region: the picture's lower-left corner, both bounds strict.
constexpr float backBelowY = -35.0f;
constexpr float backLeftOfX = -32.0f;

} // namespace

StoryScreen::~StoryScreen()
{
    picture.texture.release();
}

void StoryScreen::mouseUp(bool /*left*/, bool /*right*/)
{
    if (pointerY < backBelowY && pointerX < backLeftOfX)
        backToMenu();
}

void StoryScreen::mouseMove(float x, float y)
{
    pointerX = x * viewSize - viewSize / 2;
    pointerY = y * viewSize - viewSize / 2;
}

void StoryScreen::enter()
{
    picture.texture.load("Textures/story.gif", noColourKey);
    picture.width = viewSize;
    picture.height = viewSize;
    picture.x = 0.0f;
    picture.y = 0.0f;
    camera.viewWidth = viewSize;
    camera.viewHeight = viewSize;
}

void StoryScreen::keysHeld(const unsigned char* keys)
{
    if (keys[vk::backspace] != 0 || keys[vk::escape] != 0)
        backToMenu();
}

void StoryScreen::render()
{
    beginLitDrawing();
    camera.apply();
    picture.draw();
}

void StoryScreen::backToMenu()
{
    if (leaving)
        return;
    leaving = true;
    audio().play(Effect::MenuClick);
    fadeTo(this, inGame ? makeInGameMenu(std::move(suspended)) : makeMainMenu(), fadeDuration::menu);
}
