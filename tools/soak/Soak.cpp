#include "tools/soak/Soak.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <system_error>

#include "app/FrameLoop.h"
#include "app/GameRun.h"
#include "app/Globals.h"
#include "app/Recorder.h"
#include "app/ReplayData.h"
#include "app/ReplayFile.h"
#include "app/SettingsFile.h"
#include "menus/SettingsHost.h"
#include "platform/Message.h"
#include "play/SaveRecord.h"
#include "play/Ticks.h"
#include "render/Renderer.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "tools/replay/HeadlessReplay.h"
#include "tools/soak/ResourceCensus.h"
#include "tools/soak/RoundTrip.h"

namespace {

namespace fs = std::filesystem;

constexpr double megabyte = 1024.0 * 1024.0;
// The window the script's pointer positions are given in.
constexpr int scriptWindowWide = 640;
constexpr int scriptWindowHigh = 480;
// The levels the dying saved game cycles through (each round another
// level's pictures and objects are loaded).
constexpr int firstLevelLoaded = 2;
constexpr int levelsCycled = 14;
// A recorded soak keeps a state hash of one frame in this many, as -record does.
constexpr std::uint16_t recordedHashEvery = 8;

// Ends a frame as the game's buffer swap does: everything drawn is finished.
// Without it the software renderer keeps every frame's drawing queued, and
// with it the storage of every texture deleted meanwhile, which would
// measure the queue instead of the game.
void finishFrame()
{
    renderer().finish();
}

// The tick the game's clock and every level seed read.
std::uint32_t now = 1000;

std::uint32_t currentTick()
{
    return now;
}

// The counts of one moment compared with those after warm-up.
class Watch {
public:
    Watch(const SoakOptions& options, const char* unit) : options_(options), unit_(unit) {}

    // Takes the counts after `done` rounds; false (with the reason printed)
    // when they depart from those after warm-up.
    bool check(int done, long long frames)
    {
        if (options_.trimHeap)
            returnFreedHeap();
        const ResourceCensus now = ResourceCensus::take();
        if (done == options_.warmUp)
            baseline_ = now;
        if (done % options_.reportEvery == 0 || done == options_.warmUp)
            std::printf("%s %d  frames %lld  %s\n", unit_, done, frames, now.describe().c_str());
        std::fflush(stdout);
        last_ = now;
        if (done <= options_.warmUp)
            return true;
        if (now.heldTextures() != baseline_.heldTextures() || now.displayLists != baseline_.displayLists
            || now.buffers != baseline_.buffers) {
            std::printf("soak: after %s %d the game holds %d texture names, %d display lists and %d buffers, "
                        "after warm-up %d, %d and %d\n",
                        unit_, done, now.heldTextures(), now.displayLists, now.buffers, baseline_.heldTextures(),
                        baseline_.displayLists, baseline_.buffers);
            return false;
        }
        return true;
    }

