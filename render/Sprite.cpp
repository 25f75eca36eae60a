#include "render/Sprite.h"

#include "render/Renderer.h"

void Sprite::draw() const
{
    if (!visible)
        return;
    // A sprite without a picture (one missing or refused) is a plain quad of
    // its colour: no texture shows through it.
    QuadCommand quad;
    quad.x = x;
    quad.y = y;
    quad.width = width;
    quad.height = height;
    quad.rotation = rotation;
    quad.depth = depth;
    quad.u0 = texture.u0;
    quad.v0 = texture.v0;
    quad.u1 = texture.u1;
    quad.v1 = texture.v1;
    quad.colour = packColour(colour.r, colour.g, colour.b, colour.a);
    quad.texture = texture.glName;
    renderer().drawQuad(quad);
}
