#include "app/FrameLoop.h"

#include "app/Globals.h"
#include "app/PictureArea.h"
#include "platform/Audio.h"
#include "render/Renderer.h"
#include "screens/Screen.h"

namespace {

constexpr float secondsPerTick = 0.001f;

} // namespace

void advanceFrameClock(std::uint32_t now)
{
    const float seconds = static_cast<float>(now - lastTick) * secondsPerTick;
    frameDurations.assign(1, seconds);
    lastTick = now;
    frameStep = gameSpeed * seconds;
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
    freeRetiredScreens();               // 1
    advanceFrameClock(tickCount());     // 2
    renderer().beginFrame();            // 3

    measurePointer();                   // 4
    if (currentScreen != nullptr)
        currentScreen->mouseMove(pointerX, pointerY);
    // 5. A key tapped since the last frame reads as held for this one call.
    keyLatch.holdTapped(keyState);
    if (currentScreen != nullptr)
        currentScreen->keysHeld(keyState);
    keyLatch.releaseTapped(keyState);
    if (currentScreen != nullptr)
        currentScreen->update();        // 6
    if (currentScreen != nullptr)
        currentScreen->render();        // 7
    // 8. The music follows the screen that is current once the frame is drawn.
    if (currentScreen != nullptr)
        audio().music(currentScreen->musicCue());
    if (drawOver) // 9
        drawOver();

    // 10. A frame that would draw exactly the picture on the screen is neither
    // drawn nor swapped again.
    const bool drawn = renderer().endFrame();
    if (drawn && swapBuffers)
        swapBuffers();
    return drawn;
}
