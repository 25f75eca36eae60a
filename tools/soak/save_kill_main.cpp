// thrask-save-kill: the halves of the kill test (kill-during-save.sh), in a
// program of their own that starts in a moment (no OpenGL to load), so a
// kill lands in the middle of saving rather than of starting up.
//
//   thrask-save-kill --saver DIR                      saves into DIR until killed
//   thrask-save-kill --check DIR [--keep-strays]      checks what a kill left
//   thrask-save-kill --settings-saver DIR             replaces DIR's settings file until killed
//   thrask-save-kill --settings-check DIR             checks the settings file a kill left
#include <cstdio>
#include <string>

#include "app/ScreenFactories.h"
#include "tools/soak/SaveKillCheck.h"
#include "tools/soak/SettingsKillCheck.h"

int main(int argc, char** argv)
{
    installScreenFactories();
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "--saver" && argc == 3)
        return runSaver(argv[2]);
    if (mode == "--check" && (argc == 3 || (argc == 4 && std::string(argv[3]) == "--keep-strays")))
        return checkSaves(argv[2], argc == 4);
    if (mode == "--settings-saver" && argc == 3)
        return runSettingsSaver(argv[2]);
    if (mode == "--settings-check" && argc == 3)
        return checkSettings(argv[2]);
    std::fputs("usage: thrask-save-kill --saver DIR\n"
               "       thrask-save-kill --check DIR [--keep-strays]\n"
               "       thrask-save-kill --settings-saver DIR\n"
               "       thrask-save-kill --settings-check DIR\n",
               stderr);
    return 2;
}
