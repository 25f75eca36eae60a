#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "entities/Sine.h"

namespace {

float fromBits(std::uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The correctly rounded sine: the double sine is far more precise than a
// float, so rounding it to float gives the nearest float but in ties the
// tests below would show.
float nearestSine(float x)
{
    return static_cast<float>(std::sin(static_cast<double>(x)));
}

// Counts the floats of bit patterns first, first + stride, ... up to last
// (both signs) whose sine is not the nearest float; reports the first one.
int missesOver(std::uint32_t first, std::uint32_t last, std::uint32_t stride)
{
    int misses = 0;
    for (std::uint32_t bits = first; bits <= last && bits >= first; bits += stride) {
        for (const std::uint32_t sign : {0u, 0x80000000u}) {
            const float x = fromBits(bits | sign);
            if (bitsOf(thrask::sine(x)) != bitsOf(nearestSine(x))) {
                if (misses == 0)
                    ADD_FAILURE() << "sine(" << std::hexfloat << x << ") = " << thrask::sine(x)
                                  << ", the nearest float is " << nearestSine(x);
                ++misses;
            }
        }
    }
    return misses;
}

} // namespace

// The phases the rules feed it grow with play time until a frame's step no
// longer changes the float (about 2^21 for the robot's flame): about two
// million floats spread over that range, every one the nearest float.
TEST(Sine, IsTheNearestFloatOverThePhasesTheGameReaches)
{
    EXPECT_EQ(missesOver(0, bitsOf(2097152.0f), 601), 0);
}

// Near a multiple of pi/2 the reduced argument is tiny and any precision lost
// in the reduction shows; far out, only exact digits of 2/pi get it right.
TEST(Sine, StaysExactNearQuarterTurnsAndForHugeArguments)
{
    int misses = 0;
    for (int k = 1; k <= 20000; ++k) {
        const float near = static_cast<float>(k * 1.5707963267948966);
        std::uint32_t bits = bitsOf(near) - 8;
        for (int i = 0; i < 16; ++i, ++bits)
            if (bitsOf(thrask::sine(fromBits(bits))) != bitsOf(nearestSine(fromBits(bits))))
                ++misses;
    }
    EXPECT_EQ(misses, 0);
    EXPECT_EQ(missesOver(bitsOf(2097152.0f), bitsOf(std::numeric_limits<float>::max()), 4093), 0);
}

// The bits every platform must return; the first group are arguments where
// glibc's sinf rounds the other way (one unit in the last place off).
TEST(Sine, GivesTheseBitsOnEveryPlatform)
{
    const struct {
        float x;
        std::uint32_t bits;
    } pinned[] = {
        {0x1.000032p-1f, 0x3EF57770u},
        {0x1.5eb8c8p-1f, 0x3F21F709u},
        {0x1.e087dap-1f, 0x3F4E8380u},
        {0x1.492c8p+0f, 0x3F75AD1Au},
        {0.5f, 0x3EF57744u},
        {0x1.921fb6p+0f, 0x3F800000u}, // the float nearest pi/2
        {0x1.921fb6p+1f, 0xB3BBBD2Eu}, // the float nearest pi: -8.74e-8
        {-2.5f, 0xBF193578u},
        {100.0f, 0xBF01A12Eu},
        {1000.25f, 0x3F70B812u},
        {1048576.0f, 0x3EA93666u},
        {0x1p+100f, 0xBF5F476Du},
        {0x1.ff933cp+127f, 0xBE79F163u},
        {1e-30f, 0x0DA24260u},
        {0x1p-140f, 0x00000200u}, // a subnormal is its own sine
        {-0.0f, 0x80000000u},
    };
    for (const auto& pin : pinned)
        EXPECT_EQ(bitsOf(thrask::sine(pin.x)), pin.bits) << std::hexfloat << pin.x;
    EXPECT_TRUE(std::isnan(thrask::sine(std::numeric_limits<float>::infinity())));
    EXPECT_TRUE(std::isnan(thrask::sine(-std::numeric_limits<float>::infinity())));
    EXPECT_TRUE(std::isnan(thrask::sine(std::numeric_limits<float>::quiet_NaN())));
}
