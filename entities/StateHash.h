#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The 64-bit FNV-1a hash replays compare the game's state by: fields are
// added one by one as their bytes (a float by its bit pattern), so two runs
// hash alike exactly when every field added matches to the last bit.
class StateHash {
public:
    void bytes(const void* data, std::size_t size);
    void add(int v) { bytes(&v, sizeof v); }
    void add(unsigned v) { bytes(&v, sizeof v); }
    void add(bool v) { add(v ? 1 : 0); }
    void add(float v);
    void add(const std::string& text);
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 14695981039346656037ull;
};
