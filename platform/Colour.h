#pragma once

// An RGBA colour, one unsigned byte per channel: the tint of a sprite or a
// text, and a pixel read back from the screen. It sits with the platform's
// plain value types because the off-screen context reads pixels into it.
struct Colour {
    unsigned char r = 255;
    unsigned char g = 255;
    unsigned char b = 255;
    unsigned char a = 255;
};
