// PlayScreen's copy of the running game, the one the in-game menu holds.
#include "play/PlayScreen.h"

#include "entities/Knife.h"

namespace {

// Both screens loaded the same level file, so their lists match index by
// index; an index the copy lacks or holds with another kind (the file changed
// in between) is skipped.
void copyEnemies(const PlayScreen& from, PlayScreen& to)
{
    for (std::size_t i = 0; i < from.entities.size() && i < to.entities.size(); ++i) {
        if (from.entities[i]->kind() == to.entities[i]->kind())
            to.entities[i]->takeOver(*from.entities[i]);
    }
}

// Every knife in flight flies on in the copy, with the copy's knife picture,
// as a new knife that takes over the old one's flight.
void copyKnives(const PlayScreen& from, PlayScreen& to)
{
    for (const auto& knife : from.projectiles) {
        if (knife->kind() != EntityKind::Knife)
            continue;
        auto flying = std::make_unique<Knife>();
        flying->texture.glName = to.knifeTexture.glName;
        flying->events = &to.sounds;
        flying->takeOver(*knife);
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
