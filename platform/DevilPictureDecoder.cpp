#include "platform/PictureDecoder.h"

#include <IL/il.h>

#include <cstring>
#include <mutex>

namespace {

// DevIL works on one image it keeps bound for the whole process, so one
// picture at a time is started or decoded, whichever thread asks (the game's
// and the picture worker's).
std::mutex devilInUse;
bool devilStarted = false; // under devilInUse

void startDevil()
{
    if (devilStarted)
        return;
    ilInit();
    devilStarted = true;
}

} // namespace

void initPictureDecoder()
{
    const std::lock_guard<std::mutex> hold(devilInUse);
    startDevil();
}

bool decodePictureWithDevil(const std::string& path, DecodedPicture& picture)
{
    picture = DecodedPicture{};
    const std::lock_guard<std::mutex> hold(devilInUse);
    startDevil();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    bool decoded = false;
    if (ilLoadImage(path.c_str()) && ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE)) {
        const int width = ilGetInteger(IL_IMAGE_WIDTH);
        const int height = ilGetInteger(IL_IMAGE_HEIGHT);
        const ILubyte* pixels = ilGetData();
        if (pixels != nullptr && width > 0 && height > 0) {
            picture.width = width;
            picture.height = height;
            picture.rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
            std::memcpy(picture.rgba.data(), pixels, picture.rgba.size());
            decoded = true;
        }
    }
    ilDeleteImages(1, &image);
    return decoded;
}
