#include "render/offscreen/OffscreenRenderer.h"

#include "platform/PictureDecoder.h"
#include "platform/headless/HeadlessContext.h"

namespace {

constexpr float viewSide = 200.0f;

} // namespace

OffscreenRenderer::OffscreenRenderer(RendererKind kind, int width, int height, const Gles2Renderer::Options& options)
    : width_(width), height_(height)
{
    if (kind != RendererKind::null) {
        context_ = std::make_unique<HeadlessContext>(width, height);
        if (!context_->valid())
            return;
    }
    initPictureDecoder();
    renderer_ = makeRenderer(kind, width, height, options);
    install_ = std::make_unique<RendererInstall>(renderer_.get());
}

OffscreenRenderer::~OffscreenRenderer()
{
    // The renderer goes while its context is still current.
    install_.reset();
    renderer_.reset();
    context_.reset();
}

void OffscreenRenderer::clear()
{
    if (renderer_ == nullptr)
        return;
    renderer_->clear();
    renderer_->flush();
}

Colour OffscreenRenderer::pixel(int x, int y)
{
    if (renderer_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_)
        return Colour{0, 0, 0, 0};
    renderer_->flush();
    if (!pixelsRead_ || pixelsAt_ != renderer_->changes()) {
        pixels_ = renderer_->readPixels(0, 0, width_, height_);
        pixelsAt_ = renderer_->changes();
        pixelsRead_ = true;
    }
    const unsigned char* p = pixels_.data() + (static_cast<std::size_t>(y) * width_ + x) * 4;
    return Colour{p[0], p[1], p[2], p[3]};
}

Colour OffscreenRenderer::pixelAtView(float viewX, float viewY)
{
    const int px = static_cast<int>((viewX + viewSide / 2) / viewSide * static_cast<float>(width_));
    const int py = static_cast<int>((viewY + viewSide / 2) / viewSide * static_cast<float>(height_));
    return pixel(px, py);
}
