#include "app/PlayerSettings.h"

#include <cstdio>
#include <vector>

#include "app/DisplaySwitch.h"
#include "platform/GameWindow.h"

namespace {

// Only the low byte of the colour depth reaches the mode search.
constexpr int depthByte = 0xFF;

} // namespace

Settings PlayerSettings::start(const GameOptions& options, bool windowed)
{
    std::vector<std::string> problems;
    saved_ = file_.load(problems);
    for (const std::string& problem : problems)
        say(problem);
    return withCommandLine(saved_, options, windowed);
}

void PlayerSettings::attach(GameWindow& window, int requestWidth, int requestHeight, int colourDepth)
{
    window_ = &window;
    requestWidth_ = requestWidth;
    requestHeight_ = requestHeight;
    windowedWidth_ = requestWidth;
    windowedHeight_ = requestHeight;
    colourDepth_ = colourDepth;
}

void PlayerSettings::apply(const Settings& before, const Settings& after, bool everything)
{
    if (window_ != nullptr) {
        if (everything || before.keys != after.keys)
            window_->useKeyTable(after.keys.keyTable());
        window_->reportFocusLoss(after.pauseOnFocusLoss);
        // Start-up opened the window as the settings asked.
        if (!everything && before.fullScreen != after.fullScreen)
            switchWindow(after.fullScreen);
    }
    if (everything)
        return;
    // Only what the player changed is kept: a setting the command line gave
    // this run stays in the file as it was.
    Settings kept = saved_;
    if (before.effectsVolume != after.effectsVolume)
        kept.effectsVolume = after.effectsVolume;
    if (before.musicVolume != after.musicVolume)
        kept.musicVolume = after.musicVolume;
    if (before.music != after.music)
        kept.music = after.music;
    if (before.fullScreen != after.fullScreen)
        kept.fullScreen = after.fullScreen;
    if (before.aspect != after.aspect)
        kept.aspect = after.aspect;
    if (before.hud != after.hud)
        kept.hud = after.hud;
    if (before.pauseOnFocusLoss != after.pauseOnFocusLoss)
        kept.pauseOnFocusLoss = after.pauseOnFocusLoss;
    if (before.keys != after.keys)
        kept.keys = after.keys;
    std::string why;
    if (file_.save(kept, why)) {
        saved_ = kept;
        if (!file_.movedAside().empty())
            say("kept the damaged settings file as " + file_.movedAside());
    } else {
        say(why);
    }
}

std::string PlayerSettings::trouble() const
{
    return !windowTrouble_.empty() ? windowTrouble_ : file_.notice();
}

void PlayerSettings::switchWindow(bool fullScreen)
{
    windowTrouble_.clear();
    if (!fullScreen) {
        if (window_->fullScreen() && !window_->switchToWindow(windowedWidth_, windowedHeight_)) {
            windowTrouble_ = "The window could not leave full screen";
            say(window_->error());
        }
        return;
    }
    if (window_->fullScreen())
        return;
    int width = 0;
    int height = 0;
    window_->clientSize(width, height);
    const std::vector<DisplayMode> modes = window_->displayModes();
    const int chosen = chooseDisplayMode(modes, static_cast<unsigned int>(requestWidth_),
                                         static_cast<unsigned int>(requestHeight_),
                                         static_cast<unsigned char>(colourDepth_ & depthByte));
    if (chosen < 0 || !window_->switchToFullScreen(modes[static_cast<std::size_t>(chosen)])) {
        windowTrouble_ = "The display could not switch to full screen";
        say(chosen < 0 ? std::string("the display lists no mode to switch to full screen") : window_->error());
        return;
    }
    // Leaving full screen again gives back the window the player had.
    if (width > 0 && height > 0) {
        windowedWidth_ = width;
        windowedHeight_ = height;
    }
}

void PlayerSettings::say(const std::string& line)
{
    if (line == lastSaid_)
        return;
    lastSaid_ = line;
    std::fprintf(stderr, "thrask: %s\n", line.c_str());
}
