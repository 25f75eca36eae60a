#pragma once

#include "render/Renderer.h"

// The texture names alive on the renderer installed, counted by asking its
// context (render/GlResources.h) or, for the null renderer, its own table.
inline int liveTextureNames()
{
    return renderer().resources().textures;
}
