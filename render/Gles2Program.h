#pragma once

#include <string>

// The shader backend's one program. Its source is written once for both
// shading languages it runs under, GLSL ES 1.00 (GLES 2, WebGL 1) and GLSL
// 1.20 (desktop GL 2.1): only the version line differs, and the precision
// statement stands under #ifdef GL_ES.
//
// Vertices come in clip coordinates (the backend places them exactly as the
// fixed-function pipeline does), with coordinates in the texture drawn from;
// the colour (or the light, when lit) is the batch's, as few varyings as
// possible making the software rasteriser's setup of each triangle cheap.
// The fragment stage draws in one of three modes:
//   plain    the colour;
//   picture  the texel x that colour (modulate), linearly filtered (the
//            backend has split each quad where its picture repeats and
//            clamped it where it ends, so the picture's one-pixel border,
//            render/PictureLevels.h, gives the filter at the edges what the
//            game's repeat in s and clamp in t give it);
//   glyph    the colour where the glyph page's pixel is set, nothing elsewhere;
// then, while the alpha test is on, discards what has alpha of 0.0001 or less.
class Gles2Program {
public:
    // The attribute locations the program is linked with.
    static constexpr unsigned int positionAttribute = 0;
    static constexpr unsigned int texCoordAttribute = 1;

    // The modes of the fragment stage.
    static constexpr float plainMode = 0.0f;
    static constexpr float pictureMode = 1.0f;
    static constexpr float glyphMode = 2.0f;

    // The sources without their version line.
    static const char* vertexSource();
    static const char* fragmentSource();
    // The version line for the current context: "#version 100" under GLES,
    // "#version 120" on desktop OpenGL.
    static std::string versionLine(bool gles);

    // Compiles and links the two sources (each preceded by the version
    // line) on the current context. False, with error naming the stage that
    // failed and the first line of its log, when they do not.
    bool build(const std::string& vertex, const std::string& fragment, bool gles, std::string& error);
    ~Gles2Program();

    unsigned int name() const { return program_; }
    int mode() const { return mode_; }
    int alphaTest() const { return alphaTest_; }
    int colour() const { return colour_; }

private:
    unsigned int program_ = 0;
    int mode_ = -1;
    int alphaTest_ = -1;
    int colour_ = -1;
};
