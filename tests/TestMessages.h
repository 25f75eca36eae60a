#pragma once

#include "platform/Message.h"

// A message as the window's events become one: its kind, its two numbers
// (a key, a pointer's x and y, wheel notches) and which buttons it names.
inline Message message(Message::Kind kind, int a = 0, int b = 0, bool left = false, bool right = false)
{
    Message m;
    m.kind = kind;
    m.a = a;
    m.b = b;
    m.left = left;
    m.right = right;
    return m;
}
