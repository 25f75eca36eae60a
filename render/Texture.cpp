#include "render/Texture.h"

#include "platform/LoadInterruption.h"
#include "render/PictureBound.h"
#include "render/PictureCache.h"
#include "render/PreparedPicture.h"
#include "render/Renderer.h"

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
    Renderer& drawing = renderer();
    const int largestSide = largestPictureSide();
    // A picture the worker prepares ahead is taken from it (waiting for it
    // when it is in hand); any other is read here.
    PreparedPicture picture;
    if (!pictureCache.takeAhead(path, colourKey, picture) || !picture.madeFor(largestSide, drawing.drawsPixels()))
        picture.prepare(path, colourKey, largestSide, drawing.drawsPixels());
    return upload(path, colourKey, picture);
}

bool Texture::loadPrepared(const std::string& path, std::uint32_t colourKey, const PreparedPicture& picture)
{
    if (loadInterrupted())
        return false;
    if (const unsigned int shared = pictureCache.share(path, colourKey)) {
        glName = shared;
        return true;
    }
    if (!picture.madeFor(largestPictureSide(), renderer().drawsPixels()))
        return load(path, colourKey);
    return upload(path, colourKey, picture);
}

bool Texture::upload(const std::string& path, std::uint32_t colourKey, const PreparedPicture& picture)
{
    if (!picture.ready())
        return false;
    const unsigned int name = renderer().uploadTexture(picture.levels());
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
