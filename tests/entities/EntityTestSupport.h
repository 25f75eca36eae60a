#pragma once

#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "app/Globals.h"
#include "entities/Random.h"
#include "render/Texture.h"

// An independent copy of the game's generator, so a test can say which
// values the entities must have drawn, and in which order.
class ExpectedDraws {
public:
    explicit ExpectedDraws(std::uint32_t seed) : state_(seed) {}

    int next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }
    float field() { return static_cast<float>(next() % 180 - 90); }
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_;
};

// The first seed from which the generator's next two values give a and b
// modulo m: lets a test choose, say, the pirate's aim jitter.
inline std::uint32_t seedGiving(int m, int a, int b)
{
    for (std::uint32_t seed = 1;; ++seed) {
        ExpectedDraws draws(seed);
        const int first = draws.next() % m;
        if (first == a && draws.next() % m == b)
            return seed;
    }
}

// A texture record with only a name, as the play screen hands them out. The
// names stand for pictures; no OpenGL is involved.
inline Texture named(unsigned int name)
{
    Texture texture;
    texture.glName = name;
    return texture;
}

// A point (x, y) at exactly the squared distance `square` from the origin in
// float arithmetic, so a squared-distance threshold can be met on the dot.
struct Offset {
    float x = 0.0f;
    float y = 0.0f;
};

inline Offset offsetAtSquaredDistance(float square)
{
    for (float x = 1.0f; x * x < square; x += 1.0f) {
        float y = std::sqrt(square - x * x);
        for (int i = 0; i < 4 && x * x + y * y < square; ++i)
            y = std::nextafter(y, 1e9f);
        for (int i = 0; i < 4 && x * x + y * y > square; ++i)
            y = std::nextafter(y, 0.0f);
        if (x * x + y * y == square)
            return {x, y};
    }
    ADD_FAILURE() << "no float point lies at " << square;
    return {};
}

// The same point moved inward just enough to lie under `square`.
inline Offset offsetJustUnder(float square)
{
    Offset p = offsetAtSquaredDistance(square);
    while (p.x * p.x + p.y * p.y >= square)
        p.y = std::nextafter(p.y, 0.0f);
    return p;
}

// Every entity test starts from a frame step of 0 and a known seed, and puts
// the frame step back afterwards.
class SeededFrame : public ::testing::Test {
protected:
    static constexpr std::uint32_t seed = 12345;

    void SetUp() override
    {
        savedStep_ = frameStep;
        frameStep = 0.0f;
        thrask::srand(seed);
    }
    void TearDown() override { frameStep = savedStep_; }

private:
    float savedStep_ = 0.0f;
};
