#include "render/PictureBound.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "platform/PictureHeader.h"

int largestPictureSide()
{
    GLint driverLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &driverLimit);
    // Without a context the query answers nothing; the game's own bound holds.
    if (driverLimit <= 0)
        return maxPictureSide;
    return std::min(maxPictureSide, static_cast<int>(driverLimit));
}

bool pictureWithinBound(const std::string& file)
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
    const auto limit = static_cast<std::uint64_t>(largestPictureSide());
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
