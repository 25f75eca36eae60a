#include "tools/bench/TransitionBench.h"

#include <algorithm>
#include <climits>
#include <chrono>
#include <memory>
#include <thread>

#include "app/Globals.h"
#include "menus/LoadScreen.h"
#include "menus/TitleScreen.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/SaveRecord.h"
#include "render/PictureCache.h"
#include "render/PictureBound.h"
#include "render/PicturePreloader.h"
#include "render/PreparedPicture.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "screens/FadeScreen.h"
#include "screens/ScreenFlow.h"
#include "tools/bench/Stopwatch.h"

namespace {

constexpr int levelsChanged = 14; // level changes 1 to 2 ... 14 to 15
constexpr float viewSize = 200.0f; // the menus' and the load list's view
// A frame step long enough for a fade to end in one update.
constexpr float wholeFadeStep = 100.0f;
// The game's pace: frames a second, and one frame in milliseconds.
constexpr float framesPerSecond = 60.0f;
constexpr double frameMs = 1000.0 / framesPerSecond;
// More frames than the menu's fade lasts at that pace.
constexpr int fadeFramesAtMost = 600;

// Points the screen's pointer at the centre of a sprite of its 200-unit view.
void pointAt(Screen& screen, const Sprite& sprite)
{
    screen.mouseMove((sprite.x + viewSize / 2) / viewSize, (sprite.y + viewSize / 2) / viewSize);
}

// The fade's last update, which installs the next screen and destroys the
// one left; nothing when no fade is current.
void endFade()
{
    if (dynamic_cast<FadeScreen*>(currentScreen) == nullptr)
        return;
    const float step = frameStep;
    frameStep = wholeFadeStep;
    currentScreen->update();
    frameStep = step;
}

// Times one hand-over: `act` and the end of the fade it starts. Kept out of
// line, so a profiler can collect exactly the timed stretches
// (valgrind --tool=callgrind '--toggle-collect=*timeHandOver*').
template <class Act>
__attribute__((noinline)) void timeHandOver(TransitionBench::Times& times, Act act)
{
    const Stopwatch watch;
    act();
    endFade();
    times.wall.add(watch.wallMs());
    times.cpu.add(watch.cpuMs());
}

// Forgets every picture kept that nobody holds, as a run starts without any.
void forgetPictures()
{
    pictureCache.keepIdlePictures(false);
    pictureCache.keepIdlePictures(true);
}

// One frame of the screen as the frame loop draws it.
void drawFrame(Screen& screen)
{
    renderer().beginFrame();
    screen.render();
    renderer().endFrame();
}

// A run's start: no picture kept, the title menu made current and its first
// frame drawn and finished, as its swap finishes it.
Screen* titleMenuShown()
{
    forgetPictures();
    Screen* menu = makeMainMenu();
    currentScreen = menu;
    drawFrame(*menu);
    renderer().finish();
    return menu;
}

// Frees whatever the hand-over left current.
void clearScreens()
{
    delete currentScreen;
    currentScreen = nullptr;
    freeRetiredScreens();
}

std::unique_ptr<PlayScreen> playAt(int level)
{
    auto play = std::make_unique<PlayScreen>();
    play->enter();
    play->setup(level);
    play->level = level;
    play->introShowing = false;
    return play;
}

// The pictures of `before` that `after` no longer lists, with their place
// and state in `before`.
std::vector<TransitionBench::TakenPicture> takenFrom(const std::vector<PictureWorker::Listed>& before,
                                                     const std::vector<PictureWorker::Listed>& after)
{
    std::vector<TransitionBench::TakenPicture> taken;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string& key = before[i].key;
        const bool left = std::any_of(after.begin(), after.end(),
                                      [&key](const PictureWorker::Listed& listed) { return listed.key == key; });
        if (!left)
            taken.push_back({key, static_cast<int>(i) + 1, before[i].state});
    }
    return taken;
}

} // namespace

int TransitionBench::restAtTheMenu()
{
    forgetPictures();
    PicturePreloader preloader;
    preloader.add(PlayScreen::picturesOfAGame());
    return preloader.loadAll();
}

TransitionBench::ColdStart TransitionBench::coldStart(bool ownThread) const
{
    ColdStart times;
    for (int i = 0; i < repeats_; ++i) {
        // The worker starts only after the title menu's first frame, so it
        // has no more of a head start than the press takes (the game starts
        // it before the title menu).
        Screen* menu = titleMenuShown();
        const Stopwatch sinceStart;
        PicturePreloader preloader(ownThread);
        preloader.add(PlayScreen::picturesOfAGame());
        pointAt(*menu, static_cast<TitleScreen*>(menu)->newGameItem);
        times.workerHeadStart.add(sinceStart.wallMs());
        const std::vector<PictureWorker::Listed> before = preloader.listed();
        timeHandOver(times.newGame, [menu] { menu->mouseUp(true, false); });
        times.newGamePictures = takenFrom(before, preloader.listed());
        times.newGameWaited.add(preloader.waitedMs());
        auto* play = dynamic_cast<PlayScreen*>(currentScreen);
        if (play == nullptr) {
            clearScreens();
            continue;
        }
        // The first level is played long enough for the worker to decode
        // the rest: a level change then finds its background decoded, not
        // uploaded.
        preloader.waitForDecodes();
        // New Game shows level 1 before any level can change; each change
        // then starts as a frame of the game does, the one before it
        // finished by its swap.
        drawFrame(*play);
        for (int from = 1; from <= levelsChanged; ++from) {
            renderer().finish();
            timeHandOver(times.levelChange, [play, from] {
                play->setup(from + 1);
                drawFrame(*play);
            });
        }
        clearScreens();
    }
    return times;
}

