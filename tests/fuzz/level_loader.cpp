// The level loader: the input is level 1's file, loaded by a play screen with
// the game's own pictures and intro texts, then played for a few frames and
// its last frame drawn on the null renderer (no context: the runs go to the
// loader and the rules).
#include "FuzzSupport.h"
#include "app/Globals.h"
#include "app/ScreenFactories.h"
#include "entities/Knife.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"
#include "play/Ticks.h"
#include "render/PictureCache.h"
#include "render/Renderer.h"

namespace {

// Frames played after each load: enough for the rules of the first frames.
constexpr int framesPlayed = 3;
constexpr float secondsPerFrame = 0.02f;
// The tick every level is seeded with, so a crash found repeats exactly.
constexpr std::uint32_t seedTick = 1000;

// The scratch folder laid out as the game's data folder, its pictures and
// intro texts those of the game, and one play screen that loaded them. As in
// a run of the game, pictures stay loaded once read, so each level's
// background is decoded once and the runs go to the loader itself.
PlayScreen& playScreen()
{
    static OffscreenRenderer context(RendererKind::null, 64, 64);
    static PlayScreen* play = [] {
        namespace fs = std::filesystem;
        std::error_code code;
        const fs::path data(THRASK_DATA_DIR);
        fs::create_directories(fuzz::scratch() / "Levels", code);
        for (const char* folder : {"Textures", "Intro"})
            fs::create_directory_symlink(data / folder, fuzz::scratch() / folder, code);
        fs::current_path(fuzz::scratch(), code);
        installScreenFactories();
        setPlayTickSource([] { return seedTick; });
        pictureCache.keepIdlePictures(true);
        auto* screen = new PlayScreen;
        screen->enter();
        return screen;
    }();
    return *play;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PlayScreen& play = playScreen();
    fuzz::writeScratch("Levels/l1.lvl", data, size);
    play.hp = 30;
    play.score = 0;
    play.level = 1;
    play.levelFading = false;
    play.dying = false;
    play.leaving = false;
    play.introShowing = false;
    play.setup(1);
    // The loader cuts every count to 10,000 objects of a kind.
    fuzz::require(play.peppers.size() <= 10000, "at most 10000 peppers");
    fuzz::require(play.entities.size() <= 50000, "at most 10000 of each enemy kind");
    fuzz::require(play.healthPickups.size() <= 10000, "at most 10000 health pickups");

    Screen* const before = currentScreen;
    frameStep = secondsPerFrame;
    for (int frame = 0; frame < framesPlayed; ++frame) {
        play.update();
        // A death or a last level would hand the screen on; that is played
        // elsewhere, not here.
        if (currentScreen != before || play.dying || play.levelFading)
            break;
    }
    // The last frame played is drawn as a frame is: on the null backend,
    // recorded and counted. Drawing only reads what the rules left, so one
    // frame of it reaches every object the level made.
    renderer().beginFrame();
    play.render();
    renderer().endFrame();
    // The level's objects go with the input that made them, so a run frees
    // what it allocated: the fuzzer then looks for leaks only in a run that
    // really kept memory, instead of scanning the whole heap after every new
    // input.
    play.peppers.clear();
    play.ninjas.clear();
    play.entities.clear();
    play.projectiles.clear();
    play.healthPickups.clear();
    play.zombieIndex.markStale();
    return 0;
}
