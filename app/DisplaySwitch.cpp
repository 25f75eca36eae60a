#include "app/DisplaySwitch.h"

#include "app/Globals.h"

namespace {

float shortfallWeighted(float difference, float weight)
{
    return difference >= 0.0f ? difference : -weight * difference;
}

constexpr float widthShortfallWeight = 2.0f;
constexpr float heightShortfallWeight = 1.5f;
constexpr float bitsShortfallWeight = 2.0f;
constexpr float pixelsPerBit = 50.0f;

} // namespace

float displayModeCost(const DisplayMode& mode, unsigned int width, unsigned int height,
                      unsigned char bits)
{
    const float dw = static_cast<float>(mode.width) - static_cast<float>(width);
    const float dh = static_cast<float>(mode.height) - static_cast<float>(height);
    const float db = static_cast<float>(mode.bits) - static_cast<float>(bits);
    const float cost = shortfallWeighted(dw, widthShortfallWeight)
                       + shortfallWeighted(dh, heightShortfallWeight)
                       + pixelsPerBit * shortfallWeighted(db, bitsShortfallWeight);
    return cost;
}

int chooseDisplayMode(const std::vector<DisplayMode>& modes, unsigned int width,
                      unsigned int height, unsigned char bits)
{
    int chosen = -1;
    float chosenCost = 0.0f;
    for (std::size_t i = 0; i < modes.size(); ++i) {
        const float cost = displayModeCost(modes[i], width, height, bits);
        if (chosen < 0 || cost < chosenCost) {
            chosen = static_cast<int>(i);
            chosenCost = cost;
        }
    }
    return chosen;
}

bool switchDisplayMode(unsigned int width, unsigned int height, unsigned char bits,
                       const std::vector<DisplayMode>& modes,
                       const std::function<bool(const DisplayMode&)>& change)
{
    const int chosen = chooseDisplayMode(modes, width, height, bits);
    if (chosen < 0)
        return false;
    const DisplayMode& mode = modes[static_cast<std::size_t>(chosen)];
    windowWidth = static_cast<int>(mode.width);
    windowHeight = static_cast<int>(mode.height);
    colourDepth = static_cast<int>(mode.bits);
    return change(mode);
}

WindowPlan planWindow(const std::vector<DisplayMode>& modes,
                      const std::function<bool(const DisplayMode&)>& change,
                      const std::function<void(const char* text, const char* caption)>& warn)
{
    WindowPlan plan;
    if (fullScreen) {
        plan.fullScreen = switchDisplayMode(static_cast<unsigned int>(windowWidth),
                                            static_cast<unsigned int>(windowHeight),
                                            static_cast<unsigned char>(colourDepth & 0xFF),
                                            modes, change);
        if (!plan.fullScreen)
            warn("Could not change the display settings\nFalling back to windowed mode.", "Error");
    }
    plan.width = windowWidth;
    plan.height = windowHeight;
    return plan;
}
