#include "platform/MasterLimiter.h"

#include <algorithm>
#include <cmath>

MasterLimiter::MasterLimiter(int sampleRate)
    : releasePerFrame_(1.0f / (releaseSeconds * static_cast<float>(std::max(sampleRate, 1))))
{
}

void MasterLimiter::process(std::int16_t* samples, std::size_t frames, int channels)
{
    const float makeUp = 1.0f / mixHeadroom;
    const auto width = static_cast<std::size_t>(std::max(channels, 1));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        std::int16_t* first = samples + frame * width;
        int loudest = 0;
        for (std::size_t c = 0; c < width; ++c)
            loudest = std::max(loudest, std::abs(static_cast<int>(first[c])));
        const float peak = static_cast<float>(loudest) * makeUp;
        const float fits = peak > ceiling ? ceiling / peak : 1.0f;
        gain_ = fits < gain_ ? fits : std::min(gain_ + releasePerFrame_, fits);
        for (std::size_t c = 0; c < width; ++c) {
            const float value = std::round(static_cast<float>(first[c]) * makeUp * gain_);
            first[c] = static_cast<std::int16_t>(std::clamp(value, -32768.0f, 32767.0f));
        }
    }
}
