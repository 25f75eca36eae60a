#include <set>

#include "EntityTestSupport.h"
#include "entities/Random.h"

TEST(Random, SeedOneGivesTheKnownSequence)
{
    thrask::srand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(thrask::rand(), value);
}

TEST(Random, ReseedingRepeatsTheSequence)
{
    thrask::srand(987654321u);
    const int a = thrask::rand();
    const int b = thrask::rand();
    thrask::srand(987654321u);
    EXPECT_EQ(thrask::rand(), a);
    EXPECT_EQ(thrask::rand(), b);
}

TEST(Random, StateWrapsModulo2To32AndValuesStayIn15Bits)
{
    // Tick counts fill all 32 bits; the state must wrap, and bit 31 of the
    // state never reaches the value.
    const std::uint32_t seeds[] = {0u, 0xFFFFFFFFu, 0x80000000u, 4000000000u};
    for (std::uint32_t seed : seeds) {
        thrask::srand(seed);
        ExpectedDraws expected(seed);
        for (int i = 0; i < 1000; ++i) {
            const int value = thrask::rand();
            ASSERT_EQ(value, expected.next()) << "seed " << seed << " draw " << i;
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 32767);
        }
        EXPECT_EQ(thrask::randState(), expected.state());
    }
    thrask::srand(0);
    EXPECT_EQ(thrask::rand(), 38);
}

TEST(Random, FieldCoordinateCoversMinus90To89)
{
    thrask::srand(7);
    ExpectedDraws expected(7);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const float c = randomFieldCoordinate();
        ASSERT_EQ(c, static_cast<float>(expected.next() % 180 - 90));
        ASSERT_EQ(c, std::floor(c));
        seen.insert(static_cast<int>(c));
    }
    EXPECT_EQ(*seen.begin(), -90);
    EXPECT_EQ(*seen.rbegin(), 89);
    EXPECT_EQ(seen.size(), 180u);
}
