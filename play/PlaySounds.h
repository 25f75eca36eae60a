#pragma once

#include "entities/EntityEvents.h"

// What the play rules sound like: the play screen's listener of its enemies
// and knives. A hit plays its attacker's effect and a cabbage coming out of
// the ground its pop as they are reported; throws and fires wait for the end
// of the enemies' updates and sound once each however many there were.
//
// Per frame: enemiesStart(), the enemies' updates, enemiesDone(), then the
// knives' updates.
class PlaySounds : public EntityEvents {
public:
    // A zombie's bite (a burning zombie's its own), a ninja's strike, a
    // robot's flame, a cabbage's bite or a knife.
    void hit(Blow blow) override;
    void knifeThrown() override;
    void zombieLit() override;
    void cabbagePopped() override;

    // Forgets throws and fires reported outside the enemies' updates.
    void enemiesStart();
    // The throw, then the fire, each once, if any was reported since
    // enemiesStart().
    void enemiesDone();

private:
    bool knifeThrown_ = false;
    bool zombieLit_ = false;
};
