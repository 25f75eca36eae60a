#pragma once

#include "entities/StateHash.h"

class Entity;
class HealthPickup;
class Sprite;

// What replays compare of the objects of a level: every field the rules
// change, texture names and anything only drawn left out.

// Position, size, turn, depth, visibility, colour and texture coordinates.
void addSprite(StateHash& h, const Sprite& sprite);

// The kind, the speed and the sprite, then the kind's own fields (a zombie's
// fire, a robot's flame...).
void addEntity(StateHash& h, const Entity& entity);

void addHealthPickup(StateHash& h, const HealthPickup& pickup);
