#include "render/Gles2Renderer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "render/GlApi.h"
#include "render/GlResources.h"
#include "render/PictureLevels.h"

namespace {

// Quads one draw call may hold with 16-bit indices.
constexpr std::size_t quadsPerDraw = 16384;
constexpr std::size_t verticesPerQuad = 4;
constexpr std::size_t indicesPerQuad = 6;
// The glyph pages' largest side, whatever larger textures the driver allows.
constexpr int largestGlyphPage = 2048;
// The nudge a bitmap's place gets before it is rounded down to a pixel, as
// the fixed-function pipeline places bitmaps.
constexpr float bitmapEpsilon = 0.0001f;
constexpr int glyphCount = 128;
// The buffers the backend holds for its whole life: vertices and indices.
constexpr int ownBuffers = 2;
// Pictures this large or smaller (without their border) go on shared pages
// of this side, or the driver's largest texture side when that is smaller.
constexpr int sharedPictureSide = 256;
constexpr int pictureBorder = 1;
constexpr int largestPicturePage = 2048;
// What the alpha test lets through: alpha above this.
constexpr float alphaTestFloor = 0.0001f;

// Linear filtering, clamped at the edges: the border does the wrapping.
void setPictureSampling()
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// The version of the current context: true when it is GL 2.1 or later, or
// GLES 2 or later; gles says which.
bool shadersAvailable(bool& gles)
{
    const auto* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (text == nullptr)
        return false;
    std::string version(text);
    const std::string esPrefix = "OpenGL ES ";
    gles = version.rfind(esPrefix, 0) == 0;
    if (gles)
        version = version.substr(esPrefix.size());
    int major = 0;
    int minor = 0;
    if (std::sscanf(version.c_str(), "%d.%d", &major, &minor) < 1)
        return false;
    return gles ? major >= 2 : (major > 2 || (major == 2 && minor >= 1));
}

// Sorts the first count values of a short list in place.
void sortSmall(float* values, int count)
{
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && values[j] < values[j - 1]; --j)
            std::swap(values[j], values[j - 1]);
}

} // namespace

bool Gles2Renderer::BatchState::operator==(const BatchState& other) const
{
    return kind == other.kind && texture == other.texture && blended == other.blended
        && alphaTest == other.alphaTest && std::memcmp(colour, other.colour, sizeof colour) == 0
        && std::memcmp(viewport, other.viewport, sizeof viewport) == 0;
}

Gles2Renderer::Gles2Renderer(int surfaceWidth, int surfaceHeight)
    : Renderer(surfaceWidth, surfaceHeight)
{
}

std::unique_ptr<Gles2Renderer> Gles2Renderer::create(int surfaceWidth, int surfaceHeight, const Options& options,
                                                     std::string& error)
{
    bool gles = false;
    if (!shadersAvailable(gles)) {
        error = "the OpenGL context has no GL 2.1 or GLES 2 shaders";
        return nullptr;
    }
    std::unique_ptr<Gles2Renderer> made(new Gles2Renderer(surfaceWidth, surfaceHeight));
    if (options.vertexBuffers) {
        glGenBuffers(1, &made->vertexBuffer_);
        glGenBuffers(1, &made->indexBuffer_);
    }
    if (made->vertexBuffer_ == 0 || made->indexBuffer_ == 0) {
        error = "the OpenGL context has no vertex buffers";
        return nullptr;
    }
    const std::string vertex = options.vertexSource.empty() ? Gles2Program::vertexSource() : options.vertexSource;
    const std::string fragment =
        options.fragmentSource.empty() ? Gles2Program::fragmentSource() : options.fragmentSource;
    for (int kind = 0; kind < Gles2Program::kindCount; ++kind)
        if (!made->programs_[kind].build(vertex, fragment, gles, static_cast<Gles2Program::Kind>(kind), error))
            return nullptr;

    // Every quad is two triangles of its four vertices, the same indices for
    // every draw.
    std::vector<GLushort> indices(quadsPerDraw * indicesPerQuad);
    for (std::size_t quad = 0; quad < quadsPerDraw; ++quad) {
        const auto base = static_cast<GLushort>(quad * verticesPerQuad);
        const GLushort corners[indicesPerQuad] = {base, static_cast<GLushort>(base + 1), static_cast<GLushort>(base + 2),
                                                  base, static_cast<GLushort>(base + 2), static_cast<GLushort>(base + 3)};
        std::copy(corners, corners + indicesPerQuad, indices.begin() + static_cast<std::ptrdiff_t>(quad * indicesPerQuad));
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, made->indexBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLushort)), indices.data(),
                 GL_STATIC_DRAW);
    glEnable(GL_DEPTH_TEST);
    return made;
}

