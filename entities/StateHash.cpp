#include "entities/StateHash.h"

#include <cstring>

void StateHash::bytes(const void* data, std::size_t size)
{
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        value_ ^= p[i];
        value_ *= 1099511628211ull;
    }
}

void StateHash::add(float v)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    add(static_cast<unsigned>(bits));
}

void StateHash::add(const std::string& text)
{
    add(static_cast<unsigned>(text.size()));
    bytes(text.data(), text.size());
}
