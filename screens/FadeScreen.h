#pragma once

#include "screens/Screen.h"

// A short-lived screen that darkens the old screen to black, brightens the new
// one from black, then installs the new screen and destroys the old one and
// itself. While it is current it receives all input and ignores it.
// Durations are in fade units, 16 per second of game time.
class FadeScreen : public Screen {
public:
    FadeScreen() = default;

    // Must be called before the fade becomes current. The fade owns oldScreen
    // (destroyed when the fade ends) but not newScreen (handed to currentScreen).
    void configure(Screen* oldScreen, Screen* newScreen, float duration);

    // Advances progress by 16 units per second of frameStep. In the frame it
    // reaches the half duration it destroys the old screen, sets the light to
    // full, installs the new one and destroys this fade: nothing may touch the
    // fade afterwards.
    void update() override;

    // Sets the light-model ambient to |progress| / halfDuration and draws the
    // old screen while progress is negative, the new one afterwards.
    void render() override;

    // The music in step with the light: the old screen's loop fading out
    // while it darkens, the new screen's fading in as it brightens. When both
    // ask for the same loop it plays on through the fade.
    MusicCue musicCue() const override;

    // A fade destroyed before it ended (the game quit during it) frees both
    // screens it still holds; one that ended holds none.
    ~FadeScreen() override;

    float halfDuration = 0.0f;
    Screen* newScreen = nullptr;
    Screen* oldScreen = nullptr;
    float progress = 0.0f;
};
