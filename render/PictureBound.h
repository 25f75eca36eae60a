#pragma once

#include <string>

// The largest picture the game decodes: no side longer than the renderer's
// maximum texture size, nor than maxPictureSide. A picture
// file beyond it would cost seconds and gigabytes to decode and could not be
// shown as it is anyway.
constexpr int maxPictureSide = 4096;

// The longest side a picture may have with the current renderer.
int largestPictureSide();

// Reads the header of the picture file (a path that opens as it is) and
// says whether it may be decoded: a PNG, GIF or BMP picture no side of which
// is longer than largestSide (largestPictureSide() for the current
// renderer). A picture refused for its size or its kind gets one line on
// standard error naming the file and why; a file that does not exist is
// refused silently (a missing picture is simply not shown). It reads no
// renderer, so any thread may ask.
bool pictureWithinBound(const std::string& file, int largestSide);
