#pragma once

#include <memory>
#include <string>

#include "render/Gles2Renderer.h"
#include "render/Renderer.h"

// The backends a program may ask for by name.
enum class RendererKind { gl1, gles2, null };

// Reads "gl1", "gles2" or "null"; false for any other word.
bool parseRendererKind(const std::string& word, RendererKind& kind);
const char* rendererKindName(RendererKind kind);

// Makes the backend asked for on the current context (the null one needs
// none). A gles2 that cannot be made here (no GL 2.1 or GLES 2, no vertex
// buffers, a program that does not compile or link) is said in one line on
// standard error, and gl1 draws instead. The browser build has no gl1: both
// GL kinds give gles2 there, and a gles2 that cannot be made is said the same
// way and the null renderer draws nothing instead. The surface is width x
// height pixels.
std::unique_ptr<Renderer> makeRenderer(RendererKind kind, int width, int height,
                                       const Gles2Renderer::Options& options = {});

// Installs a renderer as renderer() for its own life and puts back the one
// installed before when it goes.
class RendererInstall {
public:
    explicit RendererInstall(Renderer* renderer);
    ~RendererInstall();
    RendererInstall(const RendererInstall&) = delete;
    RendererInstall& operator=(const RendererInstall&) = delete;

private:
    Renderer* previous_;
};
