#include "platform/PictureDecoder.h"

bool decodePicture(const std::string& path, DecodedPicture& picture)
{
#ifdef __EMSCRIPTEN__
    return decodePictureWithStb(path, picture);
#else
    return decodePictureWithDevil(path, picture);
#endif
}
