// PlayScreen's copy of the running game, the one the in-game menu holds.
#include "play/PlayScreen.h"

#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

namespace {

// Copies the fields of an enemy that the in-game menu's copy keeps; the rest
// starts afresh as the copy's own load of the level made it.
void copyEnemyState(const Entity& from, Entity& to)
{
    switch (from.kind()) {
    case EntityKind::Zombie: {
        const auto& a = static_cast<const Zombie&>(from);
        auto& b = static_cast<Zombie&>(to);
        b.targetX = a.targetX;
        b.targetY = a.targetY;
        break;
    }
    case EntityKind::Ninja: {
        const auto& a = static_cast<const Ninja&>(from);
        auto& b = static_cast<Ninja&>(to);
        b.horizontalNext = a.horizontalNext;
        b.targetX = a.targetX;
        b.targetY = a.targetY;
        b.index = a.index;
        break;
    }
    case EntityKind::Pirate: {
        const auto& a = static_cast<const Pirate&>(from);
        auto& b = static_cast<Pirate&>(to);
        b.throwTimer = a.throwTimer;
        b.targetX = a.targetX;
        b.targetY = a.targetY;
        break;
    }
    case EntityKind::Robot: {
        const auto& a = static_cast<const Robot&>(from);
        auto& b = static_cast<Robot&>(to);
        b.flamePhase = a.flamePhase;
        b.flameCooldown = a.flameCooldown;
        b.targetX = a.targetX;
        b.targetY = a.targetY;
        break;
    }
    case EntityKind::Cabbage: {
        const auto& a = static_cast<const Cabbage&>(from);
        auto& b = static_cast<Cabbage&>(to);
        b.biteCooldown = a.biteCooldown;
        b.growPhase = a.growPhase;
        break;
    }
    default:
        return;
    }
    to.sprite.x = from.sprite.x;
    to.sprite.y = from.sprite.y;
}

} // namespace

std::unique_ptr<PlayScreen> PlayScreen::snapshot() const
{
    auto copy = std::make_unique<PlayScreen>();
    copy->enter();
    copy->level = level;
    copy->setup(level);

    copy->introShowing = introShowing;
    copy->hp = hp;
    copy->score = score;
    copy->peppersLeft = peppersLeft;
    copy->player.x = player.x;
    copy->player.y = player.y;

    // Both screens loaded the same level file, so their lists match index by
    // index; an index the copy lacks or holds with another kind (the file
    // changed in between) is skipped.
    for (std::size_t i = 0; i < entities.size() && i < copy->entities.size(); ++i) {
        if (entities[i]->kind() == copy->entities[i]->kind())
            copyEnemyState(*entities[i], *copy->entities[i]);
    }

    for (const auto& knife : projectiles) {
        if (knife->kind() != EntityKind::Knife)
            continue;
        auto flying = std::make_unique<Knife>();
        flying->texture.glName = copy->knifeTexture.glName;
        flying->velocityX = knife->velocityX;
        flying->velocityY = knife->velocityY;
        flying->sprite.x = knife->sprite.x;
        flying->sprite.y = knife->sprite.y;
        flying->spawn();
        copy->projectiles.push_back(std::move(flying));
    }

    for (std::size_t i = 0; i < peppers.size() && i < copy->peppers.size(); ++i) {
        copy->peppers[i].visible = peppers[i].visible;
        copy->peppers[i].x = peppers[i].x;
        copy->peppers[i].y = peppers[i].y;
    }

    // Pickups keep their state but not their spots: the copy's own load drew
    // new ones.
    for (std::size_t i = 0; i < healthPickups.size() && i < copy->healthPickups.size(); ++i) {
        HealthPickup& pickup = copy->healthPickups[i];
        pickup.available = healthPickups[i].available;
        pickup.lifetime = healthPickups[i].lifetime;
        pickup.clock = healthPickups[i].clock;
        pickup.sprite.visible = healthPickups[i].sprite.visible;
    }
    return copy;
}
