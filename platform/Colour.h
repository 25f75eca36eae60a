#pragma once

// An RGBA colour, one unsigned byte per channel.
struct Colour {
    unsigned char r = 255;
    unsigned char g = 255;
    unsigned char b = 255;
    unsigned char a = 255;
};
