#pragma once

#include "platform/Colour.h"

// A plain rectangle in view units behind text, drawn unlit and untextured so
// fades leave it at full strength, as they leave text. A fill whose alpha is
// below 255 is blended over what was drawn before it: blending is switched
// on for the panel alone, everything else stays opaque. A rim of rimWidth
// units runs along the inside of its edges in rimColour.
//
// A blended panel mixes only with what is already drawn, so it is drawn
// after everything behind it; it writes depth like any quad, so what lies
// behind it and is drawn later is hidden.
class Panel {
public:
    // Draws the panel; the lighting and texturing state are left as they were.
    void draw() const;

    float left = 0.0f;
    float bottom = 0.0f;
    float right = 0.0f;
    float top = 0.0f;
    float depth = 1.0f;
    Colour fill{0, 0, 0, 255};
    Colour rimColour{0, 0, 0, 255};
    float rimWidth = 0.0f;
};
