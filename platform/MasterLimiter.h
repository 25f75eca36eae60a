#pragma once

#include <cstddef>
#include <cstdint>

// The last stage of the mix. The mixer sums every sound at half its level
// (mixHeadroom), so a pile of sounds stays below the 16-bit ceiling while it
// is being summed; process() brings the sum back up to full level and,
// where that would pass the ceiling, turns the whole mix down just enough,
// at once, letting it come back up over a tenth of a second. So the mix
// never clips, and a mix that fits passes at its own level.
class MasterLimiter {
public:
    // The share of its level each sound is mixed at; process() makes it up.
    static constexpr float mixHeadroom = 0.5f;
    // The loudest sample the limiter lets through: 95 % of full scale.
    static constexpr float ceiling = 0.95f * 32767.0f;
    // Seconds the gain takes to come back from silence to 1.
    static constexpr float releaseSeconds = 0.1f;

    explicit MasterLimiter(int sampleRate);

    // Limits `frames` interleaved frames of `channels` 16-bit samples in
    // place. All channels of a frame get the same gain, so a sound keeps its
    // place between the speakers.
    void process(std::int16_t* samples, std::size_t frames, int channels);

    // The gain of the last frame processed, 0 to 1 (1: nothing turned down).
    float gain() const { return gain_; }

private:
    float gain_ = 1.0f;
    float releasePerFrame_;
};
