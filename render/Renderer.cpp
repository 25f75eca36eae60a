#include "render/Renderer.h"

#include <algorithm>
#include <cstring>

#include "render/NullRenderer.h"

namespace {

Renderer* installed = nullptr;
std::uint64_t renderersMade = 0;

bool sameState(const DrawState& a, const DrawState& b)
{
    return std::memcmp(&a, &b, sizeof(DrawState)) == 0;
}

} // namespace

Renderer& renderer()
{
    if (installed != nullptr)
        return *installed;
    // Drawing with no renderer installed (rules tests, tools that never
    // look at a picture) goes nowhere.
    static NullRenderer nowhere(0, 0);
    return nowhere;
}

void useRenderer(Renderer* renderer)
{
    installed = renderer;
}

Renderer* installedRenderer()
{
    return installed;
}

Renderer::Renderer(int surfaceWidth, int surfaceHeight)
    : serial_(++renderersMade)
{
    state_.surface[0] = surfaceWidth;
    state_.surface[1] = surfaceHeight;
    state_.viewport[2] = surfaceWidth;
    state_.viewport[3] = surfaceHeight;
}

Renderer::~Renderer()
{
    if (installed == this)
        installed = nullptr;
}

void Renderer::recordState()
{
    if (stateRecorded_ && sameState(recordedState_, state_))
        return;
    record_.state(state_);
    recordedState_ = state_;
    stateRecorded_ = true;
}

void Renderer::startRecord()
{
    record_.clearAll();
    played_ = 0;
    playedQuads_ = playedRects_ = playedTexts_ = 0;
    stateRecorded_ = false;
}

void Renderer::setSurface(int width, int height)
{
    state_.surface[0] = width;
    state_.surface[1] = height;
}

void Renderer::setViewport(int x, int y, int width, int height)
{
    if (width < 0 || height < 0)
        return;
    constexpr int largestViewport = 16384;
    const int largest = maxViewportSide() > 0 ? maxViewportSide() : largestViewport;
    width = std::min(width, largest);
    height = std::min(height, largest);
    state_.viewport[0] = x;
    state_.viewport[1] = y;
    state_.viewport[2] = width;
    state_.viewport[3] = height;
}

Renderer::Viewport Renderer::viewport() const
{
    return {state_.viewport[0], state_.viewport[1], state_.viewport[2], state_.viewport[3]};
}

void Renderer::setClearColour(float red, float green, float blue, float alpha)
{
    state_.clearColour[0] = red;
    state_.clearColour[1] = green;
    state_.clearColour[2] = blue;
    state_.clearColour[3] = alpha;
}

void Renderer::setView(float left, float right, float bottom, float top, float nearPlane, float farPlane,
                       float eyeX, float eyeY, float eyeZ)
{
    state_.viewSet = 1;
    const float projection[6] = {left, right, bottom, top, nearPlane, farPlane};
    std::memcpy(state_.projection, projection, sizeof projection);
    state_.eye[0] = eyeX;
    state_.eye[1] = eyeY;
    state_.eye[2] = eyeZ;
}

void Renderer::setLighting(bool lit)
{
    state_.lighting = lit ? 1 : 0;
}

void Renderer::setAmbient(float level)
{
    state_.ambient = level;
}

void Renderer::setMaterial(float level)
{
    state_.material = level;
}

void Renderer::beginFrame()
{
    // Drawing done outside any frame (a tool's, a test's) is played first.
    flush();
    startRecord();
    inFrame_ = true;
    playedInFrame_ = false;
    clear();
}

bool Renderer::endFrame()
{
    if (!inFrame_)
        return false;
    inFrame_ = false;
    if (!framesPlayed_ && !playedInFrame_) {
        ++counts_.framesSkipped;
        shownValid_ = false;
        startRecord();
        playPending();
        return false;
    }
    if (!playedInFrame_ && shownValid_ && record_ == shown_) {
        ++counts_.framesSkipped;
        startRecord();
        playPending();
        return false;
    }
    playPending();
    std::swap(shown_, record_);
    shownValid_ = true;
    startRecord();
    ++counts_.framesDrawn;
    return true;
}

void Renderer::forgetShownFrame()
{
    shownValid_ = false;
}

void Renderer::clear()
{
    ClearCommand command;
    std::memcpy(command.colour, state_.clearColour, sizeof command.colour);
    record_.clear(command);
    ++changes_;
}

void Renderer::flush()
{
    const bool drew = played_ < record_.commands.size();
    playPending();
    if (!drew)
        return;
    if (inFrame_) {
        playedInFrame_ = true;
    } else {
        // What is on the surface now is no frame's picture.
        shownValid_ = false;
        startRecord();
    }
}

