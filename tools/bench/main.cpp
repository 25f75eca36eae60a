// Frame-time and transition benchmark on the off-screen Mesa context (speed
// is measured here, never in the tests).
//
//   thrask_bench [data directory] [frames] [recording...] [--csv FILE]
//                [--repeats N] [--sizes WxH,...] [--stress N] [--warmup N]
//                [--nohud] [--renderer gl1|gles2|null] [--renderers A,B,...]
//                [--cold-start] [--stress-only]
//
// For each size (640x480 and 1920x1080 unless --sizes says otherwise) it
// times the hand-overs between screens (New Game, level change, Esc's copy
// and the in-game menu, Return Game, Load Game; --repeats runs each, 21 by
// default), then runs `frames` frames (300 by default, after --warmup
// frames, 10 by default) of the title menu, of levels 1, 8 and 15, of the
// shipped level with the most objects and of a stress level with --stress
// enemies (10,000 by default), and reports the p50, p99 and max of the CPU
// time that update and render take per frame. All of it runs in a temporary
// copy of the data folder, where the stress level is written. It prints a
// table per size and writes every figure to a CSV file (--csv, by default
// thrask-bench.csv in the folder it was started from).
//
// Then, on levels 1, the heaviest and the stress level, the frames again
// without and with the game's recording of them, side by side in one run
// (RecordingBench), with the ratio of their medians and the time a
// recording's start takes.
//
// With --cold-start only the cold-start table is measured and printed: a
// run's first New Game and first change to each background, for every size
// and backend. --stress-only runs the stress level's frames alone, for
// profiling its drawing: no transitions, no other screen, no recording bench.
//
// Each recording given (a replay, such as tests/replays/whole-game.replay) is
// then run at 640x480 as thrask-replay runs it, and its frames per second
// are printed.
//
// Everything is drawn by gl1 unless --renderer names another backend; with
// --renderers every size is measured with each backend named, in the same
// run, and the last line compares the stress level's render time:
//   stress render p50: gl1 A ms, gles2 B ms (ratio B/A R)
// (A and B the milliseconds, R their ratio)
// for the size where the second backend fares worst against the first.
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/GameRun.h"
#include "app/Globals.h"
#include "app/ScreenFactories.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayHud.h"
#include "play/PlayScreen.h"
#include "play/Ticks.h"
#include "render/PictureWorker.h"
#include "render/RendererChoice.h"
#include "tools/bench/BenchData.h"
#include "tools/bench/BenchReport.h"
#include "tools/bench/ColdStartTable.h"
#include "tools/bench/FrameSampler.h"
#include "tools/bench/RecordingBench.h"
#include "tools/bench/TransitionBench.h"
#include "tools/replay/HeadlessReplay.h"

namespace {

// The level number the stress level is written as in the data copy.
constexpr int stressLevelNumber = 16;
// The tick count every level is seeded with, so each run places the same objects.
constexpr std::uint32_t benchSeedTicks = 4242;
// Health given before every frame, so no level ends in the death sequence
// while it is measured; the play rules cut it to the maximum in the frame.
constexpr int benchHealth = INT_MAX / 2;

struct Options {
    std::string data = "data";
    int frames = 300;
    int warmUp = 10;
    int repeats = 21;
    int stressEnemies = 10000;
    std::string csv = "thrask-bench.csv";
    std::vector<std::pair<int, int>> sizes{{640, 480}, {1920, 1080}};
    std::vector<std::string> recordings;
    std::vector<RendererKind> renderers{RendererKind::gl1};
    bool coldStartOnly = false;
    bool stressOnly = false;
};

// The stress level's render p50 of one backend at one size.
struct StressRender {
    std::string size;
    RendererKind renderer;
    double p50 = 0.0;
};

std::uint32_t seedTicks()
{
    return benchSeedTicks;
}

bool readSizes(const std::string& text, std::vector<std::pair<int, int>>& sizes)
{
    sizes.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        int width = 0;
        int height = 0;
        if (std::sscanf(text.substr(start, end - start).c_str(), "%dx%d", &width, &height) != 2 || width <= 0
            || height <= 0)
            return false;
        sizes.emplace_back(width, height);
        start = end + 1;
    }
    return !sizes.empty();
}

