#pragma once

// The light the game draws under. Sprites drawn with lighting on show their
// picture scaled by the ambient light (how fades dim the screen); sprites and
// text drawn with lighting off keep their full colour. Lighting stays as it
// was last set, from one frame to the next.

// Sets the ambient light to `level` on red, green and blue (0 dark, 1 full
// brightness), alpha 1.
void setAmbientLight(float level);

// Full ambient light and a white material: what a screen starts under, so
// lit pictures show their own colours until a fade dims them.
void setFullLight();

// Turns lighting on with a white material, for drawing pictures that the
// current ambient light (a fade's) dims.
void beginLitDrawing();

// Drawing between its making and its end is unlit: text, panels and what
// must keep full brightness while a fade dims the rest. The lighting that
// was on or off before is back when it ends.
class UnlitDrawing {
public:
    UnlitDrawing();
    ~UnlitDrawing();
    UnlitDrawing(const UnlitDrawing&) = delete;
    UnlitDrawing& operator=(const UnlitDrawing&) = delete;

private:
    bool wasLit_;
};

// Drawing between its making and its end is lit by the current ambient
// light (the material is left as it is); the lighting before is back when
// it ends.
class LitDrawing {
public:
    LitDrawing();
    ~LitDrawing();
    LitDrawing(const LitDrawing&) = delete;
    LitDrawing& operator=(const LitDrawing&) = delete;

private:
    bool wasLit_;
};
