#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "app/Globals.h"
#include "entities/EntityEvents.h"
#include "entities/Random.h"
#include "render/Texture.h"

// An independent copy of the game's generator: what the entities must draw.
struct Lcg {
    std::uint32_t state;
    int next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }
    float field() { return static_cast<float>(next() % 180 - 90); }
};

// The first seed whose next two values are a and b modulo m.
inline std::uint32_t seedGiving(int m, int a, int b)
{
    for (std::uint32_t seed = 1;; ++seed) {
        Lcg g{seed};
        if (g.next() % m == a && g.next() % m == b)
            return seed;
    }
}

// A texture record with only a name, standing for a picture; no OpenGL.
inline Texture named(unsigned name)
{
    Texture t;
    t.glName = name;
    return t;
}

// A point at squared distance exactly `square` from the origin in float
// arithmetic; with `under`, the nearest point just inside.
struct Point {
    float x, y;
};
inline Point atSquared(float square, bool under = false)
{
    for (float x = 1.0f; x * x < square; x += 1.0f) {
        float y = std::nextafter(std::sqrt(square - x * x), 0.0f);
        for (int i = 0; i < 3 && x * x + y * y < square; ++i)
            y = std::nextafter(y, 99.0f);
        if (x * x + y * y != square)
            continue;
        while (under && x * x + y * y >= square)
            y = std::nextafter(y, 0.0f);
        return {x, y};
    }
    ADD_FAILURE() << "no float point at " << square;
    return {0.0f, 0.0f};
}

// Each test starts with a frame step of 0 and a known seed.
class Seeded : public ::testing::Test {
protected:
    static constexpr std::uint32_t seed = 12345;
    void SetUp() override
    {
        frameStep = 0.0f;
        thrask::srand(seed);
    }
    void TearDown() override { frameStep = 0.0f; }
};

// A listener that writes down what it hears, in order.
struct HeardEvents : EntityEvents {
    enum class Event { Hit, Thrown, Lit, Popped };
    struct Heard {
        Event event;
        Blow blow; // for hits
        bool operator==(const Heard& o) const { return event == o.event && (event != Event::Hit || blow == o.blow); }
    };
    void hit(Blow blow) override { events.push_back({Event::Hit, blow}); }
    void knifeThrown() override { events.push_back({Event::Thrown, Blow::Knife}); }
    void zombieLit() override { events.push_back({Event::Lit, Blow::Knife}); }
    void cabbagePopped() override { events.push_back({Event::Popped, Blow::Knife}); }
    std::vector<Heard> events;
};
