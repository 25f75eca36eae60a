#include "entities/EntityState.h"

#include "entities/Cabbage.h"
#include "entities/HealthPickup.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

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

void addEntity(StateHash& h, const Entity& entity)
{
    h.add(static_cast<int>(entity.kind()));
    h.add(entity.speed);
    addSprite(h, entity.sprite);
    switch (entity.kind()) {
    case EntityKind::Zombie: {
        const auto& z = static_cast<const Zombie&>(entity);
        h.add(z.burning);
        h.add(z.targetX);
        h.add(z.targetY);
        h.add(z.lungeTimer);
        addSprite(h, z.fire);
        break;
    }
    case EntityKind::Ninja: {
        const auto& n = static_cast<const Ninja&>(entity);
        h.add(n.index);
        h.add(n.horizontalNext);
        h.add(n.targetX);
        h.add(n.targetY);
        h.add(n.lungeTimer);
        break;
    }
    case EntityKind::Pirate: {
        const auto& p = static_cast<const Pirate&>(entity);
        h.add(p.throwTimer);
        h.add(p.targetX);
        h.add(p.targetY);
        break;
    }
    case EntityKind::Robot: {
        const auto& r = static_cast<const Robot&>(entity);
        h.add(r.targetX);
        h.add(r.targetY);
        h.add(r.flameCooldown);
        h.add(r.flamePhase);
        addSprite(h, r.flame);
        break;
    }
    case EntityKind::Cabbage: {
        const auto& c = static_cast<const Cabbage&>(entity);
        h.add(c.biteCooldown);
        h.add(c.growPhase);
        break;
    }
    case EntityKind::Knife: {
        const auto& k = static_cast<const Knife&>(entity);
        h.add(k.velocityX);
        h.add(k.velocityY);
        break;
    }
    default:
        break;
    }
}

void addHealthPickup(StateHash& h, const HealthPickup& pickup)
{
    h.add(pickup.available);
    h.add(pickup.lifetime);
    h.add(pickup.clock);
    addSprite(h, pickup.sprite);
}
