#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A picture a screen will load: its file, as the game names it, and the
// colour key it is loaded with.
struct PictureRequest {
    std::string path;
    std::uint32_t colourKey = 0;
};

// Loads pictures before the screens that show them ask for them, a few at a
// time while nothing else happens (a menu at rest), so the first New Game and
// the first change to each background only hand out names the picture cache
// keeps (render/PictureCache.h, while the run keeps its pictures). Each
// picture is loaded and given back at once: the cache keeps it idle until a
// screen loads it. What is shown, and what the game computes, are the same
// with or without it.
class PicturePreloader {
public:
    // Adds requests to the end of the queue.
    void add(const std::vector<PictureRequest>& requests);

    // Loads the next picture in the queue (one the cache keeps already costs
    // nothing). False when the queue was empty.
    bool loadNext();

    bool done() const { return queue_.empty(); }
    std::size_t pending() const { return queue_.size(); }

private:
    std::deque<PictureRequest> queue_;
};
