// What each kind reports to its listener, and when.
#include <list>
#include <memory>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"

namespace {

using Event = HeardEvents::Event;
using Blow = EntityEvents::Blow;
using Heard = HeardEvents::Heard;

Heard hitBy(Blow blow)
{
    return {Event::Hit, blow};
}
const Heard lit{Event::Lit, Blow::Knife};
const Heard thrown{Event::Thrown, Blow::Knife};
const Heard popped{Event::Popped, Blow::Knife};

} // namespace

class EntityEvents_ : public Seeded {
protected:
    HeardEvents heard;
};

TEST_F(EntityEvents_, EveryBlowIsReportedByTheUpdateThatDealsIt)
{
    frameStep = 0.01f;
    Zombie zombie;
    zombie.events = &heard;
    zombie.spawn();
    zombie.sprite.x = zombie.sprite.y = 0.0f;
    zombie.lungeTimer = 0.1f;
    EXPECT_EQ(zombie.update(0.0f, 0.0f), 5);
    zombie.ignite();
    zombie.lungeTimer = 0.1f;
    EXPECT_EQ(zombie.update(0.0f, 0.0f), 15);

    Ninja ninja;
    ninja.events = &heard;
    ninja.lungeTimer = 0.1f;
    EXPECT_EQ(ninja.update(0.0f, 0.0f), 10);

    Robot robot;
    robot.events = &heard;
    robot.spawn();
    robot.sprite.x = robot.sprite.y = 0.0f;
    robot.sprite.texture.u1 = -1.0f; // faces +x: its flame's middle is near (38, -3.5)
    robot.flameCooldown = 0.0f;
    EXPECT_EQ(robot.update(38.0f, -3.5f), 3);

    Knife knife;
    knife.events = &heard;
    knife.spawn();
    EXPECT_EQ(knife.update(0.0f, 0.0f), 3);

    EXPECT_EQ(heard.events, (std::vector<Heard>{hitBy(Blow::ZombieBite), lit,
                                                hitBy(Blow::BurningZombieBite), hitBy(Blow::NinjaStrike),
                                                hitBy(Blow::Flame), hitBy(Blow::Knife)}));

    // Updates that deal nothing report nothing; nor does an entity without a
    // listener, which still deals its blow.
    heard.events.clear();
    for (Entity* entity : std::initializer_list<Entity*>{&zombie, &ninja, &robot, &knife})
        entity->update(90.0f, 90.0f);
    EXPECT_TRUE(heard.events.empty());
    Ninja alone;
    alone.lungeTimer = 0.1f;
    EXPECT_EQ(alone.update(0.0f, 0.0f), 10);
}

TEST_F(EntityEvents_, AZombieCatchesFireOnceWhetherARobotOrAnythingElseSetsIt)
{
    std::vector<std::unique_ptr<Entity>> list;
    list.push_back(std::make_unique<Zombie>());
    auto& zombie = static_cast<Zombie&>(*list.back());
    zombie.events = &heard;
    zombie.sprite.x = 38.0f;
    zombie.sprite.y = -3.5f;
    Robot robot;
    robot.entities = &list;
    robot.spawn();
    robot.sprite.x = robot.sprite.y = 0.0f;
    robot.sprite.texture.u1 = -1.0f;
    robot.flameCooldown = 0.0f;
    frameStep = 0.01f;
    robot.update(-90.0f, 90.0f);
    ASSERT_TRUE(zombie.burning);
    EXPECT_EQ(heard.events, std::vector<Heard>{lit});
    // Already burning: neither the flame nor another ignition reports again.
    robot.flameCooldown = 0.0f;
    robot.update(-90.0f, 90.0f);
    zombie.ignite();
    EXPECT_EQ(heard.events.size(), 1u);
}

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
