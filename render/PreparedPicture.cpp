#include "render/PreparedPicture.h"

#include "platform/Paths.h"
#include "render/PictureBound.h"

namespace {

// Turns every pixel equal to the key fully transparent.
void applyColourKey(DecodedPicture& picture, std::uint32_t colourKey)
{
    const unsigned char key[4] = {
        static_cast<unsigned char>(colourKey & 0xFF),
        static_cast<unsigned char>((colourKey >> 8) & 0xFF),
        static_cast<unsigned char>((colourKey >> 16) & 0xFF),
        static_cast<unsigned char>((colourKey >> 24) & 0xFF),
    };
    unsigned char* p = picture.rgba.data();
    unsigned char* const end = p + picture.rgba.size();
    for (; p < end; p += 4)
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2] && p[3] == key[3])
            p[0] = p[1] = p[2] = p[3] = 0;
}

} // namespace

bool PreparedPicture::read(const std::string& path, std::uint32_t colourKey, int largestSide)
{
    decoded_ = DecodedPicture{};
    levels_.clear();
    largestSide_ = largestSide;
    const std::string resolved = resolveGamePath(path);
    if (!pictureWithinBound(resolved, largestSide))
        return false;
    if (!decodePicture(resolved, decoded_))
        return false;
    applyColourKey(decoded_, colourKey);
    return true;
}

void PreparedPicture::buildLevels(bool drawsPixels)
{
    drawsPixels_ = drawsPixels;
    if (decoded_.rgba.empty())
        return;
    if (drawsPixels)
        levels_ = PictureLevels::build(decoded_.width, decoded_.height, decoded_.rgba.data(), largestSide_);
    else
        levels_.push_back(PictureLevel{decoded_.width, decoded_.height, {}});
    // The levels hold everything the upload needs.
    decoded_ = DecodedPicture{};
}

bool PreparedPicture::prepare(const std::string& path, std::uint32_t colourKey, int largestSide, bool drawsPixels)
{
    drawsPixels_ = drawsPixels;
    if (!read(path, colourKey, largestSide))
        return false;
    buildLevels(drawsPixels);
    return ready();
}
