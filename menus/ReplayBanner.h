#pragma once

#include <string>

#include "render/BitmapFont.h"

// The line shown along the foot of the picture while a recorded game is
// watched, in front of whatever the recording shows: what is being watched
// and how to stop it. It only draws.
class ReplayBanner {
public:
    // `text` is the line, for example "Watching a recorded game: Esc
    // returns to the list".
    explicit ReplayBanner(std::string text);

    // Draws the line on its strip in the menus' 200 x 200 view, at full
    // brightness whatever light the recording left.
    void draw();

private:
    BitmapFont font_;
    std::string text_;
};
