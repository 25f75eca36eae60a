#include "entities/Entity.h"

void Entity::draw() const
{
    sprite.draw();
}

void Entity::spawn() {}

EntityKind Entity::kind() const
{
    return EntityKind::Base;
}

int Entity::update(float, float)
{
    return 0;
}

bool pointInSprite(const Sprite& s, float px, float py)
{
    return s.x - s.width / 2 <= px && px <= s.x + s.width / 2
        && s.y - s.height / 2 <= py && py <= s.y + s.height / 2;
}

bool spritesOverlap(const Sprite& a, const Sprite& b)
{
    return b.y - b.height / 2 <= a.y + a.height / 2
        && b.y + b.height / 2 >= a.y - a.height / 2
        && b.x - b.width / 2 <= a.x + a.width / 2
        && b.x + b.width / 2 >= a.x - a.width / 2;
}
