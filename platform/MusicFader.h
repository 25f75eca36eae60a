#pragma once

#include "platform/Audio.h"

// Decides, frame by frame, which music loop streams and how loud, from the
// cues the screens give (Audio::music):
//
// - the volume follows the cue's level, but never moves faster than
//   rampPerSecond, so music never starts, stops or jumps with a click;
// - a new loop takes over only once the one before has faded to silence
//   (the screen fades go through black, so their cues get there in step);
// - setEnabled(false) turns the music off (it fades out, then stops
//   streaming) and setEnabled(true) on again (it fades back in).
class MusicFader {
public:
    // The fastest change of the volume: silence to full in a quarter second.
    static constexpr float rampPerSecond = 4.0f;

    // Moves on by `seconds` (of the wall clock) towards `cue`.
    void step(const MusicCue& cue, float seconds);

    // Music on, or off.
    void setEnabled(bool on) { enabled_ = on; }

    bool enabled() const { return enabled_; }
    // The loop that should stream now; None when nothing should.
    MusicLoop loop() const;
    // Its volume, 0 to 1 of the music's full volume.
    float volume() const { return volume_; }

private:
    MusicLoop loop_ = MusicLoop::None;
    float volume_ = 0.0f;
    bool enabled_ = true;
};
