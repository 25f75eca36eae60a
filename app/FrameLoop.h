#pragma once

#include <cstdint>
#include <functional>

// The game-speed factor: frameStep is this share of the measured frame time.
constexpr float gameSpeed = 0.85f;

// The frame clock (step 2 of runFrame): the time since lastTick, taken as an
// unsigned 32-bit difference (a wrap of the tick counter gives the right
// small duration) and converted to seconds, becomes the one entry of
// frameDurations (the clock keeps only the newest duration, so the mean it
// paces by is that duration); lastTick moves to now and frameStep becomes
// gameSpeed x that duration.
void advanceFrameClock(std::uint32_t now);

// One frame, in this order:
//  1. frees the screens retired in the previous frame;
//  2. advances the frame clock with tickCount() (advanceFrameClock);
//  3. begins the renderer's frame (a clear of colour, depth and stencil);
//  4. calls mouseMove on currentScreen with the pointer as fractions of the
//     picture (the client area, or its 4:3 part with keepAspect), (0, 0)
//     bottom-left; while the client area is 0 x 0 the previous fractions are
//     passed again;
//  5. calls keysHeld with keyState, the keys tapped since the last frame set
//     for the call (KeyLatch);
//  6. calls update, then 7. render;
//  8. hands the current screen's musicCue to audio();
//  9. calls drawOver (when given: what is drawn over every screen, such as
//     the banner of a watched recording);
// 10. ends the renderer's frame and calls swapBuffers() if it drew (a frame
//     whose drawing equals the picture shown is neither drawn nor swapped).
// currentScreen is read afresh before each of steps 4 to 8, so a screen
// installed during the frame gets the rest of it. Returns whether it drew.
bool runFrame(const std::function<std::uint32_t()>& tickCount, const std::function<void()>& swapBuffers,
              const std::function<void()>& drawOver = nullptr);

// Sets pointerX and pointerY from mouseX and mouseY as fractions of the
// picture (the client area, or its 4:3 part with keepAspect), (0, 0)
// bottom-left. False, and both unchanged, while the client area is 0 x 0.
bool measurePointer();

// Forgets the pointer fractions kept for frames with a client area of no
// size: (0, 0), as at program start.
void resetPointerFractions();
