#include "tools/replay/HeadlessReplay.h"

#include <filesystem>
#include <system_error>

#include "app/FrameLoop.h"
#include "app/GameRun.h"
#include "app/GameSettings.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Playback.h"
#include "app/ReplayData.h"
#include "app/ReplayRun.h"
#include "render/Renderer.h"

ReplayOutcome runReplay(const Replay& replay, const std::string& dataDir, bool keepHashes,
                        const std::function<void(int frame)>& afterFrame, const std::function<void()>& afterInputs)
{
    const std::string changed = compareGameData(replay.dataFiles, scanGameData(dataDir));
    if (!changed.empty()) {
        ReplayOutcome outcome;
        outcome.error = "recorded with other game data (" + changed + ")";
        return outcome;
    }
    return playReplay(replay, dataDir, keepHashes, afterFrame, afterInputs);
}

ReplayOutcome playReplay(const Replay& replay, const std::string& dataDir, bool keepHashes,
                         const std::function<void(int frame)>& afterFrame, const std::function<void()>& afterInputs)
{
    ReplayOutcome outcome;
    std::error_code code;
    const std::filesystem::path home = std::filesystem::current_path(code);
    std::filesystem::current_path(dataDir, code);
    if (code) {
        outcome.error = "cannot enter " + dataDir;
        return outcome;
    }
    // The recording's window sizes set the viewport; the next run in this
    // process starts on the viewport this one started on, as a run of its own
    // would, and not at the last size this one was given.
    const Renderer::Viewport startViewport = renderer().viewport();

    resetGameGlobals(640, 480);
    ReplayRun run(replay);
    run.afterInputs(afterInputs);
    if (run.begin(outcome.error)) {
        while (running && !run.finished()) {
            // Each frame is finished as the window's buffer swap finishes it;
            // otherwise the software renderer queues every frame's drawing, and
            // the storage of every picture released meanwhile, until it runs out.
            run.frame(nullptr, [] { renderer().finish(); });
            if (keepHashes)
                outcome.frameHashes.push_back(gameStateHash());
            if (afterFrame)
                afterFrame(run.playback().frame());
        }
        static_cast<ReplayVerdict&>(outcome) = verdictOf(run.playback());
        run.end();
    }
    shutDownScreens();
    useSettingsHost(nullptr);
    renderer().setViewport(startViewport.x, startViewport.y, startViewport.width, startViewport.height);
    keepAspect = false;
    std::filesystem::current_path(home, code);
    return outcome;
}
