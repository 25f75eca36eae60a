// thrask-soak: the real screens, driven for a long time on the off-screen
// context, with what the game holds counted as it goes.
//
//   thrask-soak [--data DIR] [--rounds N] [--warm-up N] [--rss-growth-mb MB]
//               [--report-every N] [--frame-ms N] [--size WxH] [--trim-heap]
//               [--record FILE] [--unfinished-frames] [--renderer gl1|gles2|null]
//       Screen round trips (tools/soak/RoundTrip.h): main menu, New Game,
//       Esc, Return Game, Esc, the load list and back, Save Game, a level
//       change and a death back to the main menu. Exits with status 1 when a
//       round gets stuck or a save fails, when the texture names or display
//       lists alive at the main menu differ from those after warm-up, when
//       anything is left once the screens are gone, or when the resident size
//       grew by more than MB after warm-up (not checked without the option).
//       With --record the rounds are recorded into FILE, which the game's
//       -replay shows in its real window (every round then loads level 2).
//       --unfinished-frames leaves every frame's drawing queued in the
//       software renderer (no buffer swap ends it), to show what that keeps.
//       --renderer chooses what draws the screens (gl1 unless told): the
//       names and buffers are counted on that backend, null's in its own
//       table.
//
//   thrask-soak --replay FILE --loops N [--data DIR] [...]
//       Plays a recording N times (the whole-game golden replay, say), each
//       run checked against the recording, with the same counts and bounds.
//
// The kill test's saver and check are thrask-save-kill (save_kill_main.cpp).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/ScreenFactories.h"
#include "tools/soak/Soak.h"

namespace {

int usage()
{
    std::fputs("usage: thrask-soak [--data DIR] [--rounds N] [--warm-up N] [--rss-growth-mb MB]\n"
               "                   [--report-every N] [--frame-ms N] [--size WxH] [--trim-heap]\n"
               "                   [--record FILE] [--unfinished-frames] [--renderer gl1|gles2|null]\n"
               "       thrask-soak --replay FILE --loops N [same options]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    installScreenFactories();
    SoakOptions options;
    options.dataDir = THRASK_DATA_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        const auto number = [&] { return std::atoi(argv[++i]); };
        if (word == "--data" && hasValue)
            options.dataDir = argv[++i];
        else if (word == "--rounds" && hasValue)
            options.rounds = number();
        else if (word == "--warm-up" && hasValue)
            options.warmUp = number();
        else if (word == "--rss-growth-mb" && hasValue)
            options.residentGrowthMb = std::atof(argv[++i]);
        else if (word == "--report-every" && hasValue)
            options.reportEvery = std::max(1, number());
        else if (word == "--frame-ms" && hasValue)
            options.frameMilliseconds = static_cast<std::uint32_t>(std::max(1, number()));
        else if (word == "--size" && hasValue && std::sscanf(argv[i + 1], "%dx%d", &options.width, &options.height) == 2)
            ++i;
        else if (word == "--record" && hasValue)
            options.recordPath = argv[++i];
        else if (word == "--unfinished-frames")
            options.unfinishedFrames = true;
        else if (word == "--renderer" && hasValue && parseRendererKind(argv[i + 1], options.renderer))
            ++i;
        else if (word == "--trim-heap")
            options.trimHeap = true;
        else if (word == "--replay" && hasValue)
            options.replayPath = argv[++i];
        else if (word == "--loops" && hasValue)
            options.loops = number();
        else
            return usage();
    }
    if (options.rounds < 1 || options.width < 1 || options.height < 1)
        return usage();
    if (!options.replayPath.empty())
        return options.loops > 0 ? soakReplayLoops(options) : usage();
    return soakRoundTrips(options);
}
