#include "platform/headless/HeadlessContext.h"

#ifndef __EMSCRIPTEN__
#include <GL/osmesa.h>
#endif

#include "platform/PictureDecoder.h"

#ifdef __EMSCRIPTEN__
// wasm32 has no off-screen Mesa: the tools run there only on the null
// renderer, which needs no context, and a context asked for is never valid.
HeadlessContext::HeadlessContext(int width, int height) : width_(width), height_(height) {}

HeadlessContext::~HeadlessContext() = default;
#else

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
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

HeadlessContext::~HeadlessContext()
{
    if (context_ != nullptr)
        OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}
#endif
