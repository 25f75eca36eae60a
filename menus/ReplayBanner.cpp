#include "menus/ReplayBanner.h"

#include "render/Lighting.h"
#include "render/Panel.h"
#include "screens/Camera.h"

namespace {

constexpr float viewSize = 200.0f;
constexpr int textHeight = 11;
constexpr float baselineY = -96.0f;
constexpr float stripTop = -88.0f;
// In front of everything the screens draw (the HUD is at 0.1).
constexpr float textDepth = 0.02f;
constexpr float stripDepth = 0.05f;
constexpr Colour stripFill{14, 32, 56, 200};
constexpr Colour textColour{255, 236, 160, 255};

} // namespace

ReplayBanner::ReplayBanner(std::string text) : text_(std::move(text))
{
    font_.fontDescription.height = -textHeight;
    font_.colour = textColour;
    font_.depth = textDepth;
    font_.text = text_;
}

void ReplayBanner::draw()
{
    const Camera view;
    view.apply();
    Panel strip;
    strip.left = -viewSize / 2;
    strip.right = viewSize / 2;
    strip.bottom = -viewSize / 2;
    strip.top = stripTop;
    strip.depth = stripDepth;
    strip.fill = stripFill;
    strip.draw();
    // The line keeps full brightness, also while the recording fades.
    const UnlitDrawing unlit;
    font_.print(-font_.textWidth(text_, viewSize) / 2, baselineY);
}
