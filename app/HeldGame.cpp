#include "app/HeldGame.h"

#include <algorithm>
#include <iterator>

#include "app/Globals.h"
#include "entities/Ninja.h"
#include "entities/Random.h"
#include "render/Lighting.h"

HeldGame::~HeldGame()
{
    if (holding_)
        giveBack();
}

void HeldGame::hold()
{
    freeRetiredScreens();
    screen_ = currentScreen;
    currentScreen = nullptr;
    windowWidth_ = windowWidth;
    windowHeight_ = windowHeight;
    keepAspect_ = keepAspect;
    running_ = running;
    std::copy(std::begin(keyState), std::end(keyState), std::begin(keyState_));
    keyLatch_ = keyLatch;
    mouseX_ = mouseX;
    mouseY_ = mouseY;
    pointerX_ = pointerX;
    pointerY_ = pointerY;
    frameStep_ = frameStep;
    lastTick_ = lastTick;
    frameDurations_ = frameDurations;
    ninjaLeg_ = Ninja::nextNinjaHorizontal;
    random_ = thrask::randState();
    holding_ = true;
}

void HeldGame::giveBack()
{
    delete currentScreen;
    freeRetiredScreens();
    currentScreen = screen_;
    screen_ = nullptr;
    windowWidth = windowWidth_;
    windowHeight = windowHeight_;
    keepAspect = keepAspect_;
    running = running_;
    std::copy(std::begin(keyState_), std::end(keyState_), std::begin(keyState));
    keyLatch = keyLatch_;
    mouseX = mouseX_;
    mouseY = mouseY_;
    pointerX = pointerX_;
    pointerY = pointerY_;
    frameStep = frameStep_;
    lastTick = lastTick_;
    frameDurations = frameDurations_;
    Ninja::nextNinjaHorizontal = ninjaLeg_;
    thrask::srand(random_);
    setFullLight();
    holding_ = false;
}
