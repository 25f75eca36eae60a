#pragma once

class Sprite;

// Movement and facing rules shared by the entity kinds. Every step advances
// by the current frameStep (seconds of game time).

// Facing: the pictures face -x (left) when drawn unmirrored. When pointX lies
// strictly to the right of the sprite's centre the picture is mirrored
// (texture u1 = -1), otherwise it is drawn as it is (u1 = +1).
void faceTowards(Sprite& sprite, float pointX);

// True when the sprite's picture is mirrored, i.e. it faces +x. Compares u1
// with exactly -1, as the facing rule sets it.
bool facesRight(const Sprite& sprite);

// Distance between two points of the field.
float distanceBetween(float ax, float ay, float bx, float by);

// One frame of roaming towards (targetX, targetY) at speed units per second.
// When the step would pass the target, or the sprite already stands on it,
// the sprite is put on the target and a new target is drawn (x, then y, each
// a random field coordinate); otherwise the sprite moves by the step along
// the straight line to the target. A step of 0 on the target still counts
// as an arrival, so the position never becomes undefined.
void wanderStep(Sprite& sprite, float& targetX, float& targetY, float speed);
