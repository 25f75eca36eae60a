#pragma once

#include <string>

#include "menus/SettingsHost.h"

struct GameOptions;
struct Replay;

// What settings bring about outside the game itself in a run the player
// plays: the window, the keyboard, the focus, the settings file. A replay
// has none of it, so the watcher's window, keys and file stay theirs.
class SettingsOutside {
public:
    virtual ~SettingsOutside() = default;
    // As SettingsHost::apply: everything, or what differs from before.
    virtual void apply(const Settings& before, const Settings& after, bool everything) = 0;
    // One line on what could not be kept or done; empty when all went well.
    virtual std::string trouble() const = 0;
};

// The settings host of a run of the game (the player's, a replay's, a tool's):
// beside the HUD and the sound it gives the picture its shape (keepAspect,
// and the viewport when it changes during the run), since that decides
// where the pointer lands; and it hands every change to `outside`, when
// given (not owned).
class GameSettings : public SettingsHost {
public:
    explicit GameSettings(const Settings& start, SettingsOutside* outside = nullptr);

    std::string trouble() const override;

protected:
    void apply(const Settings& before, const Settings& after, bool everything) override;

private:
    SettingsOutside* outside_;
};

// settings with the command line's options over them: -aspect, -nohud,
// -nopause and -volume (both volumes); `windowed` for -win.
Settings withCommandLine(Settings settings, const GameOptions& options, bool windowed);

// The settings a recorded run started with: its settings record, or for a
// recording made before the game kept settings, the defaults with its
// recorded command line over them.
Settings recordedSettings(const Replay& replay);
