#pragma once

#include <cstdint>
#include <string>

// What the game holds at one moment, counted from outside the game's code:
// the texture names, display lists and buffers alive on the renderer's
// context (asked of the context itself, render/GlResources.h; the null
// renderer counts its own names),
// the process's resident size, and the C heap as the allocator sees it; and
// how many of those names are pictures the game keeps with no screen holding
// them (render/PictureCache.h).
struct ResourceCensus {
    int textures = 0;          // live texture names
    int keptPictures = 0;      // of them, pictures the game keeps for later screens and nobody holds
    int displayLists = 0;      // live display lists (gl1's glyphs)
    int buffers = 0;           // live vertex and index buffers (gles2's)
    int standingBuffers = 0;   // of them, the renderer's own for its whole life
    std::uint64_t residentBytes = 0;
    std::uint64_t heapInUse = 0;     // allocated and not freed (small blocks and mapped ones)
    std::uint64_t heapRetained = 0;  // freed but kept by the allocator
    std::uint64_t heapMapped = 0;    // held in blocks of their own mapping

    // Counts everything the renderer installed holds.
    static ResourceCensus take();

    // Texture names some screen holds: the live ones but the kept pictures,
    // which are as many as the distinct pictures shown so far and no more.
    int heldTextures() const { return textures - keptPictures; }

    // One line: textures, lists and the sizes in MB.
    std::string describe() const;
};

// Hands freed heap memory back to the system, so the resident size measures
// what is in use rather than what the allocator kept.
void returnFreedHeap();