bool readRenderers(const std::string& text, std::vector<RendererKind>& renderers)
{
    renderers.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        RendererKind kind = RendererKind::gl1;
        if (!parseRendererKind(text.substr(start, end - start), kind))
            return false;
        renderers.push_back(kind);
        start = end + 1;
    }
    return !renderers.empty();
}

bool readOptions(int argc, char** argv, Options& options)
{
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--csv" && hasValue) {
            options.csv = argv[++i];
        } else if (word == "--repeats" && hasValue) {
            options.repeats = std::max(1, std::atoi(argv[++i]));
        } else if (word == "--warmup" && hasValue) {
            options.warmUp = std::max(0, std::atoi(argv[++i]));
        } else if (word == "--stress" && hasValue) {
            options.stressEnemies = std::max(0, std::atoi(argv[++i]));
        } else if (word == "--cold-start") {
            options.coldStartOnly = true;
        } else if (word == "--stress-only") {
            options.stressOnly = true;
        } else if (word == "--nohud") {
            // Play as bare as -nohud leaves it, to see what the HUD costs.
            hudShown = false;
        } else if (word == "--sizes" && hasValue) {
            if (!readSizes(argv[++i], options.sizes))
                return false;
        } else if ((word == "--renderer" || word == "--renderers") && hasValue) {
            if (!readRenderers(argv[++i], options.renderers) || (word == "--renderer" && options.renderers.size() != 1))
                return false;
        } else if (word.rfind("--", 0) == 0) {
            return false;
        } else if (positional == 0) {
            options.data = word;
            ++positional;
        } else if (positional == 1) {
            options.frames = std::max(1, std::atoi(word.c_str()));
            ++positional;
        } else {
            options.recordings.push_back(std::filesystem::absolute(word).string());
        }
    }
    return true;
}

int objectCount(const PlayScreen& play)
{
    return static_cast<int>(play.entities.size() + play.healthPickups.size() + play.peppers.size());
}

// Runs the frames of one screen into a report row. The screen is freed.
BenchReport::ScreenRow measure(const std::string& name, Screen* screen, int objects, const Options& options)
{
    FrameSampler sampler(options.warmUp, options.frames);
    auto* play = dynamic_cast<PlayScreen*>(screen);
    const bool stayed = sampler.run(*screen, [play] {
        if (play != nullptr)
            play->hp = benchHealth;
    });
    if (stayed) {
        delete screen;
    } else {
        std::fprintf(stderr, "thrask_bench: %s handed the game over after %zu frames\n", name.c_str(),
                     sampler.frame.count());
        delete currentScreen;
        currentScreen = nullptr;
    }
    freeRetiredScreens();
    BenchReport::ScreenRow row;
    row.name = name;
    row.objects = objects;
    row.update = sampler.update;
    row.render = sampler.render;
    row.updateAndRender = sampler.updateAndRender;
    row.frame = sampler.frame;
    return row;
}

BenchReport::ScreenRow measureLevel(const std::string& name, int level, const Options& options)
{
    auto* play = new PlayScreen;
    play->enter();
    play->setup(level);
    play->level = level;
    play->introShowing = false;
    return measure(name, play, objectCount(*play), options);
}

// The stress level's frames into the size's table, and its render p50 kept
// for the last line's comparison.
void addStressRow(int width, int height, RendererKind kind, const std::string& resolution, const Options& options,
                  BenchReport& report, std::vector<StressRender>& stress)
{
    BenchReport::ScreenRow row = measureLevel("stress (" + std::to_string(options.stressEnemies) + " enemies)",
                                              stressLevelNumber, options);
    stress.push_back({std::to_string(width) + "x" + std::to_string(height), kind, row.render.median()});
    report.addScreen(resolution, std::move(row));
}

void addTransition(BenchReport& report, const std::string& resolution, const std::string& name,
                   const TransitionBench::Times& times)
{
    report.addTransition(resolution, {name, times.wall, times.cpu});
}

