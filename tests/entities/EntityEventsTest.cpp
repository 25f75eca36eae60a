// What entities report to their listener, and when, where the play screen's
// sound tests cannot tell (tests/play/PlayScreenSoundTest.cpp hears the rest).
#include <list>
#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Cabbage.h"
#include "entities/Pirate.h"

namespace {

using Event = HeardEvents::Event;
using Blow = EntityEvents::Blow;
using Heard = HeardEvents::Heard;

Heard hitBy(Blow blow)
{
    return {Event::Hit, blow};
}
const Heard thrown{Event::Thrown, Blow::Knife};
const Heard popped{Event::Popped, Blow::Knife};

} // namespace

class EntityEvents_ : public Seeded {
protected:
    HeardEvents heard;
};

TEST_F(EntityEvents_, ACabbageThatComesUpBitingReportsTheBiteThenThePop)
{
    Cabbage cabbage;
    cabbage.events = &heard;
    cabbage.spawn(); // shown but not grown: not out yet
    ASSERT_FALSE(cabbage.out());
    cabbage.sprite.x = cabbage.sprite.y = 0.0f;
    cabbage.biteCooldown = -1.0f;
    frameStep = 0.1f;
    EXPECT_EQ(cabbage.update(0.0f, 0.0f), 10);
    EXPECT_EQ(heard.events, (std::vector<Heard>{hitBy(Blow::CabbageBite), popped}));

    // Standing out it pops no more; it pops again when it comes up after a
    // spell underground (sin(growPhase) > 0 again past 2 pi).
    heard.events.clear();
    int pops = 0;
    for (int frame = 0; frame < 70; ++frame) {
        cabbage.update(90.0f, 90.0f);
        pops += static_cast<int>(heard.events.size());
        heard.events.clear();
    }
    EXPECT_EQ(pops, 1);

    // Without a listener it still bites.
    Cabbage alone;
    alone.spawn();
    alone.sprite.x = alone.sprite.y = 0.0f;
    alone.biteCooldown = -1.0f;
    EXPECT_EQ(alone.update(0.0f, 0.0f), 10);
}

TEST_F(EntityEvents_, APirateReportsEachKnifeItPutsInFlightAndTheKnifeReportsToTheSameListener)
{
    std::list<std::unique_ptr<Knife>> knives;
    Pirate pirate;
    pirate.events = &heard;
    pirate.spawn();
    pirate.sprite.x = pirate.sprite.y = -80.0f;
    pirate.throwTimer = -1.0f;
    pirate.projectiles = &knives;
    pirate.update(60.0f, 0.0f);
    ASSERT_EQ(knives.size(), 1u);
    EXPECT_EQ(heard.events, std::vector<Heard>{thrown});
    EXPECT_EQ(knives.front()->events, &heard);

    // With no list to throw into no knife flies, and none is reported.
    heard.events.clear();
    pirate.projectiles = nullptr;
    pirate.throwTimer = -1.0f;
    pirate.update(60.0f, 0.0f);
    EXPECT_TRUE(heard.events.empty());
}
