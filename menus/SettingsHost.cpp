#include "menus/SettingsHost.h"

#include "platform/Audio.h"
#include "play/PlayHud.h"

namespace {

SettingsHost* installed = nullptr;

SettingsHost& defaultHost()
{
    static SettingsHost host;
    return host;
}

} // namespace

void SettingsHost::change(const Settings& next)
{
    const Settings before = settings_;
    settings_ = next;
    if (before != next)
        apply(before, next, false);
}

void SettingsHost::applyAll()
{
    apply(settings_, settings_, true);
}

void SettingsHost::apply(const Settings& before, const Settings& after, bool everything)
{
    hudShown = after.hud;
    if (everything || before.effectsVolume != after.effectsVolume || before.musicVolume != after.musicVolume)
        audio().setVolumes(after.effectsVolume, after.musicVolume);
    if (everything || before.music != after.music)
        audio().setMusic(after.music);
}

SettingsHost& settingsHost()
{
    return installed != nullptr ? *installed : defaultHost();
}

void useSettingsHost(SettingsHost* host)
{
    installed = host;
    if (host == nullptr)
        defaultHost().change(Settings());
    settingsHost().applyAll();
}
