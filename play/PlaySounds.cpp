#include "play/PlaySounds.h"

#include "entities/Cabbage.h"
#include "entities/Zombie.h"

namespace {

// The last level of each music loop's share.
constexpr long long firstLoopEnd = 5;
constexpr long long secondLoopEnd = 10;

} // namespace

Effect hurtSound(const Entity& attacker)
{
    switch (attacker.kind()) {
    case EntityKind::Zombie:
        return static_cast<const Zombie&>(attacker).burning ? Effect::HurtBurning : Effect::HurtZombie;
    case EntityKind::Ninja:
        return Effect::HurtNinja;
    case EntityKind::Robot:
        return Effect::HurtFlame;
    case EntityKind::Cabbage:
        return Effect::HurtCabbage;
    default:
        // A pirate hurts only through its knives.
        return Effect::HurtKnife;
    }
}

MusicLoop levelMusic(long long level)
{
    if (level <= firstLoopEnd)
        return MusicLoop::Levels1to5;
    if (level <= secondLoopEnd)
        return MusicLoop::Levels6to10;
    return MusicLoop::Levels11to15;
}

bool cabbageOut(const Entity& entity)
{
    if (entity.kind() != EntityKind::Cabbage)
        return false;
    const auto& cabbage = static_cast<const Cabbage&>(entity);
    return cabbage.sprite.visible && cabbage.growPhase > 0.0f;
}

int burningZombies(const std::vector<std::unique_ptr<Entity>>& entities)
{
    int burning = 0;
    for (const auto& entity : entities) {
        if (entity && entity->kind() == EntityKind::Zombie && static_cast<const Zombie&>(*entity).burning)
            ++burning;
    }
    return burning;
}
