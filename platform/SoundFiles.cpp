#include "platform/SoundFiles.h"

namespace {

// In the order of Effect.
constexpr const char* effectFiles[effectCount] = {
    "Sounds/pepper.wav",       "Sounds/tint.wav",        "Sounds/hurt_zombie.wav",
    "Sounds/hurt_burning.wav", "Sounds/hurt_ninja.wav",  "Sounds/hurt_knife.wav",
    "Sounds/hurt_flame.wav",   "Sounds/hurt_cabbage.wav", "Sounds/health.wav",
    "Sounds/knife_throw.wav",  "Sounds/flame_lit.wav",   "Sounds/cabbage_pop.wav",
    "Sounds/level_clear.wav",  "Sounds/death.wav",       "Sounds/menu_hover.wav",
    "Sounds/menu_click.wav",   "Sounds/save.wav",        "Sounds/fanfare.wav",
};

// In the order of MusicLoop.
constexpr const char* musicFiles[musicLoopCount] = {
    nullptr,
    "Music/menu.ogg",
    "Music/levels_1_5.ogg",
    "Music/levels_6_10.ogg",
    "Music/levels_11_15.ogg",
    "Music/ending.ogg",
};

} // namespace

const char* effectFile(Effect effect)
{
    return effectFiles[static_cast<int>(effect)];
}

const char* musicFile(MusicLoop loop)
{
    return musicFiles[static_cast<int>(loop)];
}
