#include "tools/soak/ResourceCensus.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "render/PictureCache.h"
#include "render/Renderer.h"

namespace {

constexpr double megabyte = 1024.0 * 1024.0;

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
    const Renderer::Resources held = renderer().resources();
    census.textures = held.textures;
    census.keptPictures = static_cast<int>(pictureCache.idle());
    census.displayLists = held.displayLists;
    census.buffers = held.buffers;
    census.standingBuffers = held.standingBuffers;
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
                  "textures %d (kept %d)  lists %d  buffers %d  resident %.1f MB  heap in use %.1f MB (mapped %.1f)  heap kept free %.1f MB",
                  textures, keptPictures, displayLists, buffers, residentBytes / megabyte, heapInUse / megabyte,
                  heapMapped / megabyte, heapRetained / megabyte);
    return line;
}

void returnFreedHeap()
{
    malloc_trim(0);
}
