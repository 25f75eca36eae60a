#pragma once

// Where the game's picture lies in the window's client area, in pixels, y
// from the bottom edge (as the renderer's viewport takes it). The game fills
// the whole client area; with -aspect (keepAspect) it keeps the 4:3 shape of the
// 640 x 480 picture: the largest 4:3 rectangle centred in the client area,
// with black bars beside or above and below it.
struct PictureArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The picture's rectangle in a client area of width x height pixels.
PictureArea pictureArea(int width, int height, bool keepAspect);

// The pointer at client pixel (x, y), y from the top edge of a client area
// clientHeight pixels high, as fractions of the picture: (0, 0) its
// bottom-left corner, (1, 1) its top-right; outside the picture (over a bar)
// below 0 or above 1. False, leaving the fractions alone, when the picture
// has no size. For a picture filling the client area these are
// x / width and (height - y) / height, computed exactly as such.
bool pointerFractions(const PictureArea& area, int clientHeight, int x, int y, float& fractionX,
                      float& fractionY);
