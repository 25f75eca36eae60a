#pragma once

// The game's sound: short effects for the events of play and the menus, and
// one music loop at a time. The rules and screens call audio() at the point
// an event happens; what they ask for never feeds back into what the game
// computes, so a run is the same with or without sound.

// The effects, one file each (platform/SoundFiles.h names them).
enum class Effect : int {
    Pepper,      // a pepper is eaten
    Tint,        // every fourth pepper: the player's tint has deepened
    HurtZombie,  // a zombie's lunge bites
    HurtBurning, // a burning zombie's lunge bites
    HurtNinja,   // a ninja's strike hits
    HurtKnife,   // a thrown knife hits
    HurtFlame,   // a robot's flame burns the player
    HurtCabbage, // a cabbage bites
    Health,      // a health pickup is taken
    KnifeThrow,  // a pirate throws a knife
    FlameLit,    // a robot's flame sets a zombie burning
    CabbagePop,  // a cabbage comes out of the ground
    LevelClear,  // the last pepper of a level is eaten
    Death,       // the death sequence starts
    MenuHover,   // the marker moves onto a menu entry
    MenuClick,   // a menu entry is performed
    Save,        // a game has been written to its file
    Fanfare,     // the last level is cleared: the ending starts
};
constexpr int effectCount = static_cast<int>(Effect::Fanfare) + 1;

// The music loops. None is silence.
enum class MusicLoop : int {
    None,
    Menu,         // title, in-game menu, load list, story
    Levels1to5,
    Levels6to10,
    Levels11to15,
    Ending,
};
constexpr int musicLoopCount = static_cast<int>(MusicLoop::Ending) + 1;

// The music a screen asks for in one frame: a loop and how loud it should be
// now, 0 (silent) to 1 (the music's full volume). Fades ask for a level that
// follows their light.
struct MusicCue {
    MusicLoop loop = MusicLoop::None;
    float level = 1.0f;
};

// The sound service. This base class is the silent audio: every operation
// does nothing. The tests and the headless tools run with it; the game
// installs the mixer (SdlAudio) when it can open a sound device.
class Audio {
public:
    Audio() = default;
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;
    virtual ~Audio() = default;

    // Starts an effect now, over whatever else plays. A repeat of the same
    // effect sooner than its rate allows, or one whose file could not be
    // read, is skipped.
    virtual void play(Effect effect) { (void)effect; }

    // Once a frame, after the frame has been drawn: the music the current
    // screen asks for. The loop changes only through silence, so a new loop
    // starts where the old one has faded out.
    virtual void music(const MusicCue& cue) { (void)cue; }

    // Turns the music off (it fades out; effects go on), or back on.
    virtual void setMusic(bool on) { (void)on; }

    // The player's volumes, 0 to 100 each: the effects, and the music under
    // whatever the screens' cues ask of it.
    virtual void setVolumes(int effectsPercent, int musicPercent)
    {
        (void)effectsPercent;
        (void)musicPercent;
    }
};

// The audio the game plays through: the one installed with useAudio, or the
// silent audio when none is.
Audio& audio();

// Installs the audio the game plays through (not owned; it must stay alive
// until it is replaced). nullptr goes back to the silent audio.
void useAudio(Audio* audio);
