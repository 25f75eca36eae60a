#include "platform/FontFace.h"

#include <fontconfig/fontconfig.h>

namespace {
constexpr int boldWeight = 700;
}

FontFace fontconfigFace(const FontDescription& description)
{
    std::string request = description.faceName;
    if (description.weight >= boldWeight)
        request += ":bold";
    FontFace found;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr)
        return found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request.c_str()));
    if (pattern != nullptr) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        if (match != nullptr) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr)
                found.path = reinterpret_cast<const char*>(file);
            FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return found;
}
