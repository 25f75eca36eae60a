#pragma once

#include <cstddef>
#include <vector>

#include "render/PictureRequest.h"
#include "render/PictureWorker.h"

// Loads pictures before the screens that show them ask for them, so the
// first New Game and the first change to each background only hand out
// names the picture cache keeps (render/PictureCache.h, while the run keeps
// its pictures). From its construction a worker (render/PictureWorker.h)
// decodes the pictures asked for and builds their levels on a thread of its
// own; the game's thread uploads them a few at a time while nothing else
// happens (a menu at rest, loadNext), each given back at once: the cache
// keeps it idle until a screen loads it. A screen that loads a picture
// before its upload takes it from the worker (waiting only for that one
// when it is in hand) instead of reading the file again. What is shown, and
// what the game computes, are the same with or without it.
//
// Made, used and destroyed on the thread that draws, with the renderer the
// pictures are for installed; one preloader at a time.
class PicturePreloader {
public:
    // Starts the worker for the renderer installed; with ownThread false
    // (and in a build without threads) each picture is decoded when it is
    // loaded, on the game's thread.
    explicit PicturePreloader(bool ownThread = PictureWorker::threaded);
    // Stops the worker after the picture in hand and frees what was not
    // uploaded; the pictures uploaded stay with the cache.
    ~PicturePreloader();
    PicturePreloader(const PicturePreloader&) = delete;
    PicturePreloader& operator=(const PicturePreloader&) = delete;

    // Adds requests to the end of the queue.
    void add(const std::vector<PictureRequest>& requests);

    // Uploads the next picture the worker has ready (one the cache keeps
    // already costs nothing). False when none is ready yet or the queue is
    // empty; without a thread of its own it decodes the next one here.
    bool loadNext();

    // Uploads every picture of the queue, waiting for each (a menu that
    // rested long enough). Returns how many it loaded.
    int loadAll();

    // Returns once the worker has decoded every picture of the queue (a
    // level played long enough); nothing is uploaded.
    void waitForDecodes() { worker_.waitUntilPrepared(); }

    bool done() const { return worker_.pending() == 0; }
    std::size_t pending() const { return worker_.pending(); }
    std::vector<PictureWorker::Listed> listed() const { return worker_.listed(); }
    double waitedMs() const { return worker_.waitedMs(); }

private:
    // Uploads a prepared picture and gives it back to the cache at once.
    static void keep(const PictureRequest& request, const PreparedPicture& picture);

    PictureWorker worker_;
};
