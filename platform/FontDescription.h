#pragma once

#include <string>

// The typeface a bitmap font asks for: a negative height is the character
// height in pixels without the internal leading (how a typeface's size is
// usually given); a weight of 700 or more is bold.
struct FontDescription {
    int height = -14;
    int width = 0; // the platform's choice
    int escapement = 0;
    int orientation = 0;
    int weight = 700;
    std::string faceName = "Comic Sans MS";
};
