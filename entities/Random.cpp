#include "entities/Random.h"

namespace {
std::uint32_t state = 1;
}

namespace thrask {

void srand(std::uint32_t seed)
{
    state = seed;
}

int rand()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

std::uint32_t randState()
{
    return state;
}

} // namespace thrask

float randomFieldCoordinate()
{
    return static_cast<float>(thrask::rand() % 180 - 90);
}