TransitionBench::FadeFrames TransitionBench::coldStartFrames(bool ownThread) const
{
    FadeFrames frames;
    Times& longest = frames.longest;
    for (int i = 0; i < repeats_; ++i) {
        Screen* menu = titleMenuShown();
        PicturePreloader preloader(ownThread);
        preloader.add(PlayScreen::picturesOfAGame());
        pointAt(*menu, static_cast<TitleScreen*>(menu)->newGameItem);
        const float step = frameStep;
        frameStep = 1.0f / framesPerSecond;
        double longestWall = 0.0;
        double longestCpu = 0.0;
        const auto frame = [&longestWall, &longestCpu, &frames](auto act) {
            const Stopwatch watch;
            act();
            currentScreen->update();
            drawFrame(*currentScreen);
            renderer().finish();
            const double wall = watch.wallMs();
            frames.every.add(wall);
            longestWall = std::max(longestWall, wall);
            longestCpu = std::max(longestCpu, watch.cpuMs());
            // The rest of the frame, as the display's refresh paces the game.
            if (wall < frameMs)
                std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(frameMs - wall));
        };
        frame([menu] { menu->mouseUp(true, false); });
        for (int n = 0; n < fadeFramesAtMost && dynamic_cast<FadeScreen*>(currentScreen) != nullptr; ++n)
            frame([] {});
        // The play screen's first frame of its own.
        if (dynamic_cast<PlayScreen*>(currentScreen) != nullptr)
            frame([] {});
        frameStep = step;
        longest.wall.add(longestWall);
        longest.cpu.add(longestCpu);
        clearScreens();
    }
    return frames;
}

TransitionBench::PictureCosts TransitionBench::pictureCosts()
{
    PictureCosts costs;
    const bool drawsPixels = renderer().drawsPixels();
    for (const PictureRequest& request : PlayScreen::picturesOfAGame()) {
        PreparedPicture picture;
        Stopwatch decode;
        const bool read = picture.read(request.path, request.colourKey, largestPictureSide());
        costs.decode.add(decode.wallMs());
        if (!read)
            continue;
        Stopwatch levels;
        picture.buildLevels(drawsPixels);
        costs.levels.add(levels.wallMs());
        // The decode's watch still runs: decoding and levels together.
        costs.prepareByPicture.emplace_back(PictureCache::keyOf(request.path, request.colourKey), decode.wallMs());
        Stopwatch upload;
        const unsigned int name = renderer().uploadTexture(picture.levels());
        renderer().flush();
        costs.upload.add(upload.wallMs());
        renderer().releaseTexture(name);
    }
    return costs;
}

TransitionBench::Times TransitionBench::newGame() const
{
    Times times;
    for (int i = 0; i < repeats_; ++i) {
        Screen* menu = makeMainMenu();
        currentScreen = menu;
        pointAt(*menu, static_cast<TitleScreen*>(menu)->newGameItem);
        timeHandOver(times, [menu] { menu->mouseUp(true, false); });
        clearScreens();
    }
    return times;
}

TransitionBench::Times TransitionBench::levelChange() const
{
    Times times;
    std::unique_ptr<PlayScreen> play = playAt(1);
    for (int i = 0; i < repeats_; ++i) {
        const int from = i % levelsChanged + 1;
        if (from == 1 && i > 0)
            play->setup(1);
        timeHandOver(times, [&play, from] { play->setup(from + 1); });
    }
    return times;
}

TransitionBench::Times TransitionBench::escCopy(int level) const
{
    Times times;
    unsigned char keys[256] = {};
    keys[vk::escape] = 1;
    for (int i = 0; i < repeats_; ++i) {
        PlayScreen* play = playAt(level).release();
        currentScreen = play;
        timeHandOver(times, [play, &keys] { play->keysHeld(keys); });
        clearScreens();
    }
    return times;
}

TransitionBench::Times TransitionBench::inGameMenu() const
{
    Times times;
    for (int i = 0; i < repeats_; ++i) {
        Screen* menu = nullptr;
        timeHandOver(times, [&menu] { menu = makeInGameMenu(nullptr); });
        delete menu;
    }
    return times;
}

TransitionBench::Times TransitionBench::returnGame(int level) const
{
    Times times;
    for (int i = 0; i < repeats_; ++i) {
        Screen* menu = makeInGameMenu(playAt(level)->snapshot());
        currentScreen = menu;
        pointAt(*menu, static_cast<TitleScreen*>(menu)->returnGameItem);
        timeHandOver(times, [menu] { menu->mouseUp(true, false); });
        clearScreens();
    }
    return times;
}

TransitionBench::Times TransitionBench::loadGame(int level) const
{
    const std::string playersSaves = saveFolder;
    saveFolder = saves_;
    SaveRecord record;
    record.level = level;
    record.hp = 30;
    record.score = 1000;
    writeSaveRecord(saves_ + "/bench.sav", record);

    Times times;
    for (int i = 0; i < repeats_; ++i) {
        auto* list = new LoadScreen;
        list->enter();
        list->selected = 0;
        currentScreen = list;
        pointAt(*list, list->loadGameButton);
        timeHandOver(times, [list] { list->mouseUp(true, false); });
        clearScreens();
    }
    saveFolder = playersSaves;
    return times;
}
