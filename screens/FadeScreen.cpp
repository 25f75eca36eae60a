#include "screens/FadeScreen.h"

#include <algorithm>
#include <cmath>

#include "platform/FrameStep.h"
#include "render/Lighting.h"

namespace {
constexpr float fadeUnitsPerSecond = 16.0f;
}

void FadeScreen::configure(Screen* oldOne, Screen* newOne, float duration)
{
    oldScreen = oldOne;
    newScreen = newOne;
    halfDuration = duration * 0.5f;
    progress = duration * -0.5f;
}

void FadeScreen::update()
{
    progress += frameStep * fadeUnitsPerSecond;
    if (progress < halfDuration)
        return;
    delete oldScreen;
    oldScreen = nullptr;
    // The fade's last frame may have been drawn well short of full light when
    // frames are slow (a long frame can jump from a third of the way to the
    // end); the new screen is handed over fully lit instead of keeping that.
    setAmbientLight(1.0f);
    currentScreen = newScreen;
    newScreen = nullptr; // handed over: no longer the fade's to free
    delete this;
}

FadeScreen::~FadeScreen()
{
    // Only a fade that never ended still holds screens: the program quit
    // while it ran. Nothing else owns them then.
    delete oldScreen;
    if (newScreen != oldScreen)
        delete newScreen;
}

void FadeScreen::render()
{
    const float level = halfDuration > 0.0f ? std::fabs(progress) / halfDuration : 1.0f;
    setAmbientLight(level);
    Screen* shown = progress < 0.0f ? oldScreen : newScreen;
    if (shown != nullptr)
        shown->render();
}

MusicCue FadeScreen::musicCue() const
{
    const MusicCue silence{MusicLoop::None, 0.0f};
    const MusicCue from = oldScreen != nullptr ? oldScreen->musicCue() : silence;
    const MusicCue to = newScreen != nullptr ? newScreen->musicCue() : silence;
    MusicCue cue = progress < 0.0f ? from : to;
    if (from.loop == to.loop)
        return cue;
    const float light = halfDuration > 0.0f ? std::min(std::fabs(progress) / halfDuration, 1.0f) : 1.0f;
    cue.level *= light;
    return cue;
}
