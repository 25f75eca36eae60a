#include "render/Gles2Program.h"

#include <vector>

#include "render/GlApi.h"

namespace {

const char* const vertexText = R"(attribute vec3 position;
attribute vec2 texCoord;
varying vec2 uv;
void main()
{
    uv = texCoord;
    gl_Position = vec4(position, 1.0);
}
)";

const char* const fragmentText = R"(#ifdef GL_ES
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
#endif
uniform vec4 tint;
#if defined(PICTURE) || defined(GLYPH)
uniform sampler2D picture;
varying vec2 uv;
#endif
void main()
{
#ifdef GLYPH
    if (texture2D(picture, uv).a < 0.5)
        discard;
#endif
#ifdef PICTURE
    vec4 colour = tint * texture2D(picture, uv);
    if (colour.a <= 0.0001)
        discard;
    gl_FragColor = colour;
#else
    gl_FragColor = tint;
#endif
}
)";

// The first line of a shader's or program's log.
std::string firstLine(const std::vector<char>& log)
{
    std::string line(log.data());
    const std::size_t end = line.find('\n');
    if (end != std::string::npos)
        line.resize(end);
    return line.empty() ? "no log" : line;
}

unsigned int compile(GLenum stage, const std::string& source, std::string& error)
{
    const GLuint shader = glCreateShader(stage);
    if (shader == 0) {
        error = "no shader objects";
        return 0;
    }
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE)
        return shader;
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 1) + 1, '\0');
    glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size() - 1), nullptr, log.data());
    error = std::string(stage == GL_VERTEX_SHADER ? "the vertex shader" : "the fragment shader")
        + " does not compile: " + firstLine(log);
    glDeleteShader(shader);
    return 0;
}

} // namespace

const char* Gles2Program::vertexSource()
{
    return vertexText;
}

const char* Gles2Program::fragmentSource()
{
    return fragmentText;
}

std::string Gles2Program::versionLine(bool gles)
{
    return gles ? "#version 100\n" : "#version 120\n";
}

std::string Gles2Program::kindLines(Kind kind)
{
    switch (kind) {
    case picture:
        return "#define PICTURE\n";
    case glyph:
        return "#define GLYPH\n";
    case plain:
        break;
    }
    return "";
}

bool Gles2Program::build(const std::string& vertex, const std::string& fragment, bool gles, Kind kind,
                         std::string& error)
{
    const std::string head = versionLine(gles) + kindLines(kind);
    const unsigned int vertexShader = compile(GL_VERTEX_SHADER, head + vertex, error);
    if (vertexShader == 0)
        return false;
    const unsigned int fragmentShader = compile(GL_FRAGMENT_SHADER, head + fragment, error);
    if (fragmentShader == 0) {
        glDeleteShader(vertexShader);
        return false;
    }
    program_ = glCreateProgram();
    glAttachShader(program_, vertexShader);
    glAttachShader(program_, fragmentShader);
    glBindAttribLocation(program_, positionAttribute, "position");
    glBindAttribLocation(program_, texCoordAttribute, "texCoord");
    glLinkProgram(program_);
    // The program keeps what it was linked from; the shaders go with it.
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    GLint linked = GL_FALSE;
    glGetProgramiv(program_, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        GLint length = 0;
        glGetProgramiv(program_, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 1) + 1, '\0');
        glGetProgramInfoLog(program_, static_cast<GLsizei>(log.size() - 1), nullptr, log.data());
        error = "the shader program does not link: " + firstLine(log);
        glDeleteProgram(program_);
        program_ = 0;
        return false;
    }
    glUseProgram(program_);
    // The plain kind has no sampler: a location of -1 sets nothing.
    glUniform1i(glGetUniformLocation(program_, "picture"), 0);
    colour_ = glGetUniformLocation(program_, "tint");
    // Nothing is left current: when another kind's program fails, the
    // fixed-function pipeline that draws instead must not run this one.
    glUseProgram(0);
    return true;
}

Gles2Program::~Gles2Program()
{
    if (program_ != 0)
        glDeleteProgram(program_);
}
