// The robots' zombie grid gives the zombie a scan of the whole entity list in
// order gives, wherever the zombies and the flame are.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "entities/EntityList.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "entities/ZombieIndex.h"

namespace {

// What the robot's flame finds by looking at every entity in order.
Zombie* firstByScan(const EntityList& list, const Sprite& area)
{
    for (Entity* entity : list) {
        if (entity->kind() == EntityKind::Zombie && pointInSprite(area, entity->sprite.x, entity->sprite.y))
            return dynamic_cast<Zombie*>(entity);
    }
    return nullptr;
}

Sprite area(float x, float y, float width, float height)
{
    Sprite sprite;
    sprite.x = x;
    sprite.y = y;
    sprite.width = width;
    sprite.height = height;
    return sprite;
}

} // namespace

TEST(ZombieIndexTest, FindsTheZombieAScanOfTheListInOrderFinds)
{
    // Coordinates from a few that sit on cell borders and rectangle edges,
    // beyond the field and outside any number, and many anywhere: over the
    // whole field, or crowded into a few cells where many zombies share one.
    std::mt19937 random(7);
    const float specials[] = {-100.0f, -90.0f, 0.0f, 10.0f, 99.999f, 100.0f, 100.5f, -130.0f, 250.0f,
                              -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
    float spread = 110.0f;
    const auto coordinate = [&random, &specials, &spread](bool special) {
        if (special)
            return specials[random() % (sizeof specials / sizeof specials[0])];
        return std::uniform_real_distribution<float>(-spread, spread)(random);
    };

    int found = 0;
    for (int layout = 0; layout < 40; ++layout) {
        spread = layout % 2 == 0 ? 110.0f : 15.0f;
        EntityList list;
        const int count = static_cast<int>(random() % 400);
        for (int i = 0; i < count; ++i) {
            // Robots are never taken for zombies; an entity handed over is
            // found as one made in the list.
            const unsigned kind = random() % 4;
            Entity* entity = nullptr;
            if (kind == 0) {
                entity = &list.add<Robot>();
            } else if (kind == 3) {
                list.add(std::make_unique<Zombie>());
                entity = list.back();
            } else {
                entity = &list.add<Zombie>();
            }
            entity->sprite.x = coordinate(random() % 8 == 0);
            entity->sprite.y = coordinate(random() % 8 == 0);
        }
        // Zombies standing on one spot: the earlier one in the list is found.
        for (int twin = 0; twin < 3 && !list.empty(); ++twin) {
            Zombie& zombie = list.add<Zombie>();
            const Entity* other = list[random() % (list.size() - 1)];
            zombie.sprite.x = other->sprite.x;
            zombie.sprite.y = other->sprite.y;
        }
        ZombieIndex index;
        index.watch(&list);
        for (int query = 0; query < 200; ++query) {
            const bool edgeOnAZombie = query % 5 == 0 && !list.empty();
            Sprite flame = area(coordinate(query % 7 == 0), coordinate(query % 7 == 0),
                                std::uniform_real_distribution<float>(-10.0f, 80.0f)(random),
                                std::uniform_real_distribution<float>(-5.0f, 30.0f)(random));
            if (edgeOnAZombie) {
                // The zombie on the rectangle's left edge: inside, edges included.
                const Sprite& zombie = list[query % list.size()]->sprite;
                flame.x = zombie.x + flame.width / 2;
                flame.y = zombie.y;
            }
            Zombie* expected = firstByScan(list, flame);
            ASSERT_EQ(index.firstInside(flame), expected) << "layout " << layout << ", query " << query;
            if (expected != nullptr)
                ++found;
        }
    }
    EXPECT_GT(found, 500) << "most questions should have an answer to compare";
}

TEST(ZombieIndexTest, AMovedZombieIsFoundWhereItStandsOnceTheGridIsMarkedStale)
{
    EntityList list;
    list.add<Zombie>();
    list.add<Zombie>();
    list[0]->sprite.x = -80.0f;
    list[1]->sprite.x = 50.0f;
    ZombieIndex index;
    index.watch(&list);
    const Sprite flame = area(50.0f, 0.0f, 20.0f, 10.0f);
    EXPECT_EQ(index.firstInside(flame), list[1]);

    list[0]->sprite.x = 45.0f; // the first zombie walks into the flame
    index.markStale();
    EXPECT_EQ(index.firstInside(flame), list[0]);

    list.clear();
    index.markStale();
    EXPECT_EQ(index.firstInside(flame), nullptr);
}
