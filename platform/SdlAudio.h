#pragma once

#include <memory>

#include "platform/Audio.h"

// The game's sound on SDL_mixer: the effects mixed on channels of their own
// (a burst of hits never cuts the others short; when every channel is busy
// the newest effect is left out), repeats held to a musical rate
// (EffectLimiter), and one music loop streamed at a time, faded as
// MusicFader decides, a little below the effects so they stand out over it.
// A loop that stops streaming remembers where it was and goes on from there
// when it comes back. The whole mix goes through a limiter (MasterLimiter),
// so however many sounds pile up, nothing clips.
//
// Call order: open once the window exists, with the data folder as the
// working directory; then play, music, setMusic and setVolumes from the game's
// thread; close (or the destructor) at shut-down, before the window system
// goes. Whatever fails leaves the game silent and running: no device (open
// returns false), a file that cannot be read (that sound is left out), the
// device going away during the game (silent from then on). Each writes one
// line on standard error, the unreadable files only for the first of them.
class SdlAudio : public Audio {
public:
    SdlAudio();
    // Closes the sound and, when it is the installed audio, puts the silent
    // audio back in its place.
    ~SdlAudio() override;

    // Opens the default sound device (SDL_AUDIODRIVER chooses the driver;
    // with "disk" the mix goes to the file SDL_DISKAUDIOFILE names) and
    // reads every effect from Sounds/ and every loop from Music/. volume,
    // 0 to 100, scales effects and music together. True when the device is
    // open, even if some files were missing.
    bool open(int volume);

    // Stops every sound, frees the files and closes the device. Safe to call
    // more than once; the audio is silent afterwards.
    void close();

    // True while a device is open (false before open, after close, and once
    // the device has gone away and the next call noticed it).
    bool isOpen() const;

    void play(Effect effect) override;
    void music(const MusicCue& cue) override;
    void setMusic(bool on) override;
    void setVolumes(int effectsPercent, int musicPercent) override;

private:
    // Reads every effect and loop; the first file that fails is reported.
    void loadFiles();
    // Notices a device that has gone away and closes the sound, saying so
    // once. True while the sound is open.
    bool deviceStillThere();
    // Streams the loop the fader asks for, keeping the place of the one it
    // replaces.
    void streamLoop();

    struct Mixer;
    std::unique_ptr<Mixer> mixer_;
};
