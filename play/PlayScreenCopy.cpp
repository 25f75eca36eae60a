// PlayScreen's copy of the running game, the one the in-game menu holds.
#include "play/PlayScreen.h"

#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

namespace {

// The fields of each enemy kind that the in-game menu's copy keeps, besides
// the position; the rest starts afresh as the copy's own load of the level
// made it.
constexpr float Zombie::*zombieKeeps[] = {&Zombie::targetX, &Zombie::targetY};
constexpr float Ninja::*ninjaKeeps[] = {&Ninja::targetX, &Ninja::targetY};
constexpr float Pirate::*pirateKeeps[] = {&Pirate::throwTimer, &Pirate::targetX, &Pirate::targetY};
constexpr float Robot::*robotKeeps[] = {&Robot::flamePhase, &Robot::flameCooldown, &Robot::targetX,
                                        &Robot::targetY};
constexpr float Cabbage::*cabbageKeeps[] = {&Cabbage::biteCooldown, &Cabbage::growPhase};

// Copies the listed fields, both entities seen as the kind they are (the
// caller has checked that they are of that kind).
template <class Kind, std::size_t count>
void copyFields(const Entity& from, Entity& to, float Kind::*const (&fields)[count])
{
    const auto& original = static_cast<const Kind&>(from);
    auto& copy = static_cast<Kind&>(to);
    for (float Kind::*field : fields)
        copy.*field = original.*field;
}

// Copies what the copy keeps of an enemy: its kind's fields and its position.
void copyEnemyState(const Entity& from, Entity& to)
{
    switch (from.kind()) {
    case EntityKind::Zombie:
        copyFields(from, to, zombieKeeps);
        break;
    case EntityKind::Ninja: {
        copyFields(from, to, ninjaKeeps);
        const auto& original = static_cast<const Ninja&>(from);
        auto& copy = static_cast<Ninja&>(to);
        copy.horizontalNext = original.horizontalNext;
        copy.index = original.index;
        break;
    }
    case EntityKind::Pirate:
        copyFields(from, to, pirateKeeps);
        break;
    case EntityKind::Robot:
        copyFields(from, to, robotKeeps);
        break;
    case EntityKind::Cabbage:
        copyFields(from, to, cabbageKeeps);
        break;
    default:
        return;
    }
    to.sprite.x = from.sprite.x;
    to.sprite.y = from.sprite.y;
}

// Both screens loaded the same level file, so their lists match index by
// index; an index the copy lacks or holds with another kind (the file changed
// in between) is skipped.
void copyEnemies(const PlayScreen& from, PlayScreen& to)
{
    for (std::size_t i = 0; i < from.entities.size() && i < to.entities.size(); ++i) {
        if (from.entities[i]->kind() == to.entities[i]->kind())
            copyEnemyState(*from.entities[i], *to.entities[i]);
    }
}

// Every knife in flight flies on in the copy, with the copy's knife picture.
void copyKnives(const PlayScreen& from, PlayScreen& to)
{
    for (const auto& knife : from.projectiles) {
        if (knife->kind() != EntityKind::Knife)
            continue;
        auto flying = std::make_unique<Knife>();
        flying->texture.glName = to.knifeTexture.glName;
        flying->velocityX = knife->velocityX;
        flying->velocityY = knife->velocityY;
        flying->sprite.x = knife->sprite.x;
        flying->sprite.y = knife->sprite.y;
        flying->spawn();
        to.projectiles.push_back(std::move(flying));
    }
}

void copyPeppers(const PlayScreen& from, PlayScreen& to)
{
    for (std::size_t i = 0; i < from.peppers.size() && i < to.peppers.size(); ++i) {
        to.peppers[i].visible = from.peppers[i].visible;
        to.peppers[i].x = from.peppers[i].x;
        to.peppers[i].y = from.peppers[i].y;
    }
}

// Pickups keep their state but not their spots: the copy's own load drew new
// ones.
void copyPickups(const PlayScreen& from, PlayScreen& to)
{
    for (std::size_t i = 0; i < from.healthPickups.size() && i < to.healthPickups.size(); ++i) {
        const HealthPickup& original = from.healthPickups[i];
        HealthPickup& pickup = to.healthPickups[i];
        pickup.available = original.available;
        pickup.lifetime = original.lifetime;
        pickup.clock = original.clock;
        pickup.sprite.visible = original.sprite.visible;
    }
}

} // namespace

std::unique_ptr<PlayScreen> PlayScreen::snapshot() const
{
    auto copy = std::make_unique<PlayScreen>();
    copy->enter();
    copy->level = level;
    copy->setup(level);
    // The resumed game is the same level going on: no banner comes with it.
    copy->hud.skipBanner();

    copy->introShowing = introShowing;
    copy->hp = hp;
    copy->score = score;
    copy->peppersLeft = peppersLeft;
    copy->player.x = player.x;
    copy->player.y = player.y;

    copyEnemies(*this, *copy);
    copyKnives(*this, *copy);
    copyPeppers(*this, *copy);
    copyPickups(*this, *copy);
    return copy;
}
