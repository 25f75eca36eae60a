#pragma once

// The light the game draws under. Sprites drawn with lighting on show their
// picture scaled by the ambient light (how fades dim the screen); sprites and
// text drawn with lighting off keep their full colour.

// Sets the ambient light to `level` on red, green and blue (0 dark, 1 full
// brightness), alpha 1.
void setAmbientLight(float level);

// Full ambient light and a white front material: what a screen starts under,
// so lit pictures show their own colours until a fade dims them.
void setFullLight();

// Turns lighting on with a white front material, for drawing pictures that
// the current ambient light (a fade's) dims.
void beginLitDrawing();
