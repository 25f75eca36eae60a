#include "menus/MenuPointer.h"

#include "menus/MenuPlaces.h"

float MenuPointer::toView(float fraction)
{
    return fraction * menuPlaces::viewSize - menuPlaces::viewSize / 2;
}

bool MenuPointer::moveTo(float fractionX, float fractionY)
{
    const float viewX = toView(fractionX);
    const float viewY = toView(fractionY);
    const bool moved = !known_ || viewX != x_ || viewY != y_;
    known_ = true;
    x_ = viewX;
    y_ = viewY;
    return moved;
}
