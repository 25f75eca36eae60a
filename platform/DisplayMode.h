#pragma once

// One display mode as the display lists it.
struct DisplayMode {
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int bits = 0;
};
