#pragma once

// One message from the window system, already translated into the game's
// terms: what the window procedure acts on.
struct Message {
    enum Kind {
        None,
        Quit,       // the window was closed or the program was asked to end
        Size,       // client area is now a x b pixels (0 x 0 while minimised)
        KeyDown,    // key a (virtual-key code) went down; auto-repeat repeats it
        KeyUp,      // key a went up
        MouseMove,  // pointer at client pixel (a, b), b from the top edge
        ButtonDown, // left or right button went down
        ButtonUp,   // left or right button went up
        FocusLost,  // the window lost the keyboard focus (only sent when pausing on it is wanted)
        Wheel,      // the mouse wheel turned a notches, positive away from the player (up)
    };

    Kind kind = None;
    int a = 0;
    int b = 0;
    bool left = false;
    bool right = false;
};
