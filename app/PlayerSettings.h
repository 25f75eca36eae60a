#pragma once

#include <string>

#include "app/GameSettings.h"
#include "app/SettingsFile.h"

class GameWindow;

// The player's own settings in a run they play: read from the settings file
// at start-up with the command line's options over them (for this run only:
// they are never written back), and every change the player makes carried
// out on the window (full screen or not), the keyboard (the keys given to
// the actions), the focus (pausing on its loss), and kept in the file. The
// file is written only when the player changes something, so an untouched
// install has none.
class PlayerSettings : public SettingsOutside {
public:
    explicit PlayerSettings(const std::string& path) : file_(path) {}

    // Start-up: reads the file, says on standard error (once) what it could
    // not use, and returns the run's settings: the file's with the command
    // line's options over them.
    Settings start(const GameOptions& options, bool windowed);

    // The window the settings act on from now on, with the size and colour
    // depth the command line asked for: full screen takes the display mode
    // nearest to them, as start-up does, and leaving full screen opens a
    // window of that size unless the player had one before.
    void attach(GameWindow& window, int requestWidth, int requestHeight, int colourDepth);

    void apply(const Settings& before, const Settings& after, bool everything) override;
    std::string trouble() const override;

    // The settings as the file keeps them (without the command line's).
    const Settings& saved() const { return saved_; }

private:
    // Full screen or a window, as `fullScreen` asks.
    void switchWindow(bool fullScreen);
    // Says line on standard error unless it was the last thing said.
    void say(const std::string& line);

    SettingsFile file_;
    Settings saved_;
    GameWindow* window_ = nullptr;
    int requestWidth_ = 0;
    int requestHeight_ = 0;
    int windowedWidth_ = 0;
    int windowedHeight_ = 0;
    int colourDepth_ = 0;
    std::string windowTrouble_;
    std::string lastSaid_;
};