    // The resident size at the end against the bound.
    bool growthWithinBound() const
    {
        const double growth = (static_cast<double>(last_.residentBytes) - baseline_.residentBytes) / megabyte;
        std::printf("soak: resident size after warm-up %.1f MB, at the end %.1f MB: growth %.1f MB",
                    baseline_.residentBytes / megabyte, last_.residentBytes / megabyte, growth);
        if (options_.residentGrowthMb <= 0) {
            std::printf(" (not bounded)\n");
            return true;
        }
        std::printf(" (bound %.1f MB)\n", options_.residentGrowthMb);
        return growth <= options_.residentGrowthMb;
    }

private:
    const SoakOptions& options_;
    const char* unit_;
    ResourceCensus baseline_;
    ResourceCensus last_;
};

// Nothing may stay on the context once every screen and the title picture are gone.
bool nothingLeft()
{
    const ResourceCensus left = ResourceCensus::take();
    if (left.textures == 0 && left.displayLists == 0 && left.buffers == left.standingBuffers)
        return true;
    std::printf("soak: with every screen gone %d texture names and %d display lists are left\n",
                left.textures, left.displayLists);
    if (left.buffers != left.standingBuffers)
        std::printf("soak: with every screen gone %d buffers are alive, the renderer's own %d\n", left.buffers,
                    left.standingBuffers);
    return false;
}

// A save folder of the soak's own, removed at the end.
class OwnFolder {
public:
    OwnFolder()
    {
        std::error_code code;
        std::string pattern = (fs::temp_directory_path(code) / "thrask-soak-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~OwnFolder()
    {
        std::error_code code;
        if (!path_.empty())
            fs::remove_all(path_, code);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace

int soakRoundTrips(const SoakOptions& options)
{
    OffscreenRenderer context(options.renderer, options.width, options.height);
    if (!context.valid()) {
        std::printf("soak: no off-screen OpenGL context\n");
        return 1;
    }
    OwnFolder saves;
    std::error_code code;
    const fs::path home = fs::current_path(code);
    fs::current_path(options.dataDir, code);
    if (code || saves.path().empty()) {
        std::printf("soak: cannot use the data folder %s or make a save folder\n", options.dataDir.c_str());
        return 1;
    }
    saveFolder = saves.path();
    setPlayTickSource(currentTick);

    resetGameGlobals(scriptWindowWide, scriptWindowHigh);
    Recorder recorder;
    const bool recording = !options.recordPath.empty();
    if (recording) {
        std::string error;
        SaveRecord dying;
        dying.level = firstLevelLoaded;
        if (!writeSaveRecord(saveFolder + "/" + roundtrip::dyingSave, dying)
            || !recorder.start(fs::absolute(fs::path(home) / options.recordPath).string(),
                               {"-win", "-w", "640", "-h", "480"}, ".", saveFolder,
                               settingsText(settingsHost().settings()), recordedHashEvery,
                               currentTick, error)) {
            std::printf("soak: cannot record: %s\n", error.c_str());
            return 1;
        }
    }
    const auto send = [&](const Message& message) {
        if (recording)
            recorder.input(message);
        dispatchMessage(message);
    };
    const auto frameTick = [&] { return recording ? recorder.frameTick() : now; };
    Message size;
    size.kind = Message::Size;
    size.a = scriptWindowWide;
    size.b = scriptWindowHigh;
    send(size);
    startTitleScreen();
    lastTick = recording ? recorder.readTick() : now;

    Watch watch(options, "round");
    long long frames = 0;
    int failed = 0;
    for (int round = 1; round <= options.rounds && failed == 0; ++round) {
        SaveRecord dying;
        dying.level = firstLevelLoaded + round % levelsCycled;
        dying.score = round;
        if (!recording && !writeSaveRecord(saveFolder + "/" + roundtrip::dyingSave, dying)) {
            std::printf("soak: cannot write the round's saved game in %s\n", saveFolder.c_str());
            failed = 1;
            break;
        }
        const std::vector<Step> steps = roundtrip::steps();
        std::size_t step = 0;
        Script script(scriptWindowWide, scriptWindowHigh);
        while (step < steps.size()) {
            now += options.frameMilliseconds;
            runFrame(frameTick, options.unfinishedFrames ? std::function<void()>() : finishFrame);
            ++frames;
            const StepResult outcome = steps[step](script);
            ++script.stepFrame;
            for (const Message& message : script.takeMessages())
                send(message);
            if (recording)
                recorder.endFrame();
            if (outcome == StepResult::Failed || !running) {
                std::printf("soak: round %d stuck at \"%s\"\n", round, roundtrip::stepName(step).c_str());
                failed = 1;
                break;
            }
            if (outcome == StepResult::Done) {
                script.stepFrame = 0;
                ++step;
            }
        }
        if (failed == 0 && !watch.check(round, frames))
            failed = 1;
    }
    if (failed == 0)
        std::printf("soak: %d round trips, %lld frames\n", options.rounds, frames);
    if (recording) {
        std::string error;
        if (!recorder.finish(error)) {
            std::printf("soak: the recording is incomplete: %s\n", error.c_str());
            failed = 1;
        }
    }
    const bool grewWithinBound = failed == 0 && watch.growthWithinBound();
    shutDownScreens();
    setPlayTickSource(nullptr);
    const bool clean = nothingLeft();
    saveFolder = "Save";
    fs::current_path(home, code);
    return failed == 0 && grewWithinBound && clean ? 0 : 1;
}

int soakReplayLoops(const SoakOptions& options)
{
    OffscreenRenderer context(options.renderer, options.width, options.height);
    Replay replay;
    std::string error;
    if (!context.valid() || !readReplayFile(options.replayPath, replay, error)) {
        std::printf("soak: %s\n", context.valid() ? error.c_str() : "no off-screen OpenGL context");
        return 1;
    }
    Watch watch(options, "loop");
    long long frames = 0;
    for (int loop = 1; loop <= options.loops; ++loop) {
        const ReplayOutcome outcome = runReplay(replay, options.dataDir);
        frames += outcome.frames;
        if (!outcome.matches(replay)) {
            std::printf("soak: loop %d of %s did not end as recorded: %s%s\n", loop,
                        options.replayPath.c_str(), outcome.error.c_str(), outcome.departure.c_str());
            return 1;
        }
        if (!watch.check(loop, frames) || !nothingLeft())
            return 1;
    }
    std::printf("soak: %d runs of %s, %lld frames, each as recorded\n", options.loops,
                options.replayPath.c_str(), frames);
    return watch.growthWithinBound() ? 0 : 1;
}