Gles2Renderer::~Gles2Renderer()
{
    for (const unsigned int page : pageTextures_)
        if (page != 0)
            glDeleteTextures(1, &page);
    for (auto& [key, glyphs] : glyphs_)
        glDeleteTextures(static_cast<GLsizei>(glyphs.pages.size()), glyphs.pages.data());
    if (vertexBuffer_ != 0)
        glDeleteBuffers(1, &vertexBuffer_);
    if (indexBuffer_ != 0)
        glDeleteBuffers(1, &indexBuffer_);
}

int Gles2Renderer::maxTextureSide() const
{
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    return limit > 0 ? static_cast<int>(limit) : 0;
}

int Gles2Renderer::maxViewportSide() const
{
    GLint largest[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    return std::min(largest[0], largest[1]) > 0 ? static_cast<int>(std::min(largest[0], largest[1])) : 0;
}

Renderer::Resources Gles2Renderer::resources()
{
    flush();
    Resources held;
    held.picturePages = static_cast<int>(std::count_if(pageTextures_.begin(), pageTextures_.end(),
                                                       [](unsigned int page) { return page != 0; }));
    // The pages are the backend's; the names counted are the game's and the text's.
    held.textures = glresources::liveTextures() - held.picturePages;
    held.buffers = glresources::liveBuffers();
    held.standingBuffers = ownBuffers;
    return held;
}

void Gles2Renderer::setState(const DrawState& state)
{
    current_ = state;
    projection_ = TransformMatrix();
    view_ = TransformMatrix();
    if (state.viewSet != 0) {
        projection_.ortho(state.projection[0], state.projection[1], state.projection[2], state.projection[3],
                          state.projection[4], state.projection[5]);
        view_.translate(-state.eye[0], -state.eye[1], -state.eye[2]);
    }
    alphaTest_ = state.alphaTest != 0;
}

void Gles2Renderer::play(const FrameRecord& record, std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i < last; ++i) {
        const RenderCommand& command = record.commands[i];
        switch (command.kind) {
        case RenderCommand::State:
            setState(record.states[command.index]);
            break;
        case RenderCommand::Clear: {
            Step step;
            step.kind = Step::Clear;
            std::memcpy(step.clearColour, record.clears[command.index].colour, sizeof step.clearColour);
            steps_.push_back(step);
            break;
        }
        case RenderCommand::Quad:
            addQuad(record.quads[command.index]);
            break;
        case RenderCommand::Rect:
            addRect(record.rects[command.index]);
            break;
        case RenderCommand::Text:
            addText(record, record.texts[command.index]);
            break;
        }
    }
    drawSteps();
}

void Gles2Renderer::useBatch(const BatchState& state)
{
    if (!steps_.empty()) {
        const Step& open = steps_.back();
        if (open.kind == Step::Batch && open.state == state && open.vertexCount < quadsPerDraw * verticesPerQuad)
            return;
    }
    Step step;
    step.state = state;
    step.firstVertex = vertices_.size();
    steps_.push_back(step);
}

void Gles2Renderer::addCorners(const float clip[4][4], const float uv[4][2])
{
    for (int corner = 0; corner < 4; ++corner)
        vertices_.push_back(Vertex{clip[corner][0], clip[corner][1], clip[corner][2], uv[corner][0], uv[corner][1]});
    steps_.back().vertexCount += verticesPerQuad;
}

