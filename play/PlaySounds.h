#pragma once

#include <memory>
#include <vector>

#include "entities/Entity.h"
#include "platform/Audio.h"

// What the play rules sound like: which effect a hit plays, which loop a
// level plays, and the states of an enemy that the rules compare before and
// after its update to hear what it did. Everything here only reads.

// The effect of a hit from `attacker`, the entity whose update (or, for a
// knife, whose flight) took the hit points: a zombie's bite (a burning
// zombie's its own), a ninja's strike, a knife, a robot's flame, a
// cabbage's bite.
Effect hurtSound(const Entity& attacker);

// The music of level n: one loop for levels 1-5, one for 6-10 and one for
// 11-15. Numbers outside the fifteen (a saved game may hold any) play the
// nearest end's loop.
MusicLoop levelMusic(long long level);

// True when the entity is a cabbage standing out of the ground: shown, and
// grown since it was spawned.
bool cabbageOut(const Entity& entity);

// How many zombies of the list are burning.
int burningZombies(const std::vector<std::unique_ptr<Entity>>& entities);
