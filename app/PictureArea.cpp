#include "app/PictureArea.h"

#include <cmath>

namespace {
// The picture's shape, width to height.
constexpr int shapeWide = 4;
constexpr int shapeHigh = 3;
} // namespace

PictureArea pictureArea(int width, int height, bool keepAspect)
{
    PictureArea area;
    area.width = width;
    area.height = height;
    if (!keepAspect || width <= 0 || height <= 0)
        return area;
    const long long wide = static_cast<long long>(width) * shapeHigh;
    const long long high = static_cast<long long>(height) * shapeWide;
    if (wide > high) {
        // Wider than 4:3: bars left and right.
        area.width = static_cast<int>(std::lround(static_cast<double>(high) / shapeHigh));
        area.x = (width - area.width) / 2;
    } else if (wide < high) {
        // Taller than 4:3: bars above and below.
        area.height = static_cast<int>(std::lround(static_cast<double>(wide) / shapeWide));
        area.y = (height - area.height) / 2;
    }
    return area;
}

bool pointerFractions(const PictureArea& area, int clientHeight, int x, int y, float& fractionX,
                      float& fractionY)
{
    if (area.width <= 0 || area.height <= 0)
        return false;
    fractionX = static_cast<float>(x - area.x) / static_cast<float>(area.width);
    fractionY = static_cast<float>(clientHeight - y - area.y) / static_cast<float>(area.height);
    return true;
}
