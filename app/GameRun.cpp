#include "app/GameRun.h"

#include <algorithm>

#include "app/FrameLoop.h"
#include "app/Globals.h"
#include "app/WindowProc.h"
#include "entities/Ninja.h"
#include "entities/Random.h"
#include "menus/SettingsHost.h"
#include "menus/TitleScreen.h"
#include "platform/Message.h"
#include "render/PictureCache.h"
#include "render/Texture.h"
#include "screens/Screen.h"

void resetGameGlobals(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    keepAspect = false;
    running = true;
    std::fill(std::begin(keyState), std::end(keyState), static_cast<unsigned char>(0));
    keyLatch.reset();
    mouseX = 0;
    mouseY = 0;
    frameStep = 0.0f;
    lastTick = 0;
    frameDurations.clear();
    resetPointerFractions();
    Ninja::nextNinjaHorizontal = false;
    thrask::srand(1);
    useSettingsHost(nullptr);
}

void startTitleScreen()
{
    pictureCache.keepIdlePictures(true);
    auto* title = new TitleScreen;
    currentScreen = title;
    title->enter();
    title->setup(1);
}

void shutDownScreens()
{
    delete currentScreen;
    currentScreen = nullptr;
    freeRetiredScreens();
    titleTexture.release();
    titleTexture.glName = 0;
    pictureCache.keepIdlePictures(false);
}

void dispatchMessage(const Message& message)
{
    if (message.kind == Message::Quit)
        running = false;
    else
        windowProc(message);
}
