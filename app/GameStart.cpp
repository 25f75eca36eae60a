#include "app/GameStart.h"

#include <algorithm>
#include <iterator>

#include "app/GameRun.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "entities/Ninja.h"
#include "entities/Random.h"
#include "menus/SettingsHost.h"
#include "platform/Message.h"
#include "play/PlayScreen.h"
#include "play/Ticks.h"

namespace {

// The tick the rebuilt level is seeded with, handed to the level loader.
std::uint32_t levelSeed = 0;

std::uint32_t recordedLevelSeed()
{
    return levelSeed;
}

} // namespace

ReplayGameStart captureGameStart(const PlayScreen& play)
{
    ReplayGameStart start;
    start.level = play.level;
    start.hp = play.hp;
    start.score = play.score;
    start.introShowing = play.introShowing;
    start.dying = play.dying;
    start.fadePhase = play.fadePhase;
    start.deadWidth = play.deadPicture.width;
    start.deadHeight = play.deadPicture.height;
    start.deadVisible = play.deadPicture.visible;
    start.levelSeed = play.levelSeed;
    start.ninjaLegAtLoad = play.ninjaLegAtLoad;
    start.windowWidth = windowWidth;
    start.windowHeight = windowHeight;
    start.mouseX = mouseX;
    start.mouseY = mouseY;
    start.pointerX = pointerX;
    start.pointerY = pointerY;
    for (int key = 0; key < 256; ++key)
        if (keyState[key] != 0)
            start.keysHeld.push_back(static_cast<unsigned char>(key));
    start.frameStep = frameStep;
    start.lastTick = lastTick;
    start.ninjaLeg = Ninja::nextNinjaHorizontal;
    start.stateHash = gameStateHash();
    return start;
}

bool rebuildGameStart(const ReplayGameStart& start, std::uint32_t seed, std::string& error)
{
    // The settings the caller installed (the recording's) stay through the
    // reset: they give the picture its shape.
    SettingsHost& settings = settingsHost();
    resetGameGlobals(start.windowWidth, start.windowHeight);
    useSettingsHost(&settings);
    // The window's size reaches the game as start-up's does.
    Message size;
    size.kind = Message::Size;
    size.a = start.windowWidth;
    size.b = start.windowHeight;
    dispatchMessage(size);

    // The level is loaded as the menu loaded it: the same seed and the
    // same first leg for its ninjas place the same objects.
    Ninja::nextNinjaHorizontal = start.ninjaLegAtLoad;
    const PlayTickSource source = playTickSource();
    levelSeed = start.levelSeed;
    setPlayTickSource(recordedLevelSeed);
    auto* play = new PlayScreen;
    play->enter();
    play->setup(start.level);
    setPlayTickSource(source);
    play->level = start.level;
    play->hp = start.hp;
    play->score = start.score;
    play->introShowing = start.introShowing;
    // What the fade into the game may have drawn of a death already begun.
    play->dying = start.dying;
    play->fadePhase = start.fadePhase;
    play->deadPicture.width = start.deadWidth;
    play->deadPicture.height = start.deadHeight;
    play->deadPicture.visible = start.deadVisible;
    currentScreen = play;

    Ninja::nextNinjaHorizontal = start.ninjaLeg;
    thrask::srand(seed);
    mouseX = start.mouseX;
    mouseY = start.mouseY;
    pointerX = start.pointerX;
    pointerY = start.pointerY;
    std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
    for (const unsigned char key : start.keysHeld)
        keyState[key] = 1;
    frameStep = start.frameStep;
    lastTick = start.lastTick;
    if (gameStateHash() != start.stateHash) {
        error = "the recorded game does not start as it was recorded (the game or its data has changed)";
        return false;
    }
    return true;
}
