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

void RecordingAudio::setMusic(bool on)
{
    musicSwitches.push_back(on);
}

void RecordingAudio::setVolumes(int effectsPercent, int musicPercent)
{
    volumes.emplace_back(effectsPercent, musicPercent);
}

int RecordingAudio::count(Effect effect) const
{
    return static_cast<int>(std::count(effects.begin(), effects.end(), effect));
}

void RecordingAudio::clear()
{
    effects.clear();
    cues.clear();
    musicSwitches.clear();
    volumes.clear();
}
