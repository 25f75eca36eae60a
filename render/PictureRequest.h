#pragma once

#include <cstdint>
#include <string>

// A picture a screen will load: its file, as the game names it, and the
// colour key it is loaded with.
struct PictureRequest {
    std::string path;
    std::uint32_t colourKey = 0;
};
