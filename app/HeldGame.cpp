#include "app/HeldGame.h"

#include <algorithm>
#include <cstddef>
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

namespace {

// Copies a kept value, a whole array at once.
template <class T>
void copyInto(T& to, const T& from)
{
    to = from;
}

template <class T, std::size_t N>
void copyInto(T (&to)[N], const T (&from)[N])
{
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

} // namespace

template <class Each>
void HeldGame::eachKept(Each each)
{
    each(windowWidth, windowWidth_);
    each(windowHeight, windowHeight_);
    each(keepAspect, keepAspect_);
    each(running, running_);
    each(keyState, keyState_);
    each(keyLatch, keyLatch_);
    each(mouseX, mouseX_);
    each(mouseY, mouseY_);
    each(pointerX, pointerX_);
    each(pointerY, pointerY_);
    each(frameStep, frameStep_);
    each(lastTick, lastTick_);
    each(frameDurations, frameDurations_);
    each(Ninja::nextNinjaHorizontal, ninjaLeg_);
}

void HeldGame::hold()
{
    freeRetiredScreens();
    screen_ = currentScreen;
    currentScreen = nullptr;
    eachKept([](auto& global, auto& kept) { copyInto(kept, global); });
    random_ = thrask::randState();
    holding_ = true;
}

void HeldGame::giveBack()
{
    delete currentScreen;
    freeRetiredScreens();
    currentScreen = screen_;
    screen_ = nullptr;
    eachKept([](auto& global, const auto& kept) { copyInto(global, kept); });
    thrask::srand(random_);
    setFullLight();
    holding_ = false;
}
