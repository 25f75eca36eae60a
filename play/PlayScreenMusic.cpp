// PlayScreen's music: the level's loop, in step with the level fade and the death sequence.
#include "play/PlayScreen.h"

#include <algorithm>
#include <cmath>

#include "play/PlayConstants.h"

namespace {

// The last level of each music loop's share.
constexpr long long firstLoopEnd = 5;
constexpr long long secondLoopEnd = 10;

// The music of level n: one loop for levels 1-5, one for 6-10 and one for
// 11-15. Numbers outside the fifteen (a saved game may hold any) play the
// nearest end's loop.
MusicLoop levelMusic(long long level)
{
    if (level <= firstLoopEnd)
        return MusicLoop::Levels1to5;
    if (level <= secondLoopEnd)
        return MusicLoop::Levels6to10;
    return MusicLoop::Levels11to15;
}

} // namespace

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
