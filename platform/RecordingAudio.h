#pragma once

#include <vector>

#include "platform/Audio.h"

// An audio that plays nothing and keeps every request, for the tests of
// which sound an event plays: each effect asked for (no rate limit, so every
// request counts), each frame's music cue and each toggle of the music.
class RecordingAudio : public Audio {
public:
    void play(Effect effect) override;
    void music(const MusicCue& cue) override;
    void toggleMusic() override;

    // How many times the effect was asked for.
    int count(Effect effect) const;
    // Forgets everything recorded so far.
    void clear();

    std::vector<Effect> effects; // in the order asked for
    std::vector<MusicCue> cues;  // one a frame, in order
    int musicToggles = 0;
};
