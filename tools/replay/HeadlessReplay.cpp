#include "tools/replay/HeadlessReplay.h"

#include <filesystem>
#include <system_error>

#include "app/FrameLoop.h"
#include "app/GameOptions.h"
#include "app/GameRun.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Playback.h"
#include "app/ReplayData.h"
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
    ReplayFolder folder;
    if (!folder.create(replay.saves, outcome.error))
        return outcome;
    std::error_code code;
    const std::filesystem::path home = std::filesystem::current_path(code);
    std::filesystem::current_path(dataDir, code);
    if (code) {
        outcome.error = "cannot enter " + dataDir;
        return outcome;
    }
    const std::string playersSaves = saveFolder;
    saveFolder = folder.path();
    // The recording's window sizes set the viewport; the next run in this
    // process starts on the viewport this one started on, as a run of its own
    // would, and not at the last size this one was given.
    const Renderer::Viewport startViewport = renderer().viewport();

    resetGameGlobals(640, 480);
    // The recorded run's picture shape decides where its pointer was.
    std::vector<const char*> words{"thrask"};
    for (const std::string& word : replay.commandLine)
        words.push_back(word.c_str());
    std::vector<std::string> display;
    keepAspect = readGameOptions(static_cast<int>(words.size()), words.data(), display).aspect;
    Playback playback(replay);
    playback.begin();
    playback.dispatchInputs(dispatchMessage);
    if (afterInputs)
        afterInputs();
    startTitleScreen();
    lastTick = playback.readTick();
    while (running && !playback.finished()) {
        // Each frame is finished as the window's buffer swap finishes it;
        // otherwise the software renderer queues every frame's drawing, and
        // the storage of every picture released meanwhile, until it runs out.
        runFrame([&playback] { return playback.frameTick(); }, [] { renderer().finish(); });
        playback.dispatchInputs(dispatchMessage);
        if (afterInputs)
            afterInputs();
        playback.checkHash();
        if (keepHashes)
            outcome.frameHashes.push_back(gameStateHash());
        if (afterFrame)
            afterFrame(playback.frame());
    }
    outcome.frames = playback.frame();
    outcome.departure = playback.departure();
    if (outcome.departure.empty() && !playback.finished())
        outcome.departure = "frame " + std::to_string(playback.frame())
            + ": the game ended before the recorded run did";
    outcome.hashesChecked = playback.hashesChecked();
    outcome.finalState = describeGameState();

    shutDownScreens();
    renderer().setViewport(startViewport.x, startViewport.y, startViewport.width, startViewport.height);
    keepAspect = false;
    saveFolder = playersSaves;
    std::filesystem::current_path(home, code);
    return outcome;
}