// One size with one backend: the transitions first (their first runs find
// no picture kept, as the player's first New Game does), then the screens.
// The table's heading is the size, and the backend's name after it when the
// run measures several.
bool runSize(int width, int height, RendererKind kind, const BenchData& data, const Options& options,
             BenchReport& report, std::vector<StressRender>& stress, ColdStartTable& cold)
{
    std::string resolution = std::to_string(width) + "x" + std::to_string(height);
    if (options.renderers.size() > 1)
        resolution += std::string(" ") + rendererKindName(kind);
    OffscreenRenderer context(kind, width, height);
    if (!context.valid()) {
        std::fprintf(stderr, "thrask_bench: no off-screen OpenGL context of %s\n", resolution.c_str());
        return false;
    }
    resetGameGlobals(width, height);
    mouseX = width / 2;
    mouseY = height / 2;
    setPlayTickSource(seedTicks);

    if (options.stressOnly) {
        addStressRow(width, height, kind, resolution, options, report, stress);
        shutDownScreens();
        setPlayTickSource(nullptr);
        return true;
    }

    startTitleScreen();
    Screen* title = currentScreen;
    currentScreen = nullptr;

    const int heaviest = data.heaviestLevel();
    const TransitionBench transitions(options.repeats, data.saves());
    if (!options.coldStartOnly) {
        addTransition(report, resolution, "New Game", transitions.newGame());
        addTransition(report, resolution, "Esc: copy + in-game menu", transitions.escCopy(heaviest));
        addTransition(report, resolution, "in-game menu set-up", transitions.inGameMenu());
        addTransition(report, resolution, "Return Game", transitions.returnGame(heaviest));
        addTransition(report, resolution, "Load Game", transitions.loadGame(heaviest));
        addTransition(report, resolution, "level change", transitions.levelChange());
    }
    // A run's first New Game on the title menu's first frame, and its first
    // change to each background, with the pictures' decoding started as the
    // game starts it; then where reading the pictures goes.
    TransitionBench::ColdStart coldStart = transitions.coldStart(PictureWorker::threaded);
    coldStart.newGameFrames = transitions.coldStartFrames(PictureWorker::threaded);
    addTransition(report, resolution, "New Game, cold start", coldStart.newGame);
    addTransition(report, resolution, "level change, cold start", coldStart.levelChange);
    TransitionBench::ColdStart nothingAhead = transitions.coldStart(false);
    nothingAhead.newGameFrames = transitions.coldStartFrames(false);
    cold.add(std::to_string(width) + "x" + std::to_string(height) + " " + rendererKindName(kind), coldStart,
             nothingAhead, TransitionBench::pictureCosts());
    if (options.coldStartOnly) {
        delete title;
        shutDownScreens();
        setPlayTickSource(nullptr);
        return true;
    }
    // The same, the first of each after the title menu rested long enough to
    // load the game's pictures ahead, as the game does at rest.
    TransitionBench::restAtTheMenu();
    addTransition(report, resolution, "New Game, menu rested", transitions.newGame());
    TransitionBench::restAtTheMenu();
    addTransition(report, resolution, "level change, menu rested", transitions.levelChange());

    report.addScreen(resolution, measure("title menu", title, -1, options));
    for (const int level : {1, 8, 15})
        report.addScreen(resolution, measureLevel("level " + std::to_string(level), level, options));
    report.addScreen(resolution,
                     measureLevel("heaviest shipped (level " + std::to_string(heaviest) + ")", heaviest, options));
    addStressRow(width, height, kind, resolution, options, report, stress);

    const RecordingBench recording(options.frames, data.folder() + "/replays");
    const auto recordLevel = [&](const std::string& name, int level) {
        PlayScreen play;
        play.enter();
        play.setup(level);
        play.level = level;
        play.introShowing = false;
        RecordingBench::Times times = recording.run(play);
        report.addRecording(resolution, {name, objectCount(play), std::move(times.plain),
                                         std::move(times.recorded), std::move(times.start)});
    };
    recordLevel("level 1", 1);
    recordLevel("heaviest shipped (level " + std::to_string(heaviest) + ")", heaviest);
    recordLevel("stress (" + std::to_string(options.stressEnemies) + " enemies)", stressLevelNumber);

    shutDownScreens();
    setPlayTickSource(nullptr);
    return true;
}

