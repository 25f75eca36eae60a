#include "platform/PictureDecoder.h"

#ifdef __EMSCRIPTEN__
// stb_image keeps no state: there is nothing to start.
void initPictureDecoder() {}
#endif

bool decodePicture(const std::string& path, DecodedPicture& picture)
{
#ifdef __EMSCRIPTEN__
    return decodePictureWithStb(path, picture);
#else
    return decodePictureWithDevil(path, picture);
#endif
}
