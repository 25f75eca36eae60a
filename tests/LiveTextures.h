#pragma once

#include <GL/gl.h>

// The texture names alive in the current OpenGL context, counted through
// OpenGL itself (Mesa hands out small names counting up from 1).
inline int liveTextureNames()
{
    constexpr GLuint namesLookedAt = 4096;
    int live = 0;
    for (GLuint name = 1; name < namesLookedAt; ++name)
        if (glIsTexture(name))
            ++live;
    return live;
}
