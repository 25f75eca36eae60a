#include "render/RendererChoice.h"

#include <cstdio>

#include "render/Gl1Renderer.h"
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
    if (kind == RendererKind::gles2) {
        std::string error;
        std::unique_ptr<Gles2Renderer> made = Gles2Renderer::create(width, height, options, error);
        if (made != nullptr)
            return made;
        std::fprintf(stderr, "thrask: the gles2 renderer cannot run here (%s); drawing with gl1\n", error.c_str());
    }
    return std::make_unique<Gl1Renderer>(width, height);
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
