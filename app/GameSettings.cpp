#include "app/GameSettings.h"

#include <vector>

#include "app/GameOptions.h"
#include "app/Globals.h"
#include "app/PictureArea.h"
#include "app/ReplayFile.h"
#include "app/SettingsFile.h"
#include "render/Renderer.h"

GameSettings::GameSettings(const Settings& start, SettingsOutside* outside)
    : SettingsHost(start), outside_(outside)
{
}

std::string GameSettings::trouble() const
{
    return outside_ != nullptr ? outside_->trouble() : std::string();
}

void GameSettings::apply(const Settings& before, const Settings& after, bool everything)
{
    SettingsHost::apply(before, after, everything);
    keepAspect = after.aspect;
    // A change during the run moves the picture at once; a run starting
    // with this host gets its viewport from its first size message.
    if (!everything && before.aspect != after.aspect) {
        const PictureArea area = pictureArea(windowWidth, windowHeight, keepAspect);
        renderer().setViewport(area.x, area.y, area.width, area.height);
    }
    if (outside_ != nullptr)
        outside_->apply(before, after, everything);
}

Settings withCommandLine(Settings settings, const GameOptions& options, bool windowed)
{
    if (windowed)
        settings.fullScreen = false;
    if (options.aspect)
        settings.aspect = true;
    if (options.noHud)
        settings.hud = false;
    if (options.noPause)
        settings.pauseOnFocusLoss = false;
    if (options.volumeGiven) {
        settings.effectsVolume = options.volume;
        settings.musicVolume = options.volume;
    }
    return settings;
}

Settings recordedSettings(const Replay& replay)
{
    if (!replay.settings.empty())
        return readSettingsText(replay.settings).settings;
    std::vector<const char*> words{"thrask"};
    for (const std::string& word : replay.commandLine)
        words.push_back(word.c_str());
    std::vector<std::string> display;
    const GameOptions recorded = readGameOptions(static_cast<int>(words.size()), words.data(), display);
    return withCommandLine(Settings(), recorded, false);
}
