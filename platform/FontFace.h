#pragma once

#include <string>

#include "platform/FontDescription.h"

// One face in a font file: the file's path and the face's index in it.
struct FontFace {
    std::string path; // empty: no face
    int index = 0;
};

// The face the described typeface is drawn from: on the desktop the one
// fontconfig matches (fontconfigFace), in the browser the one shipped in the
// data (shippedFace).
FontFace findFontFace(const FontDescription& description);

// The face fontconfig picks for "<faceName>[:bold]": the face itself where it
// is installed, otherwise the substitute fontconfig's rules name (Comic Neue
// Bold for Comic Sans MS on Debian, from fonts-comic-neue). No face when
// fontconfig finds none.
FontFace fontconfigFace(const FontDescription& description);

// The typeface shipped in the data folder for systems without fontconfig:
// Fonts/ComicNeue-Bold.otf under dataFolder, the face fontconfig gives the
// game's bold Comic Sans MS on Debian, for every description (the game's
// text asks for no other).
FontFace shippedFace(const FontDescription& description, const std::string& dataFolder = ".");
