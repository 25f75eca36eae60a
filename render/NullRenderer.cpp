#include "render/NullRenderer.h"

#include <cstdio>

NullRenderer::NullRenderer(int surfaceWidth, int surfaceHeight)
    : Renderer(surfaceWidth, surfaceHeight)
{
}

Renderer::Resources NullRenderer::resources()
{
    Resources held;
    held.textures = static_cast<int>(textures_.size());
    return held;
}

void NullRenderer::play(const FrameRecord&, std::size_t, std::size_t)
{
    // Every quad, rectangle and line of text would be one draw.
    counts_.drawCalls += drawingCommandsPlaying();
}

unsigned int NullRenderer::createTexture(const std::vector<PictureLevel>&)
{
    const unsigned int name = nextTexture_++;
    textures_.insert(name);
    return name;
}

void NullRenderer::deleteTexture(unsigned int name)
{
    // A name deleted twice, or never made, is a fault of the caller's
    // bookkeeping; it is said, not hidden.
    if (textures_.erase(name) == 0)
        std::fprintf(stderr, "thrask: texture %u deleted but not alive\n", name);
}

bool NullRenderer::textureExists(unsigned int name)
{
    return textures_.count(name) != 0;
}

void NullRenderer::readBack(int, int, int, int, unsigned char*)
{
}