void Gles2Renderer::drawnColour(std::uint32_t colour, bool lit, float out[4]) const
{
    if (lit) {
        const float light = std::clamp(current_.ambient * current_.material, 0.0f, 1.0f);
        out[0] = out[1] = out[2] = light;
        out[3] = 1.0f;
        return;
    }
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<float>((colour >> (8 * k)) & 0xFF) / 255.0f;
}

void Gles2Renderer::addPictureCorners(const float clip[4][4], const QuadCommand& quad, const float area[4])
{
    const auto x = [area](float value) { return area[0] + value * area[2]; };
    const auto y = [area](float value) { return area[1] + value * area[3]; };
    // Most quads show one repeat of their picture, t within it: one piece.
    const float low = std::min(quad.u0, quad.u1);
    const float high = std::max(quad.u0, quad.u1);
    const float repeat = std::floor(low);
    if (high <= repeat + 1.0f && quad.v0 >= 0.0f && quad.v0 <= 1.0f && quad.v1 >= 0.0f && quad.v1 <= 1.0f) {
        const float left = x(quad.u0 - repeat);
        const float right = x(quad.u1 - repeat);
        const float uv[4][2] = {{left, y(quad.v1)}, {left, y(quad.v0)}, {right, y(quad.v0)}, {right, y(quad.v1)}};
        addCorners(clip, uv);
        return;
    }
    // Across the quad (a from its left edge to its right) s runs from u0 to
    // u1; up it (b from its lower edge to its upper) t runs from v1 to v0.
    float across[8];
    int acrossCount = 0;
    across[acrossCount++] = 0.0f;
    constexpr int mostRepeats = 6;
    for (float whole = std::floor(low) + 1.0f; whole < high && acrossCount < mostRepeats; whole += 1.0f)
        across[acrossCount++] = (whole - quad.u0) / (quad.u1 - quad.u0);
    across[acrossCount++] = 1.0f;
    sortSmall(across, acrossCount);
    float up[4];
    int upCount = 0;
    up[upCount++] = 0.0f;
    for (const float edge : {0.0f, 1.0f}) {
        const float b = (edge - quad.v1) / (quad.v0 - quad.v1);
        if (quad.v0 != quad.v1 && b > 0.0f && b < 1.0f)
            up[upCount++] = b;
    }
    up[upCount++] = 1.0f;
    sortSmall(up, upCount);

    const auto s = [&quad](float a) { return quad.u0 + a * (quad.u1 - quad.u0); };
    const auto t = [&quad](float b) { return quad.v1 + b * (quad.v0 - quad.v1); };
    // A point of the quad: its corners exactly as transformed, the points
    // between them along its edges.
    const auto at = [&clip](float a, float b, float out[4]) {
        if ((a == 0.0f || a == 1.0f) && (b == 0.0f || b == 1.0f)) {
            const int corner = a == 0.0f ? (b == 0.0f ? 0 : 1) : (b == 0.0f ? 3 : 2);
            std::copy(clip[corner], clip[corner] + 4, out);
            return;
        }
        for (int k = 0; k < 4; ++k)
            out[k] = clip[0][k] + a * (clip[3][k] - clip[0][k]) + b * (clip[1][k] - clip[0][k]);
    };
    for (int i = 0; i + 1 < acrossCount; ++i) {
        if (across[i + 1] <= across[i])
            continue;
        // The repeat this piece shows, and s within it at its two edges.
        const float piece = std::floor(s((across[i] + across[i + 1]) * 0.5f));
        const float left = std::clamp(s(across[i]) - piece, 0.0f, 1.0f);
        const float right = std::clamp(s(across[i + 1]) - piece, 0.0f, 1.0f);
        for (int j = 0; j + 1 < upCount; ++j) {
            if (up[j + 1] <= up[j])
                continue;
            const float lower = std::clamp(t(up[j]), 0.0f, 1.0f);
            const float upper = std::clamp(t(up[j + 1]), 0.0f, 1.0f);
            float corners[4][4];
            at(across[i], up[j], corners[0]);
            at(across[i], up[j + 1], corners[1]);
            at(across[i + 1], up[j + 1], corners[2]);
            at(across[i + 1], up[j], corners[3]);
            const float uv[4][2] = {{x(left), y(lower)}, {x(left), y(upper)}, {x(right), y(upper)},
                                    {x(right), y(lower)}};
            addCorners(corners, uv);
        }
    }
}

