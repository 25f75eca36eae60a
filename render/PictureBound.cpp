#include "render/PictureBound.h"

#include <algorithm>
#include <cstdio>

#include "platform/PictureHeader.h"
#include "render/Renderer.h"

int largestPictureSide()
{
    const int driverLimit = renderer().maxTextureSide();
    // A renderer without a limit of its own (null) keeps the game's bound.
    if (driverLimit <= 0)
        return maxPictureSide;
    return std::min(maxPictureSide, driverLimit);
}

bool pictureWithinBound(const std::string& file, int largestSide)
{
    const PictureHeader header = pictureSizeFromHeader(file);
    switch (header.kind) {
    case PictureHeader::Kind::Missing:
        return false;
    case PictureHeader::Kind::Unknown:
        std::fprintf(stderr, "thrask: %s is not a PNG, GIF or BMP picture; it is not shown\n",
                     file.c_str());
        return false;
    default:
        break;
    }
    const auto limit = static_cast<std::uint64_t>(largestSide);
    if (header.width > limit || header.height > limit) {
        std::fprintf(stderr,
                     "thrask: %s is %llu x %llu pixels, larger than the %llu x %llu the game shows; "
                     "it is not shown\n",
                     file.c_str(), static_cast<unsigned long long>(header.width),
                     static_cast<unsigned long long>(header.height),
                     static_cast<unsigned long long>(limit), static_cast<unsigned long long>(limit));
        return false;
    }
    return true;
}