void Renderer::playPending()
{
    const std::size_t last = record_.commands.size();
    if (played_ < last) {
        // Commands are recorded in order, so those not yet played are the
        // last of each list.
        const std::size_t quads = record_.quads.size() - playedQuads_;
        const std::size_t rects = record_.rects.size() - playedRects_;
        const std::size_t texts = record_.texts.size() - playedTexts_;
        counts_.quads += static_cast<long long>(quads);
        counts_.rects += static_cast<long long>(rects);
        counts_.texts += static_cast<long long>(texts);
        playing_ = static_cast<long long>(quads + rects + texts);
        play(record_, played_, last);
        played_ = last;
        playedQuads_ = record_.quads.size();
        playedRects_ = record_.rects.size();
        playedTexts_ = record_.texts.size();
    }
    // Names released while recorded drawing might still have used them go
    // only now. A frame that still named one would not show what the frame
    // shown did, so the next frame is played whatever it holds.
    if (!releasedTextures_.empty())
        shownValid_ = false;
    if (!releasedTextures_.empty())
        ++changes_;
    for (const unsigned int name : releasedTextures_) {
        deleteTexture(name);
        ++counts_.texturesDeleted;
    }
    releasedTextures_.clear();
    for (const unsigned int id : releasedGlyphSets_) {
        forgetGlyphSet(id);
        glyphSets_.erase(id);
    }
    releasedGlyphSets_.clear();
}

void Renderer::playWhenLong()
{
    // Drawing outside any frame is played once it grows long, so a caller
    // that never reads pixels back (a tool, a fuzz run) does not make the
    // record grow without end.
    constexpr std::size_t longRecord = 1u << 20;
    if (!inFrame_ && record_.commands.size() - played_ >= longRecord)
        flush();
}

void Renderer::drawQuad(const QuadCommand& quad)
{
    playWhenLong();
    recordState();
    record_.quad(quad);
    ++changes_;
    // Drawing a picture switches the alpha test on for good, as binding one
    // does in the fixed-function pipeline.
    if (quad.texture != 0)
        state_.alphaTest = 1;
}

void Renderer::drawRect(const RectCommand& rect)
{
    playWhenLong();
    recordState();
    record_.rect(rect);
    ++changes_;
}

void Renderer::drawText(unsigned int glyphSet, bool rims, float x, float y, float depth, Colour colour,
                        const std::string& text)
{
    playWhenLong();
    TextCommand command;
    command.x = x;
    command.y = y;
    command.depth = depth;
    command.colour = packColour(colour.r, colour.g, colour.b, colour.a);
    command.glyphSet = glyphSet;
    command.rims = rims ? 1 : 0;
    recordState();
    record_.text(command, text);
    ++changes_;
}

unsigned int Renderer::uploadTexture(const std::vector<PictureLevel>& levels)
{
    if (levels.empty())
        return 0;
    const unsigned int name = createTexture(levels);
    if (name != 0) {
        ++counts_.texturesMade;
        ++changes_;
        // A new picture may carry a name the picture shown had.
        shownValid_ = false;
    }
    return name;
}

void Renderer::releaseTexture(unsigned int name)
{
    if (name == 0)
        return;
    releasedTextures_.push_back(name);
    if (played_ == record_.commands.size() && !inFrame_)
        playPending();
}

bool Renderer::textureAlive(unsigned int name)
{
    flush();
    return name != 0 && textureExists(name);
}

unsigned int Renderer::acquireGlyphs(const FontDescription& description, int pixelHeight, int rimWidth,
                                     GlyphMetrics& metrics)
{
    const std::string key = description.faceName + "|" + std::to_string(description.weight) + "|"
        + std::to_string(description.width) + "|" + std::to_string(pixelHeight) + "|" + std::to_string(rimWidth);
    const auto known = glyphSetsByKey_.find(key);
    if (known != glyphSetsByKey_.end()) {
        GlyphSet& set = glyphSets_[known->second];
        ++set.holders;
        metrics = measureGlyphs(set.letters);
        return known->second;
    }
    GlyphSet set;
    set.key = key;
    set.description = description;
    set.description.height = -pixelHeight;
    set.rimWidth = rimWidth;
    set.letters = glyphBitmaps(set.description);
    set.holders = 1;
    metrics = measureGlyphs(set.letters);
    const unsigned int id = nextGlyphSet_++;
    glyphSets_.emplace(id, std::move(set));
    glyphSetsByKey_.emplace(key, id);
    return id;
}

void Renderer::releaseGlyphs(unsigned int glyphSet)
{
    const auto found = glyphSets_.find(glyphSet);
    if (found == glyphSets_.end() || found->second.holders <= 0)
        return;
    if (--found->second.holders > 0)
        return;
    glyphSetsByKey_.erase(found->second.key);
    releasedGlyphSets_.push_back(glyphSet);
    if (played_ == record_.commands.size() && !inFrame_)
        playPending();
}

const Renderer::GlyphSet* Renderer::glyphSet(unsigned int id) const
{
    const auto found = glyphSets_.find(id);
    return found == glyphSets_.end() ? nullptr : &found->second;
}

std::vector<unsigned char> Renderer::readPixels(int x, int y, int width, int height)
{
    std::vector<unsigned char> rgba;
    if (width <= 0 || height <= 0)
        return rgba;
    flush();
    rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    readBack(x, y, width, height, rgba.data());
    return rgba;
}

void Renderer::finish()
{
    flush();
    finishDrawing();
}

bool Renderer::readTexture(unsigned int name, PictureLevel& level)
{
    flush();
    return name != 0 && textureTexels(name, level);
}

Colour Renderer::pixel(int x, int y)
{
    Colour c{0, 0, 0, 0};
    if (x < 0 || y < 0 || x >= state_.surface[0] || y >= state_.surface[1])
        return c;
    const std::vector<unsigned char> rgba = readPixels(x, y, 1, 1);
    c.r = rgba[0];
    c.g = rgba[1];
    c.b = rgba[2];
    c.a = rgba[3];
    return c;
}