void Gles2Renderer::addQuad(const QuadCommand& quad)
{
    BatchState state;
    const float* area = nullptr;
    if (quad.texture != 0) {
        // Drawing a picture switches the alpha test on, as binding one does.
        alphaTest_ = true;
        state.kind = Gles2Program::picture;
        state.texture = quad.texture;
        // Sprites of one picture tend to come in runs: the last one looked
        // up is kept.
        if (quad.texture != lastPictureName_) {
            const auto known = pictures_.find(quad.texture);
            lastPictureName_ = quad.texture;
            lastPicture_ = known != pictures_.end() ? &known->second : nullptr;
        }
        if (lastPicture_ != nullptr) {
            state.texture = lastPicture_->drawn;
            area = lastPicture_->area;
        }
    }
    state.alphaTest = alphaTest_;
    drawnColour(quad.colour, current_.lighting != 0, state.colour);
    std::memcpy(state.viewport, current_.viewport, sizeof state.viewport);
    useBatch(state);

    // The placement the fixed-function pipeline builds for a sprite:
    // view x translation x scale x rotation, then the projection.
    float clip[4][4];
    TransformMatrix::placeQuad(projection_, view_, quad.x, quad.y, quad.depth, quad.width, quad.height,
                               quad.rotation, clip);
    if (area != nullptr) {
        addPictureCorners(clip, quad, area);
        return;
    }
    const float uv[4][2] = {{quad.u0, quad.v1}, {quad.u0, quad.v0}, {quad.u1, quad.v0}, {quad.u1, quad.v1}};
    addCorners(clip, uv);
}

void Gles2Renderer::addRect(const RectCommand& rect)
{
    BatchState state;
    state.blended = rect.blended != 0;
    state.alphaTest = alphaTest_;
    drawnColour(rect.colour, false, state.colour);
    std::memcpy(state.viewport, current_.viewport, sizeof state.viewport);
    useBatch(state);

    TransformMatrix placed = view_;
    placed.translate(0.0f, 0.0f, -rect.depth);
    const TransformMatrix full = TransformMatrix::product(projection_, placed);
    const float corners[4][2] = {{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top},
                                 {rect.right, rect.bottom}};
    float clip[4][4];
    for (int corner = 0; corner < 4; ++corner)
        full.transform(corners[corner][0], corners[corner][1], 0.0f, 1.0f, clip[corner]);
    const float uv[4][2] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};
    addCorners(clip, uv);
}

