#pragma once

// A key that acts when it is released, and only when it was pressed on the
// screen that keeps this: the menus arm Enter, Space or Esc as it goes down
// and act on its release, so a key held across a fade, or still held when
// the next screen shows, acts nowhere twice.
class ArmedKey {
public:
    // key went down on this screen; it replaces any key armed before it.
    void arm(int key) { armed_ = key; }
    // key went up: true (and nothing is armed any more) when it is the armed
    // key, whose release acts; false for any other key, and for key 0, which
    // names no key.
    bool release(int key)
    {
        if (key == 0 || key != armed_)
            return false;
        armed_ = 0;
        return true;
    }
    // The armed key, 0 for none.
    int armed() const { return armed_; }

private:
    int armed_ = 0;
};
