// The display-mode choice: the input is the request and the display's list
// of modes, and which switches the display accepts.
#include <vector>

#include "FuzzSupport.h"
#include "app/DisplaySwitch.h"
#include "app/Globals.h"

namespace {

unsigned int take32(const std::uint8_t* p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8 | unsigned(p[2]) << 16 | unsigned(p[3]) << 24;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    const unsigned int width = take32(data);
    const unsigned int height = take32(data + 4);
    const unsigned char bits = data[8];
    const std::uint8_t accepts = data[9];
    std::vector<DisplayMode> modes;
    for (std::size_t at = 10; at + 9 <= size; at += 9)
        modes.push_back({take32(data + at), take32(data + at + 4), data[at + 8]});

    const int chosen = chooseDisplayMode(modes, width, height, bits);
    fuzz::require(modes.empty() ? chosen == -1 : chosen >= 0 && chosen < static_cast<int>(modes.size()),
                  "the choice is one of the listed modes");
    for (std::size_t i = 0; i < modes.size(); ++i)
        fuzz::require(!(displayModeCost(modes[i], width, height, bits)
                        < displayModeCost(modes[static_cast<std::size_t>(chosen)], width, height, bits)),
                      "no listed mode costs less than the chosen one");

    windowWidth = static_cast<int>(width & 0x7FFF);
    windowHeight = static_cast<int>(height & 0x7FFF);
    colourDepth = bits;
    fullScreen = accepts & 1;
    int warnings = 0;
    int tries = 0;
    const WindowPlan plan = planWindow(
        modes, [&](const DisplayMode&) { return ((accepts >> (1 + tries++ % 7)) & 1) != 0; },
        [&](const char*, const char*) { ++warnings; });
    fuzz::require(!plan.fullScreen || fullScreen, "full screen only when asked for");
    fuzz::require(warnings <= 1, "at most one warning");
    return 0;
}
