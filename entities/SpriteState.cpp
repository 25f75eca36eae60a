#include "entities/SpriteState.h"

#include "render/Sprite.h"

void addSprite(StateHash& h, const Sprite& s)
{
    h.add(s.x);
    h.add(s.y);
    h.add(s.width);
    h.add(s.height);
    h.add(s.rotation);
    h.add(s.depth);
    h.add(s.visible);
    h.add(static_cast<unsigned>(s.colour.r << 24 | s.colour.g << 16 | s.colour.b << 8 | s.colour.a));
    h.add(s.texture.u0);
    h.add(s.texture.u1);
    h.add(s.texture.v0);
    h.add(s.texture.v1);
}
