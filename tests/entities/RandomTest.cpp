#include <algorithm>

#include "EntityTestSupport.h"

TEST(Random, KnownSequenceAndWrapAround)
{
    thrask::srand(1);
    for (int value : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358})
        EXPECT_EQ(thrask::rand(), value);
    // Tick counts use all 32 bits: the state wraps and bit 31 never shows.
    for (std::uint32_t seed : {0u, 0x80000000u, 0xFFFFFFFFu}) {
        thrask::srand(seed);
        Lcg g{seed};
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(thrask::rand(), g.next());
        EXPECT_EQ(thrask::randState(), g.state);
    }
}

TEST(Random, FieldCoordinateRunsFromMinus90To89)
{
    thrask::srand(7);
    float low = 0.0f, high = 0.0f;
    for (int i = 0; i < 20000; ++i) {
        const float c = randomFieldCoordinate();
        low = std::min(low, c);
        high = std::max(high, c);
    }
    EXPECT_EQ(low, -90.0f);
    EXPECT_EQ(high, 89.0f);
}
