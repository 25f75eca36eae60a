#include "render/Texture.h"

#include <vector>

#include "platform/LoadInterruption.h"
#include "platform/Paths.h"
#include "platform/PictureDecoder.h"
#include "render/PictureBound.h"
#include "render/PictureCache.h"
#include "render/PictureLevels.h"
#include "render/Renderer.h"

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

bool Texture::load(const std::string& path, std::uint32_t colourKey)
{
    // A game that is ending loads no more pictures.
    if (loadInterrupted())
        return false;
    // A picture loaded before in this run is shared, not read again.
    if (const unsigned int shared = pictureCache.share(path, colourKey)) {
        glName = shared;
        return true;
    }
    const std::string resolved = resolveGamePath(path);
    if (!pictureWithinBound(resolved))
        return false;
    DecodedPicture picture;
    if (!decodePicture(resolved, picture))
        return false;
    applyColourKey(picture, colourKey);
    Renderer& drawing = renderer();
    std::vector<PictureLevel> levels;
    if (drawing.drawsPixels()) {
        levels = PictureLevels::build(picture.width, picture.height, picture.rgba.data(), largestPictureSide());
    } else {
        // A renderer that draws nothing needs only the picture's size.
        levels.push_back(PictureLevel{picture.width, picture.height, {}});
    }
    const unsigned int name = drawing.uploadTexture(levels);
    if (name == 0)
        return false;
    glName = name;
    pictureCache.add(path, colourKey, glName);
    return true;
}

bool Texture::loadKeyed(const std::string& path)
{
    return load(path, blackColourKey);
}

void Texture::release()
{
    // The cache deletes a picture's name when its last holder gives it back.
    if (glName != 0 && !pictureCache.giveBack(glName))
        renderer().releaseTexture(glName);
}
