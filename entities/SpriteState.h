#pragma once

#include "entities/StateHash.h"

class Sprite;

// What replays compare of a sprite: position, size, turn, depth, visibility,
// colour and texture coordinates (the texture's name is left out).
void addSprite(StateHash& h, const Sprite& sprite);
