#pragma once

#include <vector>

// One level of a picture's mipmap chain: width x height RGBA pixels in the
// order they were given (the decoder's top row first).
struct PictureLevel {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// The levels a picture is uploaded with, made by the game's own code so that
// every renderer samples the same texels: level 0 is the picture at the
// nearest power of two in each direction (a picture of 3 x 2^k pixels or more
// but less than 2^(k+2) rounds up, as the classic mipmap builder rounds),
// scaled by box filtering where its size differs; each further level halves
// the one before by averaging 2 x 2 pixels, rounded (or 2, truncated, where
// one side is already 1), down to 1 x 1. For a picture whose sides are powers
// of two (every picture the game ships) the levels are byte for byte those
// of the classic gluBuild2DMipmaps; other sizes are scaled correctly, where
// that builder left rows black or read past the picture.
class PictureLevels {
public:
    // The chain for a width x height RGBA picture (rgba holds its pixels,
    // 4 bytes each). largestSide bounds level 0: a side rounded above it is
    // halved until it fits. Empty for an empty picture.
    static std::vector<PictureLevel> build(int width, int height, const unsigned char* rgba, int largestSide);

    // The side level 0 gets for a picture side: the nearest power of two.
    static int nearestPowerOfTwo(int side);

    // The level below `level`: half its size in each direction that is
    // larger than 1.
    static PictureLevel halve(const PictureLevel& level);

    // The picture scaled to width x height by box filtering: each pixel the
    // average of the pixels under its box, weighted by the part covered,
    // rounded to the nearest byte.
    static PictureLevel scale(int widthIn, int heightIn, const unsigned char* rgba, int width, int height);

    // The level with a border of one pixel all round: on the left the
    // level's last column, on the right its first one (what repeating it in
    // s puts beside it), above and below rows of transparent black (the
    // border a clamp in t filters its edge rows with). Filtered linearly
    // inside the border, it samples exactly as the level sampled with the
    // game's wrapping, where the shader backend cannot set that wrapping
    // (a picture on a shared page, a GLES 2 picture of any size).
    static PictureLevel withBorder(const PictureLevel& level);
};
