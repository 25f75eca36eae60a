#include "render/Panel.h"

#include "render/Renderer.h"

namespace {

void drawRect(float left, float bottom, float right, float top, float depth, Colour colour, bool blended)
{
    RectCommand rect;
    rect.left = left;
    rect.bottom = bottom;
    rect.right = right;
    rect.top = top;
    rect.depth = depth;
    rect.colour = packColour(colour.r, colour.g, colour.b, colour.a);
    rect.blended = blended ? 1 : 0;
    renderer().drawRect(rect);
}

} // namespace

void Panel::draw() const
{
    // The rim first: at the same depth the fill cannot cover it.
    if (rimWidth > 0.0f) {
        const Colour rim{rimColour.r, rimColour.g, rimColour.b, 255};
        drawRect(left, bottom, left + rimWidth, top, depth, rim, false);
        drawRect(right - rimWidth, bottom, right, top, depth, rim, false);
        drawRect(left + rimWidth, bottom, right - rimWidth, bottom + rimWidth, depth, rim, false);
        drawRect(left + rimWidth, top - rimWidth, right - rimWidth, top, depth, rim, false);
    }
    drawRect(left + rimWidth, bottom + rimWidth, right - rimWidth, top - rimWidth, depth, fill, fill.a < 255);
}
