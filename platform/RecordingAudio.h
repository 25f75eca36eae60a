#pragma once

#include <utility>
#include <vector>

#include "platform/Audio.h"

// An audio that plays nothing and keeps every request, for the tests of
// which sound an event plays: each effect asked for (no rate limit, so every
// request counts), each frame's music cue, each switch of the music and each
// setting of the volumes.
class RecordingAudio : public Audio {
public:
    void play(Effect effect) override;
    void music(const MusicCue& cue) override;
    void setMusic(bool on) override;
    void setVolumes(int effectsPercent, int musicPercent) override;

    // How many times the effect was asked for.
    int count(Effect effect) const;
    // Forgets everything recorded so far.
    void clear();

    std::vector<Effect> effects; // in the order asked for
    std::vector<MusicCue> cues;  // one a frame, in order
    std::vector<bool> musicSwitches;                  // each setMusic, in order
    std::vector<std::pair<int, int>> volumes;         // each setVolumes (effects, music)
};