void Gles2Renderer::addText(const FrameRecord& record, const TextCommand& text)
{
    const Glyphs* found = glyphs(text.glyphSet, text.rims != 0);
    if (found == nullptr)
        return;

    // The raster position, computed as the fixed-function pipeline computes
    // it: eye = view x (0, 0, -depth) translation x (x, y, 0, 1), clip =
    // projection x eye; outside the view volume the whole line is not drawn.
    TransformMatrix placed = view_;
    placed.translate(0.0f, 0.0f, -text.depth);
    float eye[4];
    placed.transform(text.x, text.y, 0.0f, 1.0f, eye);
    float clip[4];
    projection_.transform(eye[0], eye[1], eye[2], eye[3], clip);
    if (clip[2] < -clip[3] || clip[2] > clip[3] || clip[0] > clip[3] || clip[0] < -clip[3] || clip[1] > clip[3]
        || clip[1] < -clip[3])
        return;
    const float d = clip[3] == 0.0f ? 1.0f : 1.0f / clip[3];
    const float halfWidth = 0.5f * static_cast<float>(current_.viewport[2]);
    const float halfHeight = 0.5f * static_cast<float>(current_.viewport[3]);
    float rasterX = clip[0] * d * halfWidth + (halfWidth + static_cast<float>(current_.viewport[0]));
    const float rasterY = clip[1] * d * halfHeight + (halfHeight + static_cast<float>(current_.viewport[1]));
    const float rasterZ = clip[2] * d * 0.5f + 0.5f;
    // A bitmap is drawn as a quad at the raster position's depth, and
    // clipped only by the surface.
    const float depth = rasterZ * 2.0f - 1.0f;
    const float surfaceWidth = static_cast<float>(std::max(1, current_.surface[0]));
    const float surfaceHeight = static_cast<float>(std::max(1, current_.surface[1]));

    BatchState state;
    state.kind = Gles2Program::glyph;
    state.alphaTest = alphaTest_;
    // A bitmap's colour is the raster position's, lit as a vertex is.
    drawnColour(text.colour, current_.lighting != 0, state.colour);
    state.viewport[2] = current_.surface[0];
    state.viewport[3] = current_.surface[1];

    const char* bytes = record.textBytes.data() + text.textStart;
    for (std::uint32_t i = 0; i < text.textLength; ++i) {
        const auto code = static_cast<unsigned char>(bytes[i]);
        if (code >= glyphCount || code >= found->bitmaps.size() || !found->bitmaps[code].drawn)
            continue;
        const GlyphBitmap& glyph = found->bitmaps[code];
        const GlyphAtlas::Place& place = found->atlas->place(code);
        if (place.page >= 0) {
            const int left = static_cast<int>(std::floor(rasterX + bitmapEpsilon - glyph.originX));
            const int bottom = static_cast<int>(std::floor(rasterY + bitmapEpsilon - glyph.originY));
            state.texture = found->pages[static_cast<std::size_t>(place.page)];
            useBatch(state);
            const float side = static_cast<float>(found->atlas->pages()[static_cast<std::size_t>(place.page)].side);
            const float x0 = static_cast<float>(left) / surfaceWidth * 2.0f - 1.0f;
            const float x1 = static_cast<float>(left + glyph.width) / surfaceWidth * 2.0f - 1.0f;
            const float y0 = static_cast<float>(bottom) / surfaceHeight * 2.0f - 1.0f;
            const float y1 = static_cast<float>(bottom + glyph.rows) / surfaceHeight * 2.0f - 1.0f;
            const float corners[4][4] = {{x0, y0, depth, 1}, {x0, y1, depth, 1}, {x1, y1, depth, 1}, {x1, y0, depth, 1}};
            const float u0 = static_cast<float>(place.x) / side;
            const float u1 = static_cast<float>(place.x + glyph.width) / side;
            const float v0 = static_cast<float>(place.y) / side;
            const float v1 = static_cast<float>(place.y + glyph.rows) / side;
            const float uv[4][2] = {{u0, v0}, {u0, v1}, {u1, v1}, {u1, v0}};
            addCorners(corners, uv);
        }
        rasterX += glyph.advance;
    }
}

const Gles2Renderer::Glyphs* Gles2Renderer::glyphs(unsigned int glyphSet, bool rims)
{
    const auto key = std::make_pair(glyphSet, rims);
    const auto built = glyphs_.find(key);
    if (built != glyphs_.end())
        return &built->second;
    const GlyphSet* set = Renderer::glyphSet(glyphSet);
    if (set == nullptr)
        return nullptr;
    Glyphs made;
    made.bitmaps = rims ? rimBitmaps(set->description, set->rimWidth) : set->letters;
    const int limit = maxTextureSide() > 0 ? std::min(maxTextureSide(), largestGlyphPage) : largestGlyphPage;
    made.atlas = std::make_unique<GlyphAtlas>(made.bitmaps, limit);
    if (made.atlas->tooLarge() > 0)
        std::fprintf(stderr, "thrask: %d glyphs of %d-pixel text are larger than the driver's %d-pixel textures; "
                             "they are not shown\n",
                     made.atlas->tooLarge(), -set->description.height, limit);
    GLint oldAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &oldAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (const GlyphAtlas::Page& page : made.atlas->pages()) {
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, page.side, page.side, 0, GL_ALPHA, GL_UNSIGNED_BYTE, page.alpha.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        made.pages.push_back(name);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, oldAlignment);
    appliedKnown_ = false;
    return &glyphs_.emplace(key, std::move(made)).first->second;
}

