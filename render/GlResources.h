#pragma once

// Counts of the names alive on the current OpenGL context, asked of the
// context itself name by name: whether it hands out names above every name
// in use or reuses the lowest free ones, every live name lies below twice
// the name it would give next (and below 65536), so each one is counted
// without any bookkeeping of the game's. For the soak and the tests.
namespace glresources {

int liveTextures();
int liveDisplayLists();
int liveBuffers();

} // namespace glresources
