#pragma once

#include "platform/Audio.h"

// Where each sound lives, relative to the data folder (the game's working
// directory): effects in Sounds/, music loops in Music/.

// The effect's file, e.g. "Sounds/pepper.wav".
const char* effectFile(Effect effect);

// The loop's file, e.g. "Music/menu.ogg"; nullptr for MusicLoop::None.
const char* musicFile(MusicLoop loop);
