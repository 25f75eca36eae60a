#include "platform/headless/HeadlessContext.h"

#include <GL/osmesa.h>

#include "platform/PictureDecoder.h"

HeadlessContext::HeadlessContext(int width, int height)
    : width_(width), height_(height),
      buffer_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
{
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (context == nullptr)
        return;
    if (!OSMesaMakeCurrent(context, buffer_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return;
    }
    context_ = context;
    initPictureDecoder();
    glViewport(0, 0, width, height);
    glEnable(GL_DEPTH_TEST);
    clear();
}

HeadlessContext::~HeadlessContext()
{
    if (context_ != nullptr)
        OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}

void HeadlessContext::clear()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

Colour HeadlessContext::pixel(int x, int y) const
{
    glFinish();
    Colour c{0, 0, 0, 0};
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return c;
    // OSMesa stores the bottom row first, as glReadPixels would.
    const unsigned char* p = buffer_.data() + (static_cast<std::size_t>(y) * width_ + x) * 4;
    c.r = p[0];
    c.g = p[1];
    c.b = p[2];
    c.a = p[3];
    return c;
}

Colour HeadlessContext::pixelAtView(float viewX, float viewY) const
{
    const int px = static_cast<int>((viewX + 100.0f) / 200.0f * width_);
    const int py = static_cast<int>((viewY + 100.0f) / 200.0f * height_);
    return pixel(px, py);
}
