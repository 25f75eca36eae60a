#include "platform/RecordingAudio.h"

#include <algorithm>

void RecordingAudio::play(Effect effect)
{
    effects.push_back(effect);
}

void RecordingAudio::music(const MusicCue& cue)
{
    cues.push_back(cue);
}

void RecordingAudio::toggleMusic()
{
    ++musicToggles;
}

int RecordingAudio::count(Effect effect) const
{
    return static_cast<int>(std::count(effects.begin(), effects.end(), effect));
}

void RecordingAudio::clear()
{
    effects.clear();
    cues.clear();
    musicToggles = 0;
}
