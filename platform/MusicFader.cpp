#include "platform/MusicFader.h"

#include <algorithm>

void MusicFader::step(const MusicCue& cue, float seconds)
{
    const float most = rampPerSecond * std::max(seconds, 0.0f);
    if (cue.loop != loop_) {
        // The loop that plays fades out first; the new one starts from silence.
        volume_ = std::max(volume_ - most, 0.0f);
        if (volume_ > 0.0f)
            return;
        loop_ = cue.loop;
    }
    // A level that is no number counts as silence.
    const float level = cue.level > 0.0f ? std::min(cue.level, 1.0f) : 0.0f;
    const float target = enabled_ ? level : 0.0f;
    volume_ = std::clamp(target, volume_ - most, volume_ + most);
}

MusicLoop MusicFader::loop() const
{
    // Switched off and faded out: nothing streams until the music is back on.
    if (!enabled_ && volume_ <= 0.0f)
        return MusicLoop::None;
    return loop_;
}
