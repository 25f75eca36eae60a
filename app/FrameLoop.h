#pragma once

#include <cstdint>
#include <functional>

// The game-speed factor: frameStep is this share of the measured frame time.
constexpr float gameSpeed = 0.85f;

// The frame clock, steps 1-4 of a frame: measures the time since lastTick as
// an unsigned 32-bit difference (a wrap of the tick counter gives the right
// small duration), keeps it as the one entry of frameDurations, moves lastTick
// to now and sets frameStep = 0.85 x the mean duration in seconds.
void advanceFrameClock(std::uint32_t now);

// One frame: frees the screens retired in the previous frame, advances the
// frame clock with tickCount(), begins the renderer's frame (a clear of
// colour, depth and stencil), calls mouseMove, keysHeld, update and render on
// currentScreen (read afresh before each call, so a screen installed during
// the frame gets the rest of it), hands the current screen's musicCue to
// audio(), calls drawOver (when given: what is drawn over every screen, such
// as the banner of a watched recording), then ends the renderer's frame and
// calls swapBuffers() if it drew (a frame whose drawing equals the picture
// shown is neither drawn nor swapped). Returns whether it drew. The pointer
// reaches mouseMove as fractions of the picture (the client area, or
// its 4:3 part with keepAspect), (0, 0) bottom-left; while the client area is
// 0 x 0 the previous fractions are passed again. keysHeld gets keyState with
// the keys tapped since the last frame set for the call (KeyLatch).
bool runFrame(const std::function<std::uint32_t()>& tickCount, const std::function<void()>& swapBuffers,
              const std::function<void()>& drawOver = nullptr);

// Sets pointerX and pointerY from mouseX and mouseY as fractions of the
// picture (the client area, or its 4:3 part with keepAspect), (0, 0)
// bottom-left. False, and both unchanged, while the client area is 0 x 0.
bool measurePointer();

// Forgets the pointer fractions kept for frames with a client area of no
// size: (0, 0), as at program start.
void resetPointerFractions();
