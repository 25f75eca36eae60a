// PlayScreen's music: the level's loop, in step with the level fade and the death sequence.
#include "play/PlayScreen.h"

#include <algorithm>
#include <cmath>

#include "play/PlayConstants.h"
#include "play/PlaySounds.h"

MusicCue PlayScreen::musicCue() const
{
    // `level` counts the next level from the moment the last pepper is
    // eaten; the level fade shows the cleared one until its darkest point.
    const long long next = level;
    const long long cleared = next - 1;
    MusicCue cue{levelMusic(levelFading && !nextLevelLoaded ? cleared : next), 1.0f};
    const float light = std::min(std::fabs(fadePhase) * play::fadeBrightness, 1.0f);
    if (dying || (levelFading && levelMusic(cleared) != levelMusic(next)))
        cue.level = light;
    return cue;
}
