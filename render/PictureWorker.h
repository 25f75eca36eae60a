#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "render/PictureRequest.h"
#include "render/PreparedPicture.h"

// Prepares pictures (render/PreparedPicture.h) before the screens that show
// them load them, in the order they were asked for, on a thread of its own
// where the build has threads (the browser build has none: there each
// picture is prepared on the game's thread when it is taken). The game's
// thread takes each picture back to upload it; nothing here touches the
// renderer, and pictures never reach what the game computes.
//
// Every member is called from the one thread that owns the worker; the
// worker's own thread shares with it only the list of pictures, under one
// lock.
class PictureWorker {
public:
    // Whether this build prepares pictures on a thread of its own.
    static const bool threaded;

    // Prepares for a renderer with these figures (largestPictureSide() and
    // drawsPixels() of the renderer installed). With ownThread false, or in
    // a build without threads, every picture is prepared when it is taken.
    PictureWorker(int largestSide, bool drawsPixels, bool ownThread = threaded);
    // Stops after the picture in hand (it waits for no more than that one)
    // and frees every picture not taken.
    ~PictureWorker();
    PictureWorker(const PictureWorker&) = delete;
    PictureWorker& operator=(const PictureWorker&) = delete;

    // Adds requests to the end of the list, resolved against the working
    // directory of now (as the picture cache names pictures); one already
    // listed is not listed again.
    void add(const std::vector<PictureRequest>& requests);

    // Takes the picture at path keyed with colourKey out of the list: waits
    // for it while it is being prepared, and prepares it here when it was
    // still waiting its turn. False when the list does not hold it (never
    // asked for, or taken already); the picture is then left untouched.
    // A picture that could not be read comes back not ready().
    bool take(const std::string& path, std::uint32_t colourKey, PreparedPicture& picture);

    // Takes the first picture of the list that is prepared, with its
    // request. With wait, or without a thread of its own, it prepares or
    // waits for the first one when none is; without wait, false when none is
    // prepared yet. False when the list is empty.
    bool takeNext(bool wait, PictureRequest& request, PreparedPicture& picture);

    // Returns once no picture of the list waits or is being prepared (at
    // once without a thread of its own: nothing is prepared ahead then).
    void waitUntilPrepared();

    // Pictures in the list: waiting, being prepared or prepared.
    std::size_t pending() const;

    // How far a picture of the list is.
    enum class State { waiting, preparing, prepared };
    // A picture of the list: the picture cache's name for it and its state.
    struct Listed {
        std::string key;
        State state = State::waiting;
    };
    // The list as it stands, in its order (what a benchmark prints).
    std::vector<Listed> listed() const;

    // Milliseconds take() has spent waiting for pictures in the worker's
    // hands, over the worker's life (what a benchmark prints).
    double waitedMs() const;

private:
    struct Job {
        std::string key;  // the picture cache's name for it
        std::string file; // the path resolved against the working directory of add()
        PictureRequest request;
        State state = State::waiting;
        PreparedPicture picture;
    };
    using Jobs = std::list<Job>;

    // The worker thread: prepares waiting pictures until stopped.
    void run();
    // Prepares job on the calling thread; the lock is released meanwhile.
    void prepareHere(Jobs::iterator job, std::unique_lock<std::mutex>& lock);
    // Moves job's picture and request out and forgets it.
    void hand(Jobs::iterator job, PictureRequest& request, PreparedPicture& picture);

    const int largestSide_;
    const bool drawsPixels_;
    mutable std::mutex lock_;
    std::condition_variable changed_;
    Jobs jobs_;          // under lock_; a job being prepared stays where it is until prepared
    bool stopping_ = false; // under lock_
    double waitedMs_ = 0.0; // under lock_
    std::thread thread_;
};