void Gles2Renderer::forgetGlyphSet(unsigned int glyphSet)
{
    for (const bool rims : {false, true}) {
        const auto built = glyphs_.find(std::make_pair(glyphSet, rims));
        if (built == glyphs_.end())
            continue;
        glDeleteTextures(static_cast<GLsizei>(built->second.pages.size()), built->second.pages.data());
        glyphs_.erase(built);
    }
}

void Gles2Renderer::applyBatch(const BatchState& state)
{
    const bool known = appliedKnown_;
    if (!known || std::memcmp(state.viewport, applied_.viewport, sizeof state.viewport) != 0)
        glViewport(state.viewport[0], state.viewport[1], state.viewport[2], state.viewport[3]);
    if (!known || state.texture != applied_.texture)
        glBindTexture(GL_TEXTURE_2D, state.texture);
    if (!known || state.blended != applied_.blended) {
        if (state.blended) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else {
            glDisable(GL_BLEND);
        }
    }
    const Gles2Program& program = programs_[state.kind];
    const bool programChanged = !known || state.kind != applied_.kind;
    if (programChanged)
        glUseProgram(program.name());
    // The colour is each program's own uniform.
    if (programChanged || std::memcmp(state.colour, applied_.colour, sizeof state.colour) != 0)
        glUniform4f(program.colour(), state.colour[0], state.colour[1], state.colour[2], state.colour[3]);
    applied_ = state;
    appliedKnown_ = true;
}

bool Gles2Renderer::testedAway(const BatchState& state)
{
    return state.alphaTest && (state.kind == Gles2Program::plain || state.kind == Gles2Program::glyph)
        && !(state.colour[3] > alphaTestFloor);
}

void Gles2Renderer::drawSteps()
{
    if (steps_.empty())
        return;
    glEnable(GL_DEPTH_TEST);
    glActiveTexture(GL_TEXTURE0);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    // A new store every frame: the driver need not wait for the frame
    // before to finish with the old one.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(Vertex)),
                 vertices_.empty() ? nullptr : vertices_.data(), GL_STREAM_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    for (const unsigned int attribute : {Gles2Program::positionAttribute, Gles2Program::texCoordAttribute})
        glEnableVertexAttribArray(attribute);
    appliedKnown_ = false;
    // The vertices are read in chunks of as many quads as 16-bit indices
    // reach; a batch is drawn by index offset within its chunk.
    std::size_t chunk = static_cast<std::size_t>(-1);
    const auto useChunk = [&chunk](std::size_t wanted) {
        if (wanted == chunk)
            return;
        chunk = wanted;
        const std::size_t offset = chunk * quadsPerDraw * verticesPerQuad * sizeof(Vertex);
        const auto at = [offset](std::size_t field) {
            return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(offset + field));
        };
        glVertexAttribPointer(Gles2Program::positionAttribute, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                              at(offsetof(Vertex, x)));
        glVertexAttribPointer(Gles2Program::texCoordAttribute, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                              at(offsetof(Vertex, u)));
    };
    for (const Step& step : steps_) {
        if (step.kind == Step::Clear) {
            glClearColor(step.clearColour[0], step.clearColour[1], step.clearColour[2], step.clearColour[3]);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            continue;
        }
        if (step.vertexCount == 0 || testedAway(step.state))
            continue;
        applyBatch(step.state);
        std::size_t quad = step.firstVertex / verticesPerQuad;
        std::size_t left = step.vertexCount / verticesPerQuad;
        while (left > 0) {
            useChunk(quad / quadsPerDraw);
            const std::size_t within = quad % quadsPerDraw;
            const std::size_t count = std::min(left, quadsPerDraw - within);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count * indicesPerQuad), GL_UNSIGNED_SHORT,
                           reinterpret_cast<const void*>(within * indicesPerQuad * sizeof(GLushort)));
            ++counts_.drawCalls;
            quad += count;
            left -= count;
        }
    }
    for (const unsigned int attribute : {Gles2Program::positionAttribute, Gles2Program::texCoordAttribute})
        glDisableVertexAttribArray(attribute);
    // The picture's viewport stands for whatever draws next (a read-back).
    glViewport(current_.viewport[0], current_.viewport[1], current_.viewport[2], current_.viewport[3]);
    vertices_.clear();
    steps_.clear();
}

