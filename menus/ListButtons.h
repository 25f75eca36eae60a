#pragma once

#include <string>

class Sprite;

// The two buttons under a list screen's board (the load list, the best
// scores): an action on the right (Load Game, Watch Game) and Return Game
// on the left (menuPlaces::listButtonX either side of the middle), 60 x 20
// units each, and the underline that marks the one
// under the pointer. The screens own the sprites; these place them and
// follow the pointer over them.
class ListButtons {
public:
    // What the pointer is over, the numbers the screens' `hovered` holds.
    enum Hovered { None = 0, Action = 1, Back = 2 };

    // Loads the buttons' pictures (keyed) and the underline's, and places
    // the buttons side by side at height y; the underline is hidden.
    static void place(Sprite& action, const std::string& actionPicture, Sprite& back, Sprite& underline,
                      float y);

    // The button under the point of the view (the action only while it is
    // shown), with the underline moved under it or hidden; the hover sound
    // plays when the pointer comes onto a button other than `before` (what
    // it was over until now).
    static int follow(int before, const Sprite& action, bool actionShown, const Sprite& back,
                      Sprite& underline, float viewX, float viewY);
};
