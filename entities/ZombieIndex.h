#pragma once

#include <memory>
#include <vector>

#include "entities/Entity.h"

class EntityList;
class Zombie;

// Where the zombies of a level stand, so that a robot finds the zombie in its
// flame without looking at every entity of the level: the zombies of the
// entity list sorted into a grid of the field, each with its place in the
// list. The answer is the one a scan of the whole list in order gives.
//
// The grid holds the positions of its last build. The play screen marks it
// stale before the entities move in a frame and after every zombie has moved;
// anything else that moves a zombie while the entities update must mark it
// stale too. A stale grid is built again at the next question.
class ZombieIndex {
public:
    // The list looked at; not owned. Null: no zombies.
    void watch(const EntityList* entities);

    void markStale() { stale_ = true; }

    // The first zombie of the list whose centre lies inside area's unrotated
    // rectangle (pointInSprite), or null.
    Zombie* firstInside(const Sprite& area);

private:
    struct Entry {
        Zombie* zombie;
        std::size_t place; // in the entity list
    };

    void rebuild();

    const EntityList* entities_ = nullptr;
    bool stale_ = true;
    std::vector<std::size_t> cellStart_; // entries of cell c: [cellStart_[c], cellStart_[c + 1])
    std::vector<Entry> entries_;         // by cell, in list order within a cell
};
