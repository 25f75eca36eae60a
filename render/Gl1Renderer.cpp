#include "render/Gl1Renderer.h"

#include <algorithm>
#include <cstdio>

#include "render/GlApi.h"
#include "render/GlResources.h"

namespace {

constexpr int glyphCount = 128;
constexpr GLfloat alphaThreshold = 0.0001f;

void quadCorners(float left, float bottom, float right, float top)
{
    glVertex2f(left, bottom);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
}

void setColour(std::uint32_t colour)
{
    glColor4ub(static_cast<GLubyte>(colour & 0xFF), static_cast<GLubyte>((colour >> 8) & 0xFF),
               static_cast<GLubyte>((colour >> 16) & 0xFF), static_cast<GLubyte>(colour >> 24));
}

} // namespace

Gl1Renderer::Gl1Renderer(int surfaceWidth, int surfaceHeight)
    : Renderer(surfaceWidth, surfaceHeight)
{
    glEnable(GL_DEPTH_TEST);
}

Gl1Renderer::~Gl1Renderer()
{
    for (const auto& [key, base] : lists_)
        glDeleteLists(base, glyphCount);
}

int Gl1Renderer::maxTextureSide() const
{
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    return limit > 0 ? static_cast<int>(limit) : 0;
}

int Gl1Renderer::maxViewportSide() const
{
    GLint largest[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    return std::min(largest[0], largest[1]) > 0 ? static_cast<int>(std::min(largest[0], largest[1])) : 0;
}

Renderer::Resources Gl1Renderer::resources()
{
    flush();
    Resources held;
    held.textures = glresources::liveTextures();
    held.displayLists = glresources::liveDisplayLists();
    held.buffers = glresources::liveBuffers();
    return held;
}

void Gl1Renderer::applyState(const DrawState& state)
{
    glViewport(state.viewport[0], state.viewport[1], state.viewport[2], state.viewport[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (state.viewSet != 0)
        glOrtho(state.projection[0], state.projection[1], state.projection[2], state.projection[3],
                state.projection[4], state.projection[5]);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (state.viewSet != 0)
        glTranslatef(-state.eye[0], -state.eye[1], -state.eye[2]);
    if (state.lighting != 0)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    const GLfloat ambient[4] = {state.ambient, state.ambient, state.ambient, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    const GLfloat material[4] = {state.material, state.material, state.material, 1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT, material);
    if (state.alphaTest != 0) {
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, alphaThreshold);
    } else {
        glDisable(GL_ALPHA_TEST);
    }
    current_ = state;
}

void Gl1Renderer::play(const FrameRecord& record, std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i < last; ++i) {
        const RenderCommand& command = record.commands[i];
        switch (command.kind) {
        case RenderCommand::State:
            applyState(record.states[command.index]);
            break;
        case RenderCommand::Clear:
            clear(record.clears[command.index]);
            break;
        case RenderCommand::Quad:
            drawQuad(record.quads[command.index]);
            break;
        case RenderCommand::Rect:
            drawRect(record.rects[command.index]);
            break;
        case RenderCommand::Text:
            drawText(record, record.texts[command.index]);
            break;
        }
    }
}

void Gl1Renderer::clear(const ClearCommand& command)
{
    glClearColor(command.colour[0], command.colour[1], command.colour[2], command.colour[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void Gl1Renderer::drawQuad(const QuadCommand& quad)
{
    if (quad.texture == 0) {
        // A quad without a picture is a plain one of its colour: texturing
        // goes off, so whatever texture was bound last never shows through.
        glDisable(GL_TEXTURE_2D);
    } else {
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, alphaThreshold);
        glBindTexture(GL_TEXTURE_2D, quad.texture);
        // Only t is clamped: s keeps its default repeat, which is what lets
        // u1 = -1 show the picture mirrored and the fire picture scroll.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        current_.alphaTest = 1;
    }
    glPushMatrix();
    glTranslatef(quad.x, quad.y, -quad.depth);
    glScalef(quad.width, quad.height, 1.0f);
    glRotatef(quad.rotation, 0.0f, 0.0f, 1.0f);
    setColour(quad.colour);
    glBegin(GL_QUADS);
    glTexCoord2f(quad.u0, quad.v1);
    glVertex3f(-0.5f, -0.5f, 0.0f);
    glTexCoord2f(quad.u0, quad.v0);
    glVertex3f(-0.5f, 0.5f, 0.0f);
    glTexCoord2f(quad.u1, quad.v0);
    glVertex3f(0.5f, 0.5f, 0.0f);
    glTexCoord2f(quad.u1, quad.v1);
    glVertex3f(0.5f, -0.5f, 0.0f);
    glEnd();
    glPopMatrix();
    ++counts_.drawCalls;
}

void Gl1Renderer::drawRect(const RectCommand& rect)
{
    const bool lit = current_.lighting != 0;
    if (lit)
        glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -rect.depth);
    if (rect.blended != 0) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    setColour(rect.colour);
    glBegin(GL_QUADS);
    quadCorners(rect.left, rect.bottom, rect.right, rect.top);
    glEnd();
    if (rect.blended != 0)
        glDisable(GL_BLEND);
    glPopMatrix();
    if (lit)
        glEnable(GL_LIGHTING);
    ++counts_.drawCalls;
}

void Gl1Renderer::drawText(const FrameRecord& record, const TextCommand& text)
{
    const unsigned int base = lists(text.glyphSet, text.rims != 0);
    if (base == 0)
        return;
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -text.depth);
    glDisable(GL_TEXTURE_2D);
    glListBase(base);
    setColour(text.colour);
    glRasterPos2f(text.x, text.y);
    glCallLists(static_cast<GLsizei>(text.textLength), GL_UNSIGNED_BYTE, record.textBytes.data() + text.textStart);
    glPopMatrix();
    ++counts_.drawCalls;
}

unsigned int Gl1Renderer::lists(unsigned int glyphSet, bool rims)
{
    const auto key = std::make_pair(glyphSet, rims);
    const auto built = lists_.find(key);
    if (built != lists_.end())
        return built->second;
    const GlyphSet* set = Renderer::glyphSet(glyphSet);
    if (set == nullptr)
        return 0;
    const unsigned int base = glGenLists(glyphCount);
    if (base == 0) {
        std::fprintf(stderr, "thrask: no display lists for the text's glyphs; the text is not shown\n");
        return 0;
    }
    const GlyphBitmaps glyphs = rims ? rimBitmaps(set->description, set->rimWidth) : set->letters;
    // glBitmap copies its bitmap into the list when the list is compiled,
    // under the unpack state of that moment.
    GLint oldAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &oldAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int code = 0; code < glyphCount; ++code) {
        glNewList(base + static_cast<unsigned int>(code), GL_COMPILE);
        if (static_cast<std::size_t>(code) < glyphs.size() && glyphs[static_cast<std::size_t>(code)].drawn) {
            const GlyphBitmap& glyph = glyphs[static_cast<std::size_t>(code)];
            glBitmap(glyph.width, glyph.rows, glyph.originX, glyph.originY, glyph.advance, 0.0f,
                     glyph.bits.empty() ? nullptr : glyph.bits.data());
        }
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, oldAlignment);
    lists_.emplace(key, base);
    return base;
}

void Gl1Renderer::forgetGlyphSet(unsigned int glyphSet)
{
    for (const bool rims : {false, true}) {
        const auto built = lists_.find(std::make_pair(glyphSet, rims));
        if (built == lists_.end())
            continue;
        glDeleteLists(built->second, glyphCount);
        lists_.erase(built);
    }
}

unsigned int Gl1Renderer::createTexture(const std::vector<PictureLevel>& levels)
{
    const int limit = maxTextureSide();
    if (limit > 0 && (levels.front().width > limit || levels.front().height > limit)) {
        std::fprintf(stderr, "thrask: a %d x %d picture is larger than the %d x %d textures of this driver\n",
                     levels.front().width, levels.front().height, limit, limit);
        return 0;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    for (std::size_t level = 0; level < levels.size(); ++level)
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), GL_RGBA, levels[level].width, levels[level].height, 0,
                     GL_RGBA, GL_UNSIGNED_BYTE, levels[level].rgba.data());
    return name;
}

void Gl1Renderer::deleteTexture(unsigned int name)
{
    glDeleteTextures(1, &name);
}

bool Gl1Renderer::textureExists(unsigned int name)
{
    return glIsTexture(name) == GL_TRUE;
}

void Gl1Renderer::finishDrawing()
{
    glFinish();
}

bool Gl1Renderer::textureTexels(unsigned int name, PictureLevel& level)
{
    if (glIsTexture(name) != GL_TRUE)
        return false;
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    level.width = width;
    level.height = height;
    level.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, level.rgba.data());
    return true;
}

void Gl1Renderer::readBack(int x, int y, int width, int height, unsigned char* rgba)
{
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}
