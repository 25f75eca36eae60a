#pragma once

#include <string>

// One of the shader backend's programs. Their source is written once for
// both shading languages they run under, GLSL ES 1.00 (GLES 2, WebGL 1) and
// GLSL 1.20 (desktop GL 2.1): only the version line differs, and the
// precision statement stands under #ifdef GL_ES.
//
// Vertices come in clip coordinates (the backend places them exactly as the
// fixed-function pipeline does), with coordinates in the texture drawn from;
// the colour (or the light, when lit) is the batch's, as few varyings as
// possible making the software rasteriser's setup of each triangle cheap.
// The one source is compiled into a program per kind of drawing, each
// with only what its kind needs, so the fragment stage (run for every pixel
// drawn) neither branches nor discards when it need not:
//   plain    the colour;
//   picture  the texel x that colour (modulate), linearly filtered (the
//            backend has split each quad where its picture repeats and
//            clamped it where it ends, so the picture's one-pixel border,
//            render/PictureLevels.h, gives the filter at the edges what the
//            game's repeat in s and clamp in t give it), and under the alpha
//            test, which drawing a picture always switches on: what has
//            alpha of 0.0001 or less is discarded;
//   glyph    the colour where the glyph page's pixel is set, nothing
//            elsewhere.
// A plain or glyph batch's alpha is its colour's, the same for every pixel,
// so the backend applies the alpha test to the whole batch itself.
class Gles2Program {
public:
    // The attribute locations the program is linked with.
    static constexpr unsigned int positionAttribute = 0;
    static constexpr unsigned int texCoordAttribute = 1;

    // The kinds of drawing, one program each.
    enum Kind { plain, picture, glyph };
    static constexpr int kindCount = 3;

    // The sources without their version line.
    static const char* vertexSource();
    static const char* fragmentSource();
    // The version line for the current context: "#version 100" under GLES,
    // "#version 120" on desktop OpenGL.
    static std::string versionLine(bool gles);
    // The lines that follow the version line in both sources of a kind's
    // program, saying what the kind draws.
    static std::string kindLines(Kind kind);

    // Compiles and links the two sources of a kind's program (each preceded
    // by the version line and the kind's lines) on the current context.
    // False, with error naming the stage that failed and the first line of
    // its log, when they do not.
    bool build(const std::string& vertex, const std::string& fragment, bool gles, Kind kind, std::string& error);
    ~Gles2Program();

    unsigned int name() const { return program_; }
    int colour() const { return colour_; }

private:
    unsigned int program_ = 0;
    int colour_ = -1;
};
