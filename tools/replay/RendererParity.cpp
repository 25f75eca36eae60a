#include "tools/replay/RendererParity.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Globals.h"
#include "app/PictureArea.h"
#include "app/ReplayFile.h"
#include "render/Renderer.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "tools/replay/HeadlessReplay.h"

namespace {

// At most one pixel in this many may differ beyond the channel bound.
constexpr long long pixelsPerDifferingPixel = 1000;

// What the child sends for each frame it compares, before the pixels; a
// frame of -1 ends a recording (size then 1 if it played, 0 if not).
struct FrameHeader {
    std::int32_t file = 0;
    std::int32_t frame = 0;
    std::int32_t size = 0;
};

bool writeAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int fd, void* data, std::size_t size)
{
    auto* bytes = static_cast<unsigned char*>(data);
    while (size > 0) {
        const ssize_t got = read(fd, bytes, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool compared(int frame, int every)
{
    return (frame - 1) % every == 0;
}

// The picture fills the surface, as it fills the window of a replay
// watched in the game.
void fillSurface(int width, int height)
{
    const PictureArea area = pictureArea(width, height, keepAspect);
    renderer().setSurface(width, height);
    renderer().setViewport(area.x, area.y, area.width, area.height);
}

// Plays one recording on the renderer installed, calling atFrame with the
// surface's pixels of every compared frame. False, with error, when it
// cannot be played.
bool playRecording(const std::string& file, const ParityOptions& options,
                   const std::function<void(int, const std::vector<unsigned char>&)>& atFrame, std::string& error)
{
    Replay replay;
    if (!readReplayFile(file, replay, error))
        return false;
    const ReplayOutcome outcome = runReplay(
        replay, options.dataDir, false,
        [&](int frame) {
            if (compared(frame, options.every))
                atFrame(frame, renderer().readPixels(0, 0, options.width, options.height));
            // Only the frames compared need drawing.
            renderer().setFramesPlayed(compared(frame + 1, options.every));
        },
        [&] { fillSurface(options.width, options.height); });
    renderer().setFramesPlayed(true);
    if (!outcome.error.empty()) {
        error = outcome.error;
        return false;
    }
    return true;
}

// The child's side: every compared frame of every recording down the pipe.
int sendFrames(const std::vector<std::string>& files, const ParityOptions& options, int fd)
{
    OffscreenRenderer surface(options.second, options.width, options.height);
    if (!surface.valid())
        return 1;
    for (std::size_t i = 0; i < files.size(); ++i) {
        bool sent = true;
        std::string error;
        const bool played = playRecording(
            files[i], options,
            [&](int frame, const std::vector<unsigned char>& pixels) {
                const FrameHeader header{static_cast<std::int32_t>(i), frame, static_cast<std::int32_t>(pixels.size())};
                sent = sent && writeAll(fd, &header, sizeof header) && writeAll(fd, pixels.data(), pixels.size());
            },
            error);
        const FrameHeader end{static_cast<std::int32_t>(i), -1, played ? 1 : 0};
        if (!sent || !writeAll(fd, &end, sizeof end))
            return 1;
    }
    return 0;
}

} // namespace

bool ParityResult::withinBound() const
{
    return errors.empty() && frames > 0 && differing * pixelsPerDifferingPixel <= pixels;
}

std::string ParityResult::line() const
{
    char text[200];
    std::snprintf(text, sizeof text, "renderer parity: %lld frames, %lld pixels differ by more than %d/255, "
                                     "max channel difference %d",
                  frames, differing, parityChannelBound, maxDifference);
    return text;
}

void comparePictures(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, ParityResult& result)
{
    const std::size_t size = std::min(a.size(), b.size());
    for (std::size_t i = 0; i + 3 < size; i += 4) {
        int largest = 0;
        for (std::size_t k = 0; k < 3; ++k)
            largest = std::max(largest, std::abs(static_cast<int>(a[i + k]) - static_cast<int>(b[i + k])));
        result.maxDifference = std::max(result.maxDifference, largest);
        if (largest > parityChannelBound)
            ++result.differing;
        ++result.pixels;
    }
}

ParityResult compareRenderers(const std::vector<std::string>& files, const ParityOptions& options)
{
    ParityResult result;
    int pipeEnds[2] = {-1, -1};
    if (pipe(pipeEnds) != 0) {
        result.errors.push_back("no pipe to a second process");
        return result;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child < 0) {
        result.errors.push_back("no second process");
        return result;
    }
    if (child == 0) {
        close(pipeEnds[0]);
        const int status = sendFrames(files, options, pipeEnds[1]);
        close(pipeEnds[1]);
        std::fflush(stderr);
        _exit(status);
    }
    close(pipeEnds[1]);
    const int fd = pipeEnds[0];

    {
        OffscreenRenderer surface(options.first, options.width, options.height);
        bool talking = surface.valid();
        if (!talking)
            result.errors.push_back("no off-screen OpenGL context");
        for (std::size_t i = 0; i < files.size() && talking; ++i) {
            ParityResult own;
            bool childEnded = false;
            bool childPlayed = false;
            std::vector<unsigned char> theirs;
            const auto endOf = [&](const FrameHeader& header) {
                childEnded = true;
                childPlayed = header.size != 0;
            };
            std::string error;
            const bool played = playRecording(
                files[i], options,
                [&](int frame, const std::vector<unsigned char>& pixels) {
                    if (childEnded || !talking)
                        return;
                    FrameHeader header;
                    if (!readAll(fd, &header, sizeof header)) {
                        talking = false;
                        return;
                    }
                    if (header.frame < 0) {
                        endOf(header);
                        return;
                    }
                    theirs.resize(static_cast<std::size_t>(std::max(0, header.size)));
                    if (!readAll(fd, theirs.data(), theirs.size())) {
                        talking = false;
                        return;
                    }
                    if (header.frame != frame || static_cast<std::size_t>(header.file) != i) {
                        error = "the two runs went apart at frame " + std::to_string(frame);
                        return;
                    }
                    comparePictures(pixels, theirs, own);
                    ++own.frames;
                },
                error);
            // The child's frames past the ones compared, and its end.
            while (talking && !childEnded) {
                FrameHeader header;
                if (!readAll(fd, &header, sizeof header)) {
                    talking = false;
                    break;
                }
                if (header.frame < 0) {
                    endOf(header);
                    break;
                }
                theirs.resize(static_cast<std::size_t>(std::max(0, header.size)));
                talking = readAll(fd, theirs.data(), theirs.size());
                error = "the second run had more frames";
            }
            if (!talking)
                error = "the second process stopped";
            else if (!childPlayed && error.empty())
                error = "the second renderer could not play it";
            if (!played || !error.empty()) {
                result.errors.push_back(files[i] + ": " + (error.empty() ? "cannot be played" : error));
                std::printf("%s: not compared (%s)\n", files[i].c_str(), error.c_str());
                continue;
            }
            std::printf("%s: %lld frames, %lld pixels differ by more than %d/255, max channel difference %d\n",
                        files[i].c_str(), own.frames, own.differing, parityChannelBound, own.maxDifference);
            result.frames += own.frames;
            result.pixels += own.pixels;
            result.differing += own.differing;
            result.maxDifference = std::max(result.maxDifference, own.maxDifference);
        }
    }
    close(fd);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        result.errors.push_back("the second renderer's process failed");
    return result;
}
