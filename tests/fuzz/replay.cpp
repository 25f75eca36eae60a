// The replay reader, and the game played from what it read: any bytes as a
// recording; one that decodes is run on the off-screen context against the
// game's data (its data checksums taken as matching, so the fuzzed input and
// ticks reach the real screens), for at most a few hundred frames.
#include "FuzzSupport.h"
#include "app/ReplayData.h"
#include "app/ReplayFile.h"
#include "platform/headless/HeadlessContext.h"
#include "tools/replay/HeadlessReplay.h"

namespace {

// Frames of a decoded recording that are played; the rest is cut.
constexpr int framesPlayed = 300;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static HeadlessContext context(64, 48);
    static const std::vector<ReplayDataFile> gameData = scanGameData(THRASK_DATA_DIR);

    Replay replay;
    std::string error;
    if (!decodeReplay(std::string(reinterpret_cast<const char*>(data), size), replay, error)) {
        fuzz::require(!error.empty(), "a refused recording says why");
        return 0;
    }
    int frames = 0;
    for (std::size_t i = 0; i < replay.events.size(); ++i) {
        if (replay.events[i].type == ReplayEvent::Frame && ++frames > framesPlayed) {
            replay.events.resize(i);
            replay.finished = false;
            break;
        }
    }
    replay.dataFiles = gameData;
    const ReplayOutcome outcome = runReplay(replay, THRASK_DATA_DIR);
    fuzz::require(outcome.frames <= framesPlayed, "no more frames than recorded");
    return 0;
}
