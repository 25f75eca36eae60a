// Choosing a backend, and what happens when the shader backend cannot run:
// one line on standard error naming what failed, and gl1 draws instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "render/Gles2Program.h"
#include "render/RendererChoice.h"
#include "render/Sprite.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "screens/Camera.h"

namespace {

int lines(const std::string& text)
{
    int count = 0;
    for (const char c : text)
        count += c == '\n' ? 1 : 0;
    return count;
}

// Draws a red square over the centre; true when it shows.
bool drawsARedSquare(OffscreenRenderer& surface)
{
    surface.clear();
    Camera().apply();
    Sprite square;
    square.colour = Colour{255, 0, 0, 255};
    square.width = square.height = 50.0f;
    square.draw();
    const Colour centre = surface.pixelAtView(0.0f, 0.0f);
    return centre.r == 255 && centre.g == 0 && centre.b == 0;
}

} // namespace

TEST(RendererChoice, OnlyTheThreeNamesChooseABackend)
{
    const struct {
        const char* word;
        bool known;
        RendererKind kind;
    } cases[] = {{"gl1", true, RendererKind::gl1},      {"gles2", true, RendererKind::gles2},
                 {"null", true, RendererKind::null},     {"GL1", false, RendererKind::gl1},
                 {"gles", false, RendererKind::gl1},     {"", false, RendererKind::gl1},
                 {"gles2 ", false, RendererKind::gl1},   {"opengl", false, RendererKind::gl1}};
    for (const auto& c : cases) {
        RendererKind kind = RendererKind::gl1;
        EXPECT_EQ(parseRendererKind(c.word, kind), c.known) << '"' << c.word << '"';
        if (c.known) {
            EXPECT_EQ(kind, c.kind);
            EXPECT_STREQ(rendererKindName(kind), c.word);
        }
    }
}

TEST(RendererChoice, AShaderBackendThatCannotRunSaysWhyOnceAndGl1Draws)
{
    struct Case {
        const char* what;
        Gles2Renderer::Options options;
        const char* named; // in the line on standard error
    };
    Gles2Renderer::Options brokenFragment;
    brokenFragment.fragmentSource = "void main() { gl_FragColor = undefinedThing; }\n";
    Gles2Renderer::Options brokenVertex;
    brokenVertex.vertexSource = "void main() { gl_Position = ; }\n";
    Gles2Renderer::Options mismatched;
    // Each stage compiles; the program does not link (the fragment reads a
    // varying of another type than the vertex stage writes).
    mismatched.vertexSource = "attribute vec3 position; varying vec3 uv;\n"
                              "void main() { uv = position; gl_Position = vec4(position, 1.0); }\n";
    Gles2Renderer::Options noBuffers;
    noBuffers.vertexBuffers = false;
    const Case cases[] = {
        {"a fragment shader that does not compile", brokenFragment, "fragment shader does not compile"},
        {"a vertex shader that does not compile", brokenVertex, "vertex shader does not compile"},
        {"a program that does not link", mismatched, "does not link"},
        {"a context without vertex buffers", noBuffers, "no vertex buffers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::testing::internal::CaptureStderr();
        OffscreenRenderer surface(RendererKind::gles2, 100, 100, c.options);
        const std::string said = ::testing::internal::GetCapturedStderr();
        ASSERT_TRUE(surface.valid());
        EXPECT_STREQ(surface.renderer().name(), "gl1");
        EXPECT_EQ(lines(said), 1) << said;
        EXPECT_NE(said.find(c.named), std::string::npos) << said;
        EXPECT_NE(said.find("gl1"), std::string::npos) << "the line says what draws instead: " << said;
        EXPECT_TRUE(drawsARedSquare(surface)) << "never a black window";
    }
    ::testing::internal::CaptureStderr();
    OffscreenRenderer working(RendererKind::gles2, 100, 100);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "a shader backend that runs says nothing";
    EXPECT_STREQ(working.renderer().name(), "gles2");
    EXPECT_TRUE(drawsARedSquare(working));
}

// A picture larger than the driver's textures is refused with one line, and
// a sprite of it is a plain quad; what the game decodes is bounded before
// that (render/PictureBound.h), so this is the backends' own guard.
TEST(RendererChoice, ATextureLargerThanTheDriverTakesIsRefusedWithALine)
{
    for (const RendererKind kind : {RendererKind::gl1, RendererKind::gles2}) {
        SCOPED_TRACE(rendererKindName(kind));
        OffscreenRenderer surface(kind, 100, 100);
        ASSERT_TRUE(surface.valid());
        const int limit = surface.renderer().maxTextureSide();
        ASSERT_GT(limit, 0);
        PictureLevel wide;
        wide.width = limit * 2;
        wide.height = 1;
        wide.rgba.assign(static_cast<std::size_t>(wide.width) * 4, 255);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(surface.renderer().uploadTexture({wide}), 0u);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(lines(said), 1) << said;
        EXPECT_NE(said.find("larger than"), std::string::npos) << said;
        EXPECT_EQ(surface.renderer().resources().textures, 0);
    }
}

// The programs' one source is GLSL ES 1.00 (GLES 2, WebGL 1) and GLSL 1.20
// (desktop GL 2.1) alike for every kind of drawing, as the reference
// compiler reads them.
TEST(RendererChoice, TheShaderSourceIsGlslEs100AndGlsl120)
{
    if (std::system("command -v glslangValidator >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "glslangValidator (glslang-tools) is not installed";
    for (int kind = 0; kind < Gles2Program::kindCount; ++kind) {
        const std::string head = Gles2Program::kindLines(static_cast<Gles2Program::Kind>(kind));
        for (const bool gles : {true, false}) {
            for (const bool vertex : {true, false}) {
                const std::string file = std::string("program.") + (vertex ? "vert" : "frag");
                std::ofstream(file) << Gles2Program::versionLine(gles) << head
                                    << (vertex ? Gles2Program::vertexSource() : Gles2Program::fragmentSource());
                SCOPED_TRACE(Gles2Program::versionLine(gles) + head + file);
                EXPECT_EQ(std::system(("glslangValidator " + file + " >validator.log 2>&1").c_str()), 0)
                    << std::ifstream("validator.log").rdbuf();
            }
        }
    }
    // The validator does catch what GLSL ES refuses: a float without a
    // default precision in a fragment shader.
    std::ofstream("unprecise.frag") << "#version 100\nuniform float level;\n"
                                       "void main() { gl_FragColor = vec4(level); }\n";
    EXPECT_NE(std::system("glslangValidator unprecise.frag >/dev/null 2>&1"), 0);
}
