#include "render/RendererChoice.h"

#include <cstdio>

#ifndef __EMSCRIPTEN__
#include "render/Gl1Renderer.h"
#endif
#include "render/NullRenderer.h"

bool parseRendererKind(const std::string& word, RendererKind& kind)
{
    for (const RendererKind candidate : {RendererKind::gl1, RendererKind::gles2, RendererKind::null}) {
        if (word == rendererKindName(candidate)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

const char* rendererKindName(RendererKind kind)
{
    switch (kind) {
    case RendererKind::gl1:
        return "gl1";
    case RendererKind::gles2:
        return "gles2";
    case RendererKind::null:
        return "null";
    }
    return "gl1";
}

std::unique_ptr<Renderer> makeRenderer(RendererKind kind, int width, int height,
                                       const Gles2Renderer::Options& options)
{
    if (kind == RendererKind::null)
        return std::make_unique<NullRenderer>(width, height);
#ifdef __EMSCRIPTEN__
    // WebGL has no fixed-function pipeline: the shader backend draws for
    // either GL backend, and where it cannot run nothing is drawn at all.
    const bool shader = true;
    const char* const otherwise = "drawing nothing";
#else
    const bool shader = kind == RendererKind::gles2;
    const char* const otherwise = "drawing with gl1";
#endif
    if (shader) {
        std::string error;
        std::unique_ptr<Gles2Renderer> made = Gles2Renderer::create(width, height, options, error);
        if (made != nullptr)
            return made;
        std::fprintf(stderr, "thrask: the gles2 renderer cannot run here (%s); %s\n", error.c_str(), otherwise);
    }
#ifdef __EMSCRIPTEN__
    return std::make_unique<NullRenderer>(width, height);
#else
    return std::make_unique<Gl1Renderer>(width, height);
#endif
}

RendererInstall::RendererInstall(Renderer* renderer)
    : previous_(installedRenderer())
{
    useRenderer(renderer);
}

RendererInstall::~RendererInstall()
{
    useRenderer(previous_);
}