int runRecordings(const Options& options, const std::string& dataDir)
{
    if (options.recordings.empty())
        return 0;
    OffscreenRenderer context(options.renderers.front(), 640, 480);
    if (!context.valid())
        return 1;
    std::printf("\n");
    for (const std::string& path : options.recordings) {
        Replay replay;
        std::string error;
        if (!readReplayFile(path, replay, error)) {
            std::fprintf(stderr, "thrask_bench: %s\n", error.c_str());
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const ReplayOutcome outcome = runReplay(replay, dataDir);
        const auto end = std::chrono::steady_clock::now();
        if (!outcome.error.empty()) {
            std::fprintf(stderr, "thrask_bench: %s: %s\n", path.c_str(), outcome.error.c_str());
            return 1;
        }
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        std::printf("replay %-17s %8.3f ms/frame  %8.1f frames/s  (%d frames%s)\n",
                    std::filesystem::path(path).filename().c_str(), ms / outcome.frames,
                    outcome.frames * 1000.0 / ms, outcome.frames,
                    outcome.matches(replay) ? "" : ", departs from the recording");
    }
    return 0;
}

// The last line of a run with several backends: the stress level's render
// p50 of the first two, at the size where the second fares worst.
void printStressComparison(const std::vector<StressRender>& stress, RendererKind first, RendererKind second)
{
    double worst = -1.0;
    double firstMs = 0.0;
    double secondMs = 0.0;
    for (const StressRender& a : stress) {
        if (a.renderer != first)
            continue;
        for (const StressRender& b : stress) {
            if (b.renderer != second || b.size != a.size || a.p50 <= 0.0)
                continue;
            std::printf("stress render p50 at %s: %s %.3f ms, %s %.3f ms (ratio %.3f)\n", a.size.c_str(),
                        rendererKindName(first), a.p50, rendererKindName(second), b.p50, b.p50 / a.p50);
            if (b.p50 / a.p50 > worst) {
                worst = b.p50 / a.p50;
                firstMs = a.p50;
                secondMs = b.p50;
            }
        }
    }
    if (worst < 0.0)
        return;
    std::printf("stress render p50: %s %.3f ms, %s %.3f ms (ratio B/A %.3f)\n", rendererKindName(first), firstMs,
                rendererKindName(second), secondMs, worst);
}

} // namespace

int main(int argc, char** argv)
{
    installScreenFactories();
    Options options;
    if (!readOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: thrask_bench [data directory] [frames] [recording...] [--csv FILE] "
                             "[--repeats N] [--sizes WxH,...] [--stress N] [--warmup N] [--nohud] "
                             "[--renderer gl1|gles2|null] [--renderers A,B,...] [--cold-start] [--stress-only]\n");
        return 2;
    }
    std::error_code error;
    const std::filesystem::path home = std::filesystem::current_path(error);
    const std::string dataDir = std::filesystem::absolute(options.data, error).string();
    const std::string csv = std::filesystem::absolute(options.csv, error).string();

    BenchData data(dataDir);
    if (!data.valid() || !data.writeStressLevel(stressLevelNumber, options.stressEnemies)) {
        std::fprintf(stderr, "thrask_bench: cannot copy %s into a temporary folder\n", dataDir.c_str());
        return 1;
    }
    std::filesystem::current_path(data.folder(), error);

    BenchReport report;
    std::vector<StressRender> stress;
    ColdStartTable cold;
    for (const auto& [width, height] : options.sizes) {
        for (const RendererKind kind : options.renderers) {
            if (!runSize(width, height, kind, data, options, report, stress, cold))
                return 1;
            if (options.coldStartOnly)
                continue;
            std::string resolution = std::to_string(width) + "x" + std::to_string(height);
            if (options.renderers.size() > 1)
                resolution += std::string(" ") + rendererKindName(kind);
            report.print(resolution);
        }
    }
    std::filesystem::current_path(home, error);
    if (options.coldStartOnly) {
        cold.print();
        return 0;
    }
    if (!report.writeCsv(csv)) {
        std::fprintf(stderr, "thrask_bench: cannot write %s\n", csv.c_str());
        return 1;
    }
    std::printf("\nwritten: %s\n", csv.c_str());
    const int recordings = runRecordings(options, dataDir);
    cold.print();
    if (options.renderers.size() > 1)
        printStressComparison(stress, options.renderers[0], options.renderers[1]);
    return recordings;
}
