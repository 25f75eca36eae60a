// thrask-replay: runs recorded games without a window and says how they end.
//
//   thrask-replay [--data DIR] [--expect] FILE...
//       Runs each recording on the off-screen context against the game data
//       in DIR (default: the working directory) and prints its final state:
//       screen, level, hp, score, peppers left, a hash of the entities, the
//       random generator and the whole state's hash. With --expect it exits
//       with status 1 unless every recording ends exactly as it was
//       recorded, naming the first frame whose state hash departs.
//
//       With --trace it also prints the state each time the screen, the level
//       or the health changes, with the frame number.
//
//   thrask-replay --record-goldens DIR [--data DIR] [--only NAME]
//       Records the scripted golden replays of the tests into DIR (run
//       tools/replay/regenerate.sh after a deliberate change of the rules or
//       of the game data).
//
//   thrask-replay --list-goldens
//       Names the golden replays and what each one shows.
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/GameState.h"
#include "app/ReplayFile.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "tools/replay/Director.h"
#include "tools/replay/HeadlessReplay.h"
#include "tools/replay/Scenarios.h"

namespace {

// The off-screen picture is never looked at: it only has to exist.
constexpr int surfaceWidth = 64;
constexpr int surfaceHeight = 48;

int usage()
{
    std::fputs("usage: thrask-replay [--data DIR] [--expect] [--trace] FILE...\n"
               "       thrask-replay --record-goldens DIR [--data DIR] [--only NAME]\n"
               "       thrask-replay --list-goldens\n",
               stderr);
    return 2;
}

// The lines of the state that a trace follows.
std::string traced(const std::string& state)
{
    std::string kept;
    std::size_t start = 0;
    while (start < state.size()) {
        const std::size_t end = state.find('\n', start);
        const std::string line = state.substr(start, end - start);
        for (const char* name : {"screen ", "level ", "hp "})
            if (line.rfind(name, 0) == 0)
                kept += (kept.empty() ? "" : ", ") + line;
        start = end == std::string::npos ? state.size() : end + 1;
    }
    return kept;
}

int verify(const std::vector<std::string>& files, const std::string& dataDir, bool expect, bool trace)
{
    int failures = 0;
    for (const std::string& file : files) {
        Replay replay;
        std::string error;
        if (!readReplayFile(file, replay, error)) {
            std::fprintf(stderr, "thrask-replay: %s\n", error.c_str());
            ++failures;
            continue;
        }
        std::string last;
        const auto follow = [&last](int frame) {
            const std::string now = traced(describeGameState());
            if (now != last)
                std::printf("frame %6d: %s\n", frame, now.c_str());
            last = now;
        };
        const ReplayOutcome outcome = runReplay(replay, dataDir, false, trace ? std::function<void(int)>(follow) : nullptr);
        if (!outcome.error.empty()) {
            std::fprintf(stderr, "thrask-replay: %s: %s; it cannot show the same game\n", file.c_str(),
                         outcome.error.c_str());
            ++failures;
            continue;
        }
        std::printf("%s\nframes %d\n%s", file.c_str(), outcome.frames, outcome.finalState.c_str());
        if (!outcome.departure.empty())
            std::printf("departs at %s\n", outcome.departure.c_str());
        if (!expect)
            continue;
        if (!replay.finished) {
            std::printf("FAIL: the recording was cut short: it holds no final state to expect\n");
            ++failures;
        } else if (!outcome.matches(replay)) {
            std::printf("FAIL: the run does not end as recorded; the recording ends with:\n%s",
                        replay.finalState.c_str());
            ++failures;
        } else {
            std::printf("ends as recorded (%d state hashes compared)\n", outcome.hashesChecked);
        }
    }
    return failures == 0 ? 0 : 1;
}

int recordGoldens(const std::string& outDir, const std::string& dataDir, const std::string& only)
{
    int failures = 0;
    for (const Scenario& scenario : goldenScenarios()) {
        if (!only.empty() && scenario.name != only)
            continue;
        const std::string path = outDir + "/" + scenario.name + ".replay";
        std::string error;
        if (!recordScenario(scenario, dataDir, path, error)) {
            std::fprintf(stderr, "thrask-replay: %s: %s\n", scenario.name.c_str(), error.c_str());
            ++failures;
            continue;
        }
        std::printf("recorded %s\n", path.c_str());
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dataDir = ".";
    std::string goldens;
    std::string only;
    bool expect = false;
    bool trace = false;
    bool list = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--data" && hasValue)
            dataDir = argv[++i];
        else if (word == "--record-goldens" && hasValue)
            goldens = argv[++i];
        else if (word == "--only" && hasValue)
            only = argv[++i];
        else if (word == "--expect")
            expect = true;
        else if (word == "--trace")
            trace = true;
        else if (word == "--list-goldens")
            list = true;
        else if (word.rfind("--", 0) == 0)
            return usage();
        else
            files.push_back(word);
    }
    if (list) {
        for (const Scenario& scenario : goldenScenarios())
            std::printf("%-18s %s\n", scenario.name.c_str(), scenario.proves.c_str());
        return 0;
    }
    if (goldens.empty() && files.empty())
        return usage();

    OffscreenRenderer context(RendererKind::gl1, surfaceWidth, surfaceHeight);
    if (!context.valid()) {
        std::fputs("thrask-replay: no off-screen OpenGL context\n", stderr);
        return 1;
    }
    if (!goldens.empty())
        return recordGoldens(goldens, dataDir, only);
    return verify(files, dataDir, expect, trace);
}
