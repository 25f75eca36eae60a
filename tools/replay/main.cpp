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
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/GameState.h"
#include "app/ReplayFile.h"
#include "render/RendererChoice.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "tools/replay/Director.h"
#include "tools/replay/HeadlessReplay.h"
#include "tools/replay/RendererParity.h"
#include "tools/replay/Scenarios.h"

namespace {

// The off-screen picture is never looked at: it only has to exist.
constexpr int surfaceWidth = 64;
constexpr int surfaceHeight = 48;

int usage()
{
    std::fputs("usage: thrask-replay [--data DIR] [--expect] [--trace] [--renderer gl1|gles2|null] FILE...\n"
               "       thrask-replay --record-goldens DIR [--data DIR] [--only NAME]\n"
               "       thrask-replay --list-goldens\n"
               "       thrask-replay --compare-renderers A,B [--every N] [--size WxH] [--data DIR] FILE...\n",
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

// The command line's choices.
struct Options {
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
};

// An option that takes the next word: its name and what it makes of the
// word (false: the word cannot be used).
struct ValueOption {
    const char* name;
    bool (*take)(Options& options, const std::string& value);
};

bool takeRendererPair(Options& options, const std::string& value)
{
    const std::size_t comma = value.find(',');
    options.compare = comma != std::string::npos && parseRendererKind(value.substr(0, comma), options.parity.first)
        && parseRendererKind(value.substr(comma + 1), options.parity.second);
    return options.compare;
}

bool takePositive(const std::string& value, int& number)
{
    char* end = nullptr;
    const long read = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || read < 1 || read > 1000000)
        return false;
    number = static_cast<int>(read);
    return true;
}

bool takeSize(Options& options, const std::string& value)
{
    const std::size_t x = value.find('x');
    return x != std::string::npos && takePositive(value.substr(0, x), options.parity.width)
        && takePositive(value.substr(x + 1), options.parity.height);
}

const ValueOption valueOptions[] = {
    {"--data", [](Options& o, const std::string& v) { o.dataDir = v; return true; }},
    {"--record-goldens", [](Options& o, const std::string& v) { o.goldens = v; return true; }},
    {"--only", [](Options& o, const std::string& v) { o.only = v; return true; }},
    {"--renderer", [](Options& o, const std::string& v) { return parseRendererKind(v, o.renderer); }},
    {"--compare-renderers", takeRendererPair},
    {"--every", [](Options& o, const std::string& v) { return takePositive(v, o.parity.every); }},
    {"--size", takeSize},
};

// Reads the command line; false when a word cannot be used.
bool readOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        bool known = false;
        for (const ValueOption& option : valueOptions) {
            if (word != option.name)
                continue;
            if (i + 1 >= argc || !option.take(options, argv[++i]))
                return false;
            known = true;
        }
        if (known)
            continue;
        if (word == "--expect")
            options.expect = true;
        else if (word == "--trace")
            options.trace = true;
        else if (word == "--list-goldens")
            options.list = true;
        else if (word.rfind("--", 0) == 0)
            return false;
        else
            options.files.push_back(word);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!readOptions(argc, argv, options))
        return usage();
    if (options.list) {
        for (const Scenario& scenario : goldenScenarios())
            std::printf("%-18s %s\n", scenario.name.c_str(), scenario.proves.c_str());
        return 0;
    }
    if (options.goldens.empty() && options.files.empty())
        return usage();
    if (options.compare) {
        options.parity.dataDir = options.dataDir;
        const ParityResult parity = compareRenderers(options.files, options.parity);
        for (const std::string& error : parity.errors)
            std::fprintf(stderr, "thrask-replay: %s\n", error.c_str());
        std::printf("%s\n", parity.line().c_str());
        return parity.withinBound() ? 0 : 1;
    }

    OffscreenRenderer context(options.renderer, surfaceWidth, surfaceHeight);
    if (!context.valid()) {
        std::fputs("thrask-replay: no off-screen OpenGL context\n", stderr);
        return 1;
    }
    if (!options.goldens.empty())
        return recordGoldens(options.goldens, options.dataDir, options.only);
    return verify(options.files, options.dataDir, options.expect, options.trace);
}
