// Frame-time benchmark: runs the real frame loop (runFrame) on an off-screen
// Mesa context for the title menu and for play screens of a few levels, with
// a steady 16 ms tick source, and prints the time each frame takes to compute
// and draw. Speed is measured here, never in the tests.
//
//   thrask_bench [data directory] [frames] [recording...]
//
// Each recording given (a replay, such as tests/replays/whole-game.replay) is
// run as thrask-replay runs it, and its frames per second are printed.
#include <GL/gl.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/FrameLoop.h"
#include "app/Globals.h"
#include "entities/Random.h"
#include "menus/TitleScreen.h"
#include "platform/headless/HeadlessContext.h"
#include "play/PlayScreen.h"
#include "render/Texture.h"
#include "screens/Screen.h"
#include "tools/replay/HeadlessReplay.h"

namespace {

constexpr std::uint32_t tickPerFrame = 16;
std::uint32_t fakeTicks = 0;

std::uint32_t nextTick()
{
    fakeTicks += tickPerFrame;
    return fakeTicks;
}

void measure(const char* name, Screen* screen, int frames)
{
    currentScreen = screen;
    lastTick = fakeTicks;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames && currentScreen != nullptr; ++i)
        runFrame(nextTick, [] { glFinish(); });
    const auto end = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count() / frames;
    std::printf("%-24s %8.3f ms/frame  %8.1f frames/s\n", name, ms, 1000.0 / ms);
    delete currentScreen;
    currentScreen = nullptr;
    freeRetiredScreens();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string data = argc > 1 ? argv[1] : "data";
    const int frames = argc > 2 ? std::atoi(argv[2]) : 300;
    std::error_code error;
    std::filesystem::current_path(data, error);
    if (error) {
        std::fprintf(stderr, "thrask_bench: cannot enter %s\n", data.c_str());
        return 1;
    }
    HeadlessContext context(640, 480);
    if (!context.valid()) {
        std::fprintf(stderr, "thrask_bench: no off-screen OpenGL context\n");
        return 1;
    }
    windowWidth = 640;
    windowHeight = 480;
    mouseX = 320;
    mouseY = 240;

    auto* title = new TitleScreen;
    title->enter();
    title->setup(1);
    measure("title menu", title, frames);

    for (const int level : {1, 8, 15}) {
        thrask::srand(1);
        auto* play = new PlayScreen;
        play->enter();
        play->setup(level);
        play->introShowing = false;
        measure(("play, level " + std::to_string(level)).c_str(), play, frames);
    }
    titleTexture.release();
    titleTexture.glName = 0;

    for (int i = 3; i < argc; ++i) {
        Replay replay;
        std::string error;
        if (!readReplayFile(argv[i], replay, error)) {
            std::fprintf(stderr, "thrask_bench: %s\n", error.c_str());
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const ReplayOutcome outcome = runReplay(replay, ".");
        const auto end = std::chrono::steady_clock::now();
        if (!outcome.error.empty()) {
            std::fprintf(stderr, "thrask_bench: %s: %s\n", argv[i], outcome.error.c_str());
            return 1;
        }
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        std::printf("replay %-17s %8.3f ms/frame  %8.1f frames/s  (%d frames%s)\n",
                    std::filesystem::path(argv[i]).filename().c_str(), ms / outcome.frames,
                    outcome.frames * 1000.0 / ms, outcome.frames,
                    outcome.matches(replay) ? "" : ", departs from the recording");
    }
    return 0;
}
