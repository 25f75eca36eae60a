#include "render/GlResources.h"

#include <algorithm>

#include "render/GlApi.h"

namespace {

constexpr unsigned int namesLookedAt = 1u << 16;

template <class Generate, class Alive, class Remove>
int countLive(Generate generate, Alive alive, Remove remove)
{
    const unsigned int probe = generate();
    remove(probe);
    const unsigned int limit = std::max(namesLookedAt, 2 * probe);
    int live = 0;
    for (unsigned int name = 1; name < limit; ++name)
        live += alive(name) ? 1 : 0;
    return live;
}

} // namespace

namespace glresources {

int liveTextures()
{
    return countLive(
        [] {
            GLuint name = 0;
            glGenTextures(1, &name);
            glBindTexture(GL_TEXTURE_2D, name); // a generated name exists once bound
            glBindTexture(GL_TEXTURE_2D, 0);
            return name;
        },
        [](unsigned int name) { return glIsTexture(name) == GL_TRUE; },
        [](unsigned int name) { glDeleteTextures(1, &name); });
}

int liveDisplayLists()
{
    return countLive([] { return glGenLists(1); }, [](unsigned int name) { return glIsList(name) == GL_TRUE; },
                     [](unsigned int name) { glDeleteLists(name, 1); });
}

int liveBuffers()
{
    return countLive(
        [] {
            GLuint name = 0;
            glGenBuffers(1, &name);
            glBindBuffer(GL_ARRAY_BUFFER, name);
            glBindBuffer(GL_ARRAY_BUFFER, 0);
            return name;
        },
        [](unsigned int name) { return glIsBuffer(name) == GL_TRUE; },
        [](unsigned int name) { glDeleteBuffers(1, &name); });
}

} // namespace glresources
