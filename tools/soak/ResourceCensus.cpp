#include "tools/soak/ResourceCensus.h"

#include <GL/gl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "render/PictureCache.h"

namespace {

constexpr double megabyte = 1024.0 * 1024.0;

// Every name up to this one is looked at, and at least twice the name
// generated now: whether the context hands out names above every name in use
// or reuses the lowest free ones, each live name lies below that, so every
// one is counted without any help from the game's code.
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

std::uint64_t readResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0;
    std::uint64_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

} // namespace

ResourceCensus ResourceCensus::take()
{
    ResourceCensus census;
    census.textures = countLive(
        [] {
            GLuint name = 0;
            glGenTextures(1, &name);
            glBindTexture(GL_TEXTURE_2D, name); // a generated name exists once bound
            glBindTexture(GL_TEXTURE_2D, 0);
            return name;
        },
        [](unsigned int name) { return glIsTexture(name) == GL_TRUE; },
        [](unsigned int name) { glDeleteTextures(1, &name); });
    census.keptPictures = static_cast<int>(pictureCache.idle());
    census.displayLists = countLive([] { return glGenLists(1); },
                                    [](unsigned int name) { return glIsList(name) == GL_TRUE; },
                                    [](unsigned int name) { glDeleteLists(name, 1); });
    census.residentBytes = readResidentBytes();
    const struct mallinfo2 heap = mallinfo2();
    census.heapInUse = heap.uordblks + heap.hblkhd;
    census.heapRetained = heap.fordblks;
    census.heapMapped = heap.hblkhd;
    return census;
}

std::string ResourceCensus::describe() const
{
    char line[200];
    std::snprintf(line, sizeof line,
                  "textures %d (kept %d)  lists %d  resident %.1f MB  heap in use %.1f MB (mapped %.1f)  heap kept free %.1f MB",
                  textures, keptPictures, displayLists, residentBytes / megabyte, heapInUse / megabyte,
                  heapMapped / megabyte, heapRetained / megabyte);
    return line;
}

void returnFreedHeap()
{
    malloc_trim(0);
}
