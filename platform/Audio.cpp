#include "platform/Audio.h"

namespace {

Audio silentAudio;
Audio* installedAudio = nullptr;

} // namespace

Audio& audio()
{
    return installedAudio != nullptr ? *installedAudio : silentAudio;
}

void useAudio(Audio* audio)
{
    installedAudio = audio;
}
