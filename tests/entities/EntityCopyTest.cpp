// Each kind's own copy of itself, the state the in-game menu's copy of the
// game keeps of it, and its share of the replays' state hash: one typed test
// per kind.
#include <cmath>
#include <list>
#include <memory>
#include <tuple>
#include <vector>

#include "EntityTestSupport.h"
#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/EntityList.h"
#include "entities/Robot.h"
#include "entities/StateHash.h"
#include "entities/Zombie.h"

namespace {

// The lists and the listener an entity is linked to, as a play screen holds
// them.
struct World {
    EntityList entities;
    std::list<std::unique_ptr<Knife>> knives;
    std::vector<Ninja*> ninjas;
    HeardEvents heard;
};

// How each kind is made, linked and told apart, and the fields the in-game
// menu's copy keeps of it besides nothing else: its centre and its own list.
struct ZombieKind {
    using Kind = Zombie;
    static void make(Zombie& z)
    {
        z.idleTexture = named(1);
        static const std::vector<Texture> lunge{named(2), named(3), named(4), named(5), named(6)};
        z.lungeFrames = &lunge;
        z.fire.texture = named(7);
        z.spawn();
        z.sprite.x = randomFieldCoordinate();
        z.sprite.y = randomFieldCoordinate();
    }
    static void link(Zombie& z, World& w) { z.events = &w.heard; }
    // A burning zombie's copy starts unburnt.
    static void stir(Zombie& running, const Zombie&) { running.ignite(); }
    static auto kept(Zombie& z) { return std::tie(z.targetX, z.targetY, z.sprite.x, z.sprite.y); }
};

struct NinjaKind {
    using Kind = Ninja;
    static void make(Ninja& n)
    {
        n.sprite.x = randomFieldCoordinate();
        n.sprite.y = randomFieldCoordinate();
        n.spawn();
        static const std::vector<Texture> lunge{named(1), named(2), named(3), named(4)};
        n.lungeFrames = &lunge;
    }
    static void link(Ninja& n, World& w)
    {
        n.events = &w.heard;
        n.ninjas = &w.ninjas;
        w.ninjas.push_back(&n);
    }
    static void stir(Ninja& running, const Ninja& fresh)
    {
        running.index = fresh.index + 1;
        running.horizontalNext = !fresh.horizontalNext;
    }
    static auto kept(Ninja& n)
    {
        return std::tie(n.horizontalNext, n.targetX, n.targetY, n.index, n.sprite.x, n.sprite.y);
    }
};

struct PirateKind {
    using Kind = Pirate;
    static void make(Pirate& p)
    {
        p.sprite.x = randomFieldCoordinate();
        p.sprite.y = randomFieldCoordinate();
        p.sprite.texture = named(1);
        p.knifeTexture = named(2);
        p.spawn();
    }
    static void link(Pirate& p, World& w)
    {
        p.events = &w.heard;
        p.projectiles = &w.knives;
    }
    static void stir(Pirate&, const Pirate&) {}
    static auto kept(Pirate& p) { return std::tie(p.throwTimer, p.targetX, p.targetY, p.sprite.x, p.sprite.y); }
};

struct RobotKind {
    using Kind = Robot;
    static void make(Robot& r)
    {
        r.flame.texture = named(1);
        r.sprite.texture = named(2);
        r.sprite.x = randomFieldCoordinate();
        r.sprite.y = randomFieldCoordinate();
        r.spawn();
    }
    static void link(Robot& r, World& w)
    {
        r.events = &w.heard;
        r.entities = &w.entities;
    }
    static void stir(Robot&, const Robot&) {}
    static auto kept(Robot& r)
    {
        return std::tie(r.flamePhase, r.flameCooldown, r.targetX, r.targetY, r.sprite.x, r.sprite.y);
    }
};

struct CabbageKind {
    using Kind = Cabbage;
    static void make(Cabbage& c)
    {
        c.growFrames = {named(1), named(2), named(3)};
        c.spawn();
    }
    static void link(Cabbage& c, World& w) { c.events = &w.heard; }
    static void stir(Cabbage&, const Cabbage&) {}
    static auto kept(Cabbage& c) { return std::tie(c.biteCooldown, c.sprite.x, c.sprite.y, c.growPhase); }
};

struct KnifeKind {
    using Kind = Knife;
    static void make(Knife& k)
    {
        k.texture = named(1);
        k.sprite.x = randomFieldCoordinate() / 2;
        k.sprite.y = randomFieldCoordinate() / 2;
        // Slow enough to stay on the field for the whole test.
        k.velocityX = randomFieldCoordinate() / 20;
        k.velocityY = randomFieldCoordinate() / 20;
        k.spawn();
    }
    static void link(Knife& k, World& w) { k.events = &w.heard; }
    static void stir(Knife&, const Knife&) {}
    static auto kept(Knife& k) { return std::tie(k.velocityX, k.velocityY, k.sprite.x, k.sprite.y); }
};

std::uint64_t hashOf(const Entity& entity)
{
    StateHash h;
    entity.addState(h);
    return h.value();
}

// Every element of a differs from the same element of b.
template <class... T>
bool differEverywhere(const std::tuple<T&...>& a, const std::tuple<T&...>& b)
{
    return std::apply([&](const auto&... x) { return std::apply([&](const auto&... y) { return ((x != y) && ...); }, b); },
                      a);
}

} // namespace

