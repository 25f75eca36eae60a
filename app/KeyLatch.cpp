#include "app/KeyLatch.h"

#include <algorithm>
#include <iterator>

void KeyLatch::keyDown(int key)
{
    pressed_[key & 0xFF] = 1;
}

void KeyLatch::keyUp(int key)
{
    if (pressed_[key & 0xFF] != 0)
        latched_[key & 0xFF] = 1;
}

void KeyLatch::holdTapped(unsigned char* keys)
{
    for (int key = 0; key < 256; ++key) {
        applied_[key] = latched_[key] != 0 && keys[key] == 0 ? 1 : 0;
        if (applied_[key] != 0)
            keys[key] = 1;
    }
}

void KeyLatch::releaseTapped(unsigned char* keys)
{
    for (int key = 0; key < 256; ++key)
        if (applied_[key] != 0)
            keys[key] = 0;
    reset();
}

bool KeyLatch::anyLatched() const
{
    return std::any_of(std::begin(latched_), std::end(latched_), [](unsigned char v) { return v != 0; });
}

void KeyLatch::reset()
{
    std::fill(std::begin(pressed_), std::end(pressed_), static_cast<unsigned char>(0));
    std::fill(std::begin(latched_), std::end(latched_), static_cast<unsigned char>(0));
    std::fill(std::begin(applied_), std::end(applied_), static_cast<unsigned char>(0));
}
