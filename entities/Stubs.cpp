// Temporary definitions so the library links while the entity kinds are
// being written. Each kind's own .cpp replaces its part of this file.
#include "entities/Cabbage.h"
#include "entities/HealthPickup.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

void Zombie::draw() { sprite.draw(); }
void Zombie::spawn() {}
EntityKind Zombie::kind() const { return EntityKind::Zombie; }
int Zombie::update(float, float) { return 0; }
void Zombie::ignite() { burning = true; speed = 36.0f; }

void Robot::draw() { sprite.draw(); }
void Robot::spawn() {}
EntityKind Robot::kind() const { return EntityKind::Robot; }
int Robot::update(float, float) { return 0; }

bool Ninja::nextNinjaHorizontal = false;
void Ninja::draw() { sprite.draw(); }
void Ninja::spawn() {}
EntityKind Ninja::kind() const { return EntityKind::Ninja; }
int Ninja::update(float, float) { return 0; }

void Knife::spawn() {}
EntityKind Knife::kind() const { return EntityKind::Knife; }
int Knife::update(float, float) { return 0; }

void Pirate::spawn() {}
EntityKind Pirate::kind() const { return EntityKind::Pirate; }
int Pirate::update(float, float) { return 0; }

void Cabbage::spawn() {}
EntityKind Cabbage::kind() const { return EntityKind::Cabbage; }
int Cabbage::update(float, float) { return 0; }

void HealthPickup::reset() {}
int HealthPickup::update(const Sprite&) { return 0; }
