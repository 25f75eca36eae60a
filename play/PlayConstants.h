#pragma once

// Numbers of the play rules shared by the play screen's source files. Rates
// are per second of game time.
namespace play {

constexpr int maxHealth = 30;
constexpr int lastLevel = 15;
constexpr float fieldHalfSize = 100.0f;
constexpr float playerSpeed = 80.0f;       // units per second along each axis
constexpr float levelFadeRate = 80.0f;     // fadePhase units per second
constexpr float deathFadeRate = 40.0f;     // fadePhase units per second
constexpr float fadeStart = -50.0f;        // fadePhase at the start of either fade
constexpr float fadeEnd = 50.0f;           // fadePhase at which the level fade ends
constexpr float fadeBrightness = 0.02f;    // brightness = |fadePhase| * fadeBrightness

// The picture of the death sequence, in front of everything; it starts at
// this size and grows as the light dims.
constexpr float deadPictureDepth = 0.5f;
constexpr float deadPictureWidth = 25.0f;
constexpr float deadPictureHeight = 12.5f;

// The health bar along the top edge; its width and x follow the health at
// every draw.
constexpr float healthBarDepth = 1.0f;
constexpr float healthBarHeight = 3.0f;
constexpr float healthBarY = 97.0f;

} // namespace play
