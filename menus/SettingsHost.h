#pragma once

#include <string>

#include "menus/Settings.h"

// The settings the game runs with, and the one way they change: the Options
// screen shows settings() and asks for changes with change(); the window
// procedure does the same for F11 (full screen) and M (music). What a change
// brings about follows in apply(): this base keeps the settings, shows the
// HUD or not and sets the sound; the host a run installs (app/GameSettings)
// also gives the picture its shape and, in a run the player plays, sets the
// window and the keyboard and keeps the settings in their file.
//
// A recording keeps the settings a run starts with; every change after that
// comes from input the recording holds (keys and clicks on the Options
// screen, F11, M), so a replay changes its settings as the recorded run did,
// whatever the watcher's own settings are.
class SettingsHost {
public:
    explicit SettingsHost(const Settings& start = Settings()) : settings_(start) {}
    virtual ~SettingsHost() = default;
    SettingsHost(const SettingsHost&) = delete;
    SettingsHost& operator=(const SettingsHost&) = delete;

    const Settings& settings() const { return settings_; }

    // Makes `next` the settings in force and applies what differs.
    void change(const Settings& next);

    // Applies every setting, as a run does when it starts with this host
    // (useSettingsHost calls it).
    void applyAll();

    // One line about what the game could not keep or do with the settings
    // (the file could not be read or written, the display refused full
    // screen), for the Options screen; empty when there is nothing to say.
    virtual std::string trouble() const { return {}; }

protected:
    // Brings about `after`: everything when `everything` is set, otherwise
    // only what differs from `before`. The base sets the HUD and the sound.
    virtual void apply(const Settings& before, const Settings& after, bool everything);

private:
    Settings settings_;
};

// The settings host the game runs with: the one installed with
// useSettingsHost, or a host of its own holding the defaults.
SettingsHost& settingsHost();

// Installs host (not owned; it must stay alive until it is replaced) and
// applies all of its settings. nullptr goes back to the game's own host,
// set back to the defaults.
void useSettingsHost(SettingsHost* host);
