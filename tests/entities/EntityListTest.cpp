#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "entities/EntityList.h"
#include "entities/EntityOf.h"
#include "entities/Ninja.h"
#include "entities/Zombie.h"

namespace {

// Counts how many of its kind are alive, to see the list destroy each one
// exactly once.
class Counted : public EntityOf<Counted, EntityKind::Base> {
public:
    Counted() { ++alive; }
    Counted(const Counted& other) : EntityOf(other) { ++alive; }
    ~Counted() override { --alive; }
    static int alive;

protected:
    void keep(const Counted&) override {}
};
int Counted::alive = 0;

} // namespace

TEST(EntityListTest, KeepsTheOrderMadeAcrossKindsBlocksAndHandedOverEntities)
{
    // Many more than a block of each kind, made interleaved as a level never
    // does, with entities made elsewhere among them: the list reads back in
    // the order made, and every enemy stays where it was made.
    EntityList list;
    std::vector<Entity*> made;
    std::vector<float> marks;
    for (int i = 0; i < 5 * static_cast<int>(EntityList::blockSize) + 3; ++i) {
        Entity* entity = nullptr;
        switch (i % 4) {
        case 0: entity = &list.add<Zombie>(); break;
        case 1: entity = &list.add<Ninja>(); break;
        case 2: entity = &list.add<Zombie>(); break;
        default:
            list.add(std::make_unique<Ninja>());
            entity = list.back();
        }
        entity->sprite.x = static_cast<float>(i);
        made.push_back(entity);
    }
    list.add(nullptr);
    ASSERT_EQ(list.size(), made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        ASSERT_EQ(list[i], made[i]) << i;
        EXPECT_EQ(made[i]->sprite.x, static_cast<float>(i)) << "moved or overwritten: " << i;
        EXPECT_EQ(made[i]->kind(), i % 4 == 0 || i % 4 == 2 ? EntityKind::Zombie : EntityKind::Ninja);
    }
    std::vector<Entity*> walked(list.begin(), list.end());
    EXPECT_EQ(walked, made);
}

TEST(EntityListTest, ClearingDestroysEachEntityOnceAndTheListServesAgain)
{
    {
        EntityList list;
        for (std::size_t i = 0; i < EntityList::blockSize * 2 + 1; ++i)
            list.add<Counted>();
        list.add(std::make_unique<Counted>());
        EXPECT_EQ(Counted::alive, static_cast<int>(EntityList::blockSize * 2 + 2));
        list.clear();
        EXPECT_EQ(Counted::alive, 0);
        EXPECT_TRUE(list.empty());

        // A second level in the same list.
        Counted& again = list.add<Counted>();
        EXPECT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0], &again);
        EXPECT_EQ(Counted::alive, 1);
    }
    EXPECT_EQ(Counted::alive, 0) << "the list destroys what it still holds";
}
