#pragma once

#include "platform/Colour.h"
#include "render/Texture.h"

// The one drawable picture of the game: a textured rectangle centred on
// (x, y), width x height view units, turned by rotation degrees
// counter-clockwise, drawn at z = -depth (smaller is nearer).
//
// A plain value: copying copies the texture's glName too, and destroying a
// sprite never touches the renderer.
class Sprite {
public:
    Sprite() = default;
    virtual ~Sprite() = default;

    // Draws the quad under the current camera. Does nothing at all (nothing
    // reaches the renderer) while visible is false. colour only shows where
    // lighting is off.
    // A sprite whose texture is empty is drawn untextured, as a plain quad of
    // its (lit or unlit) colour.
    void draw() const;

    Colour colour;
    bool visible = true;
    float depth = 1.0f;
    Texture texture;
    float rotation = 0.0f;
    float height = 10.0f;
    float width = 10.0f;
    float y = 0.0f;
    float x = 0.0f;
};
