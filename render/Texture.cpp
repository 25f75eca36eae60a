#include "render/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <IL/il.h>

#include <vector>

#include "platform/LoadInterruption.h"
#include "platform/Paths.h"
#include "render/PictureBound.h"
#include "render/PictureCache.h"

bool Texture::load(const std::string& path, std::uint32_t colourKey)
{
    // A game that is ending loads no more pictures.
    if (loadInterrupted())
        return false;
    // A picture loaded before in this run is shared, not read again; it is
    // left bound as a fresh upload would be.
    if (const unsigned int shared = pictureCache.share(path, colourKey)) {
        glName = shared;
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, glName);
        return true;
    }
    const std::string resolved = resolveGamePath(path);
    if (!pictureWithinBound(resolved))
        return false;
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (!ilLoadImage(resolved.c_str())) {
        ilDeleteImages(1, &image);
        return false;
    }
    ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE);
    const int width = ilGetInteger(IL_IMAGE_WIDTH);
    const int height = ilGetInteger(IL_IMAGE_HEIGHT);
    ILubyte* pixels = ilGetData();
    if (pixels == nullptr || width <= 0 || height <= 0) {
        ilDeleteImages(1, &image);
        return false;
    }

    const unsigned char key[4] = {
        static_cast<unsigned char>(colourKey & 0xFF),
        static_cast<unsigned char>((colourKey >> 8) & 0xFF),
        static_cast<unsigned char>((colourKey >> 16) & 0xFF),
        static_cast<unsigned char>((colourKey >> 24) & 0xFF),
    };
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char* p = pixels + i * 4;
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2] && p[3] == key[3])
            p[0] = p[1] = p[2] = p[3] = 0;
    }

    glGenTextures(1, &glName);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glName);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    ilDeleteImages(1, &image);
    pictureCache.add(path, colourKey, glName);
    return true;
}

bool Texture::loadKeyed(const std::string& path)
{
    return load(path, blackColourKey);
}

void Texture::bind() const
{
    if (glName == 0)
        return;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0001f);
    glBindTexture(GL_TEXTURE_2D, glName);
    // Only t is clamped: s keeps its default repeat, which is what lets
    // u1 = -1 show the picture mirrored and the fire picture scroll.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void Texture::release()
{
    // The cache deletes a picture's name when its last holder gives it back.
    if (glName != 0 && !pictureCache.giveBack(glName))
        glDeleteTextures(1, &glName);
}