unsigned int Gles2Renderer::createTexture(const std::vector<PictureLevel>& levels)
{
    const int limit = maxTextureSide();
    const PictureLevel bordered = PictureLevels::withBorder(levels.front());
    if (limit > 0 && (bordered.width > limit || bordered.height > limit)) {
        std::fprintf(stderr, "thrask: a %d x %d picture is larger than the %d x %d textures of this driver\n",
                     levels.front().width, levels.front().height, limit, limit);
        return 0;
    }
    // The picture's own texture: its name is the game's for it.
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, bordered.width, bordered.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 bordered.rgba.data());
    setPictureSampling();
    appliedKnown_ = false;

    Picture picture;
    picture.width = levels.front().width;
    picture.height = levels.front().height;
    picture.drawn = name;
    const auto inside = [&picture](float x, float y, float width, float height, float out[4]) {
        out[0] = (x + pictureBorder) / width;
        out[1] = (y + pictureBorder) / height;
        out[2] = static_cast<float>(picture.width) / width;
        out[3] = static_cast<float>(picture.height) / height;
    };
    inside(0.0f, 0.0f, static_cast<float>(bordered.width), static_cast<float>(bordered.height), picture.area);

    // A small picture is drawn from a shared page.
    if (picture.width <= sharedPictureSide && picture.height <= sharedPictureSide) {
        if (pages_ == nullptr)
            pages_ = std::make_unique<PicturePages>(limit > 0 ? std::min(limit, largestPicturePage) : largestPicturePage);
        bool pageAdded = false;
        const PicturePages::Slot slot = pages_->place(bordered.width, bordered.height, pageAdded);
        if (slot.page >= 0) {
            const auto page = static_cast<std::size_t>(slot.page);
            if (pageTextures_.size() <= page)
                pageTextures_.resize(page + 1, 0);
            if (pageAdded) {
                GLuint made = 0;
                glGenTextures(1, &made);
                glBindTexture(GL_TEXTURE_2D, made);
                glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pages_->side(), pages_->side(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                             nullptr);
                setPictureSampling();
                pageTextures_[page] = made;
            }
            glBindTexture(GL_TEXTURE_2D, pageTextures_[page]);
            glTexSubImage2D(GL_TEXTURE_2D, 0, slot.x, slot.y, bordered.width, bordered.height, GL_RGBA,
                            GL_UNSIGNED_BYTE, bordered.rgba.data());
            picture.slot = slot;
            picture.drawn = pageTextures_[page];
            const auto side = static_cast<float>(pages_->side());
            inside(static_cast<float>(slot.x), static_cast<float>(slot.y), side, side, picture.area);
        }
    }
    pictures_[name] = picture;
    lastPictureName_ = 0;
    return name;
}

void Gles2Renderer::deleteTexture(unsigned int name)
{
    glDeleteTextures(1, &name);
    lastPictureName_ = 0;
    const auto found = pictures_.find(name);
    if (found == pictures_.end())
        return;
    const PicturePages::Slot slot = found->second.slot;
    pictures_.erase(found);
    if (slot.page >= 0 && pages_ != nullptr && pages_->release(slot)) {
        const auto page = static_cast<std::size_t>(slot.page);
        glDeleteTextures(1, &pageTextures_[page]);
        pageTextures_[page] = 0;
    }
}

bool Gles2Renderer::textureExists(unsigned int name)
{
    return glIsTexture(name) == GL_TRUE;
}

void Gles2Renderer::finishDrawing()
{
    glFinish();
}

void Gles2Renderer::readBack(int x, int y, int width, int height, unsigned char* rgba)
{
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}
