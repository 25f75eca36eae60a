#include "render/PictureWorker.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "render/PictureCache.h"

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define THRASK_NO_THREADS 1
const bool PictureWorker::threaded = false;
#else
const bool PictureWorker::threaded = true;
#endif

PictureWorker::PictureWorker(int largestSide, bool drawsPixels, bool ownThread)
    : largestSide_(largestSide), drawsPixels_(drawsPixels)
{
#ifndef THRASK_NO_THREADS
    if (!ownThread)
        return;
    try {
        thread_ = std::thread(&PictureWorker::run, this);
    } catch (const std::system_error&) {
        // A system that refuses a thread gets every picture prepared when
        // it is taken, as a build without threads does.
    }
#else
    (void)ownThread;
#endif
}

PictureWorker::~PictureWorker()
{
    {
        const std::lock_guard<std::mutex> hold(lock_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void PictureWorker::add(const std::vector<PictureRequest>& requests)
{
    {
        const std::lock_guard<std::mutex> hold(lock_);
        for (const PictureRequest& request : requests) {
            std::string key = PictureCache::keyOf(request.path, request.colourKey);
            const bool listed = std::any_of(jobs_.begin(), jobs_.end(), [&key](const Job& job) { return job.key == key; });
            if (listed)
                continue;
            Job job;
            job.file = PictureCache::fileOf(request.path);
            job.key = std::move(key);
            job.request = request;
            jobs_.push_back(std::move(job));
        }
    }
    changed_.notify_all();
}

bool PictureWorker::take(const std::string& path, std::uint32_t colourKey, PreparedPicture& picture)
{
    const std::string key = PictureCache::keyOf(path, colourKey);
    std::unique_lock<std::mutex> hold(lock_);
    const auto job = std::find_if(jobs_.begin(), jobs_.end(), [&key](const Job& listed) { return listed.key == key; });
    if (job == jobs_.end())
        return false;
    if (job->state == State::waiting)
        prepareHere(job, hold);
    if (job->state != State::prepared) {
        const auto start = std::chrono::steady_clock::now();
        changed_.wait(hold, [&job] { return job->state == State::prepared; });
        waitedMs_ += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    PictureRequest request;
    hand(job, request, picture);
    return true;
}

bool PictureWorker::takeNext(bool wait, PictureRequest& request, PreparedPicture& picture)
{
    std::unique_lock<std::mutex> hold(lock_);
    if (jobs_.empty())
        return false;
    auto job = std::find_if(jobs_.begin(), jobs_.end(), [](const Job& listed) { return listed.state == State::prepared; });
    if (job == jobs_.end()) {
        if (thread_.joinable() && !wait)
            return false;
        // The first picture of the list, prepared here when its turn has not
        // come, waited for when the worker has it in hand.
        job = jobs_.begin();
        if (job->state == State::waiting)
            prepareHere(job, hold);
        changed_.wait(hold, [&job] { return job->state == State::prepared; });
    }
    hand(job, request, picture);
    return true;
}

void PictureWorker::waitUntilPrepared()
{
    if (!thread_.joinable())
        return;
    std::unique_lock<std::mutex> hold(lock_);
    changed_.wait(hold, [this] {
        return std::all_of(jobs_.begin(), jobs_.end(), [](const Job& job) { return job.state == State::prepared; });
    });
}

std::size_t PictureWorker::pending() const
{
    const std::lock_guard<std::mutex> hold(lock_);
    return jobs_.size();
}

std::vector<PictureWorker::Listed> PictureWorker::listed() const
{
    const std::lock_guard<std::mutex> hold(lock_);
    std::vector<Listed> list;
    for (const Job& job : jobs_)
        list.push_back({job.key, job.state});
    return list;
}

double PictureWorker::waitedMs() const
{
    const std::lock_guard<std::mutex> hold(lock_);
    return waitedMs_;
}

void PictureWorker::run()
{
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
        const auto waiting = [this] {
            return std::find_if(jobs_.begin(), jobs_.end(), [](const Job& job) { return job.state == State::waiting; });
        };
        changed_.wait(hold, [this, &waiting] { return stopping_ || waiting() != jobs_.end(); });
        if (stopping_)
            return;
        prepareHere(waiting(), hold);
    }
}

void PictureWorker::prepareHere(Jobs::iterator job, std::unique_lock<std::mutex>& lock)
{
    // The job stays in the list, marked, while it is prepared without the
    // lock: take() and takeNext() wait for it rather than erase it, so the
    // iterator stays valid; only its picture is written meanwhile, and
    // nothing else reads it before it is marked prepared.
    job->state = State::preparing;
    const std::string file = job->file;
    const std::uint32_t colourKey = job->request.colourKey;
    PreparedPicture picture;
    lock.unlock();
    picture.prepare(file, colourKey, largestSide_, drawsPixels_);
    lock.lock();
    job->picture = std::move(picture);
    job->state = State::prepared;
    changed_.notify_all();
}

void PictureWorker::hand(Jobs::iterator job, PictureRequest& request, PreparedPicture& picture)
{
    request = std::move(job->request);
    picture = std::move(job->picture);
    jobs_.erase(job);
}
