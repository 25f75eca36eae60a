#pragma once

#include "platform/Audio.h"
#include "platform/RecordingAudio.h"

// Installs a recording audio for as long as it lives, so a test hears which
// sounds the game asks for; the silent audio comes back afterwards.
struct Listening {
    Listening() { useAudio(&heard); }
    ~Listening() { useAudio(nullptr); }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

    RecordingAudio heard;
};