template <class Traits>
class EntityCopy : public Seeded {
protected:
    using Kind = typename Traits::Kind;

    // A kind made and linked as the loader makes one, from the given seed.
    std::unique_ptr<Kind> make(World& world, std::uint32_t from)
    {
        thrask::srand(from);
        auto entity = std::make_unique<Kind>();
        Traits::make(*entity);
        Traits::link(*entity, world);
        return entity;
    }

    // Frames of 50 ms with the player walking a loop over the field, close
    // enough to every kind to be chased, lunged at, bitten or burnt.
    static void run(Entity& entity, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            frameStep = 0.05f;
            const float t = 0.05f * static_cast<float>(i);
            entity.update(60.0f * std::sin(t), 50.0f * std::cos(0.7f * t));
        }
    }

    static Kind& as(Entity& entity) { return static_cast<Kind&>(entity); }
};

using Kinds = ::testing::Types<ZombieKind, NinjaKind, PirateKind, RobotKind, CabbageKind, KnifeKind>;
TYPED_TEST_SUITE(EntityCopy, Kinds);

TYPED_TEST(EntityCopy, ACloneHoldsTheWholeStateAndThenGoesItsOwnWay)
{
    World world, elsewhere;
    auto original = this->make(world, 101);
    TypeParam::stir(*original, *original);
    this->run(*original, 80);
    const std::uint64_t before = hashOf(*original);

    std::unique_ptr<Entity> clone = original->clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->kind(), original->kind());
    EXPECT_EQ(hashOf(*clone), before);

    // Moved to other lists, the clone runs on by itself...
    TypeParam::link(this->as(*clone), elsewhere);
    const std::size_t heardBefore = world.heard.events.size();
    thrask::srand(202);
    this->run(*clone, 60);
    EXPECT_NE(hashOf(*clone), before);
    EXPECT_EQ(hashOf(*original), before) << "the original did not move with its clone";
    EXPECT_EQ(world.heard.events.size(), heardBefore) << "the clone reports to its own listener";

    // ...and exactly as the original would have.
    thrask::srand(202);
    this->run(*original, 60);
    EXPECT_EQ(hashOf(*original), hashOf(*clone));
    EXPECT_EQ(world.heard.events.size() - heardBefore, elsewhere.heard.events.size());
}

TYPED_TEST(EntityCopy, TheMenusCopyTakesOverItsListedFieldsAndNothingElse)
{
    World runningWorld, copyWorld;
    auto running = this->make(runningWorld, 303);
    this->run(*running, 80);
    // The copy's own load of the level drew other values.
    auto fresh = this->make(copyWorld, 404);
    TypeParam::stir(*running, *fresh);
    ASSERT_TRUE(differEverywhere(TypeParam::kept(*running), TypeParam::kept(*fresh)));

    std::unique_ptr<Entity> copy = fresh->clone();
    copy->takeOver(*running);
    EXPECT_EQ(TypeParam::kept(this->as(*copy)), TypeParam::kept(*running));
    // Put back what was taken over: the rest is the fresh entity's, untouched.
    TypeParam::kept(this->as(*copy)) = TypeParam::kept(*fresh);
    EXPECT_EQ(hashOf(*copy), hashOf(*fresh));

    // An entity of another kind (the level file changed in between) gives
    // nothing.
    Entity stranger;
    stranger.sprite.x = 77.0f;
    copy->takeOver(stranger);
    EXPECT_EQ(hashOf(*copy), hashOf(*fresh));
}
