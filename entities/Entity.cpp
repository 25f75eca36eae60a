#include "entities/Entity.h"

#include "entities/SpriteState.h"
#include "entities/StateHash.h"

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

std::unique_ptr<Entity> Entity::clone() const
{
    return std::make_unique<Entity>(*this);
}

void Entity::takeOver(const Entity&) {}

void Entity::addState(StateHash& h) const
{
    h.add(static_cast<int>(kind()));
    h.add(speed);
    addSprite(h, sprite);
    addOwnState(h);
}

void Entity::addOwnState(StateHash&) const {}

void Entity::takeCentre(const Entity& running)
{
    sprite.x = running.sprite.x;
    sprite.y = running.sprite.y;
}

int Entity::dealt(int damage, EntityEvents::Blow blow) const
{
    if (events != nullptr)
        events->hit(blow);
    return damage;
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
