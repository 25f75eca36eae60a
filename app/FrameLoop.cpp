#include "app/FrameLoop.h"

#include "app/Globals.h"
#include "app/PictureArea.h"
#include "platform/Audio.h"
#include "render/Renderer.h"
#include "screens/Screen.h"

namespace {

constexpr float secondsPerTick = 0.001f;
constexpr std::size_t durationsKept = 1;

} // namespace

void advanceFrameClock(std::uint32_t now)
{
    const std::uint32_t elapsed = now - lastTick;
    frameDurations.push_back(static_cast<float>(elapsed) * secondsPerTick);
    if (frameDurations.size() > durationsKept)
        frameDurations.pop_front();
    float sum = 0.0f;
    for (const float duration : frameDurations)
        sum += duration;
    const float mean = sum / static_cast<float>(frameDurations.size());
    lastTick = now;
    frameStep = gameSpeed * mean;
}

bool measurePointer()
{
    if (windowWidth <= 0 || windowHeight <= 0)
        return false;
    return pointerFractions(pictureArea(windowWidth, windowHeight, keepAspect), windowHeight, mouseX, mouseY,
                            pointerX, pointerY);
}

void resetPointerFractions()
{
    pointerX = 0.0f;
    pointerY = 0.0f;
}

bool runFrame(const std::function<std::uint32_t()>& tickCount, const std::function<void()>& swapBuffers,
              const std::function<void()>& drawOver)
{
    freeRetiredScreens();
    advanceFrameClock(tickCount());
    renderer().beginFrame();

    measurePointer();
    if (currentScreen != nullptr)
        currentScreen->mouseMove(pointerX, pointerY);
    // A key tapped since the last frame reads as held for this one call.
    keyLatch.holdTapped(keyState);
    if (currentScreen != nullptr)
        currentScreen->keysHeld(keyState);
    keyLatch.releaseTapped(keyState);
    if (currentScreen != nullptr)
        currentScreen->update();
    if (currentScreen != nullptr)
        currentScreen->render();
    // The music follows the screen that is current once the frame is drawn.
    if (currentScreen != nullptr)
        audio().music(currentScreen->musicCue());
    if (drawOver)
        drawOver();

    // A frame that would draw exactly the picture on the screen is neither
    // drawn nor swapped again.
    const bool drawn = renderer().endFrame();
    if (drawn && swapBuffers)
        swapBuffers();
    return drawn;
}
