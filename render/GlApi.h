#pragma once

// The OpenGL entry points the backends call, and the only place in the game
// that includes OpenGL's headers. The desktop's libGL and Mesa's off-screen
// library both export every entry point of GL 2.1, so they are declared and
// called directly; a build for GLES 2 or WebGL includes its own headers here.
#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/gl.h>
#include <GL/glext.h>
