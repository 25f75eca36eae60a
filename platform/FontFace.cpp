#include "platform/FontFace.h"

namespace {
constexpr const char* shippedFontFile = "Fonts/ComicNeue-Bold.otf";
}

FontFace findFontFace(const FontDescription& description)
{
#ifdef __EMSCRIPTEN__
    return shippedFace(description);
#else
    return fontconfigFace(description);
#endif
}

FontFace shippedFace(const FontDescription&, const std::string& dataFolder)
{
    return FontFace{dataFolder + "/" + shippedFontFile, 0};
}
