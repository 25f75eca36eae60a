#pragma once

#include <cstdint>
#include <string>

// What the game holds at one moment, counted from outside the game's code:
// the OpenGL texture names and display lists alive on the current context,
// the process's resident size, and the C heap as the allocator sees it.
struct ResourceCensus {
    int textures = 0;          // live texture names
    int displayLists = 0;      // live display lists (the fonts' glyphs)
    std::uint64_t residentBytes = 0;
    std::uint64_t heapInUse = 0;     // allocated and not freed (small blocks and mapped ones)
    std::uint64_t heapRetained = 0;  // freed but kept by the allocator
    std::uint64_t heapMapped = 0;    // held in blocks of their own mapping

    // Counts everything on the current OpenGL context.
    static ResourceCensus take();

    // One line: textures, lists and the sizes in MB.
    std::string describe() const;
};

// Hands freed heap memory back to the system, so the resident size measures
// what is in use rather than what the allocator kept.
void returnFreedHeap();
