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
//
//   thrask-replay --compare-renderers A,B [--every N] [--size WxH] [--data DIR] FILE...
//       Plays each recording with the backends A and B at once (two
//       processes), on off-screen surfaces of WxH pixels (640x480 unless
//       told) filled by the picture, and compares every N-th frame's pixels
//       (every frame unless told). Prints a line per recording and, last,
//       "renderer parity: F frames, P pixels differ by more than 2/255, max
//       channel difference D"; exits with status 1 when P is more than 0.1 %
//       of the pixels compared or a recording could not be compared.
//
//   --renderer gl1|gles2|null chooses what draws the recordings played or
//   recorded (gl1 unless told); null needs no OpenGL context at all.
//
// Exit status: 0 when every recording ran (and, with --expect, ended as
// recorded) or every golden was recorded. 1 when one did not: a recording
// that cannot be read or played, departs from its record, or a golden script
// that does not get through. 2 when nothing was run because the tool was
// asked wrongly: an unknown option, an option without its value, no
// recording named, a golden name --only does not know (the usage follows on
// standard error), or a data folder that does not exist or holds no levels
// (named on standard error). --help prints the usage on standard output and
// exits 0.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/GameState.h"
#include "app/ReplayFile.h"
#include "app/ScreenFactories.h"
#include "render/RendererChoice.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "scenarios/GoldenScenarios.h"
#include "tools/cli/GameDataFolder.h"
#include "tools/cli/ToolCommandLine.h"
#include "tools/replay/Director.h"
#include "tools/replay/HeadlessReplay.h"
#include "tools/replay/RendererParity.h"

namespace {

// The off-screen picture is never looked at: it only has to exist.
constexpr int surfaceWidth = 64;
constexpr int surfaceHeight = 48;

const char* const usageText =
    "usage: thrask-replay [--data DIR] [--expect] [--trace] [--renderer gl1|gles2|null] FILE...\n"
    "       thrask-replay --record-goldens DIR [--data DIR] [--only NAME]\n"
    "       thrask-replay --list-goldens\n"
    "       thrask-replay --compare-renderers A,B [--every N] [--size WxH] [--data DIR] FILE...\n"
    "  --data DIR             the game's data folder (default: the working directory)\n"
    "  --expect               fail unless each recording ends as it was recorded\n"
    "  --trace                print the state whenever screen, level or health change\n"
    "  --record-goldens DIR   record the scripted golden replays into DIR\n"
    "  --only NAME            record only the golden replay NAME\n"
    "  --list-goldens         name the golden replays and what each shows\n"
    "  --renderer NAME        what draws the recordings: gl1 (default), gles2 or null\n"
    "  --compare-renderers A,B  compare the pictures of two renderers frame by frame\n"
    "  --every N              compare one frame in N (default: every frame)\n"
    "  --size WxH             the compared surfaces' size (default: 640x480)\n"
    "Exit status: 0 as expected, 1 a recording failed (or the renderers differ),\n"
    "2 asked wrongly (options, data folder).\n";

bool isGolden(const std::string& name)
{
    for (const Scenario& scenario : goldenScenarios())
        if (scenario.name == name)
            return true;
    return false;
}

// Two renderers' names, "A,B".
bool readRendererPair(const std::string& value, RendererKind& first, RendererKind& second)
{
    const std::size_t comma = value.find(',');
    return comma != std::string::npos && parseRendererKind(value.substr(0, comma), first)
        && parseRendererKind(value.substr(comma + 1), second);
}

// A surface's size, "WxH", each side 1 to a million pixels.
bool readSize(const std::string& value, int& width, int& height)
{
    constexpr long largestSide = 1000000;
    const std::size_t x = value.find('x');
    return x != std::string::npos && readWholeNumber(value.substr(0, x), 1, width)
        && readWholeNumber(value.substr(x + 1), 1, height) && width <= largestSide && height <= largestSide;
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
        std::printf("%s\n%s", file.c_str(), replayVerdictLines(outcome, replay, expect).c_str());
        if (expect && (!replay.finished || !outcome.matches(replay)))
            ++failures;
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
    installScreenFactories();
    std::string dataDir = ".";
    std::string goldens;
    std::string only;
    bool expect = false;
    bool trace = false;
    bool list = false;
    RendererKind renderer = RendererKind::gl1;
    bool compare = false;
    ParityOptions parity;
    std::vector<std::string> files;
    const auto text = [](std::string& into) {
        return [&into](const std::string& v) { into = v; return !v.empty(); };
    };
    const auto flag = [](bool& into) {
        return [&into](const std::string&) { into = true; return true; };
    };
    const std::vector<ToolOption> options = {
        {"--data", "DIR", text(dataDir)},
        {"--record-goldens", "DIR", text(goldens)},
        {"--only", "NAME", text(only)},
        {"--expect", "", flag(expect)},
        {"--trace", "", flag(trace)},
        {"--list-goldens", "", flag(list)},
        {"--renderer", "NAME", [&renderer](const std::string& v) { return parseRendererKind(v, renderer); }},
        {"--compare-renderers", "A,B",
         [&](const std::string& v) {
             compare = readRendererPair(v, parity.first, parity.second);
             return compare;
         }},
        {"--every", "N", [&parity](const std::string& v) { return readWholeNumber(v, 1, parity.every); }},
        {"--size", "WxH", [&parity](const std::string& v) { return readSize(v, parity.width, parity.height); }},
    };
    const int answered = readToolCommandLine("thrask-replay", usageText, argc, argv, options, &files);
    if (answered != keepRunning)
        return answered;
    if (list) {
        for (const Scenario& scenario : goldenScenarios())
            std::printf("%-18s %s\n", scenario.name.c_str(), scenario.proves.c_str());
        return 0;
    }
    if (goldens.empty() && files.empty())
        return toolMisused("thrask-replay", usageText, "no recording named");
    if (!only.empty() && !isGolden(only))
        return toolMisused("thrask-replay", usageText, "no golden replay is named " + only + " (--list-goldens names them)");
    const std::string problem = gameDataProblem(dataDir);
    if (!problem.empty()) {
        std::fprintf(stderr, "thrask-replay: %s\n", problem.c_str());
        return 2;
    }
    if (compare) {
        parity.dataDir = dataDir;
        const ParityResult result = compareRenderers(files, parity);
        for (const std::string& error : result.errors)
            std::fprintf(stderr, "thrask-replay: %s\n", error.c_str());
        std::printf("%s\n", result.line().c_str());
        return result.withinBound() ? 0 : 1;
    }

    OffscreenRenderer context(renderer, surfaceWidth, surfaceHeight);
    if (!context.valid()) {
        std::fputs("thrask-replay: no off-screen OpenGL context\n", stderr);
        return 1;
    }
    if (!goldens.empty())
        return recordGoldens(goldens, dataDir, only);
    return verify(files, dataDir, expect, trace);
}
