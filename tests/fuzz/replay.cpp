// The replay reader, and the game played from what it read: any bytes as a
// recording of any format version; one that decodes is written again in
// the current version and must read back the same, and is run on the
// off-screen context against the game's data (its data files taken as
// matching, so the fuzzed input, ticks, settings, best scores and game
// start reach the real screens), for at most a few hundred frames.
#include <filesystem>
#include <system_error>
#include <vector>

#include "FuzzSupport.h"
#include "app/ReplayFile.h"
#include "app/ScreenFactories.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "render/Texture.h"
#include "tools/replay/HeadlessReplay.h"

namespace {

// Frames of a decoded recording that are played; the rest is cut.
constexpr int framesPlayed = 300;

// One hold on every picture of the game's data with each colour key the
// screens load with, for the process's life: each run's screens then share
// them instead of decoding the files again, as the screens of one game run
// do, and the runs go to the recording and the game.
class HeldPictures {
public:
    HeldPictures()
    {
        namespace fs = std::filesystem;
        std::error_code code;
        const fs::path home = fs::current_path(code);
        fs::current_path(THRASK_DATA_DIR, code);
        for (const auto& entry : fs::directory_iterator("Textures", code)) {
            const std::string name = entry.path().filename().string();
            if (name.front() == '.') // the folder's ".keep", not a picture
                continue;
            const std::string path = "Textures/" + name;
            for (const std::uint32_t key : {noColourKey, blackColourKey, magentaColourKey}) {
                Texture picture;
                if (picture.load(path, key))
                    pictures_.push_back(picture);
            }
        }
        fs::current_path(home, code);
    }
    HeldPictures(const HeldPictures&) = delete;
    HeldPictures& operator=(const HeldPictures&) = delete;
    ~HeldPictures()
    {
        for (Texture& picture : pictures_)
            picture.release();
    }

private:
    std::vector<Texture> pictures_;
};

// The null renderer the runs draw with, and every picture held: made once,
// before the first input (decoding every picture of the game is no input's
// time). The pictures are made after the renderer, so they are given back
// while it is still there.
void holdEverything()
{
    static OffscreenRenderer context(RendererKind::null, 64, 48);
    static HeldPictures pictures;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    installScreenFactories();
    holdEverything();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    holdEverything();

    Replay replay;
    std::string error;
    if (!decodeReplay(std::string(reinterpret_cast<const char*>(data), size), replay, error)) {
        fuzz::require(!error.empty(), "a refused recording says why");
        return 0;
    }
    // Whatever version it was read in, it is written again in the current
    // one and reads back the same.
    Replay again;
    fuzz::require(decodeReplay(encodeReplay(replay), again, error), "a recording read is written again");
    fuzz::require(again.version == Replay::formatVersion && again.settings == replay.settings
                      && again.saves.size() == replay.saves.size() && again.events.size() == replay.events.size()
                      && again.bestScores.games() == replay.bestScores.games()
                      && again.startsInGame == replay.startsInGame
                      && again.gameStart.stateHash == replay.gameStart.stateHash
                      && again.finished == replay.finished && again.finalState == replay.finalState,
                  "a recording written again reads back the same");
    int frames = 0;
    for (std::size_t i = 0; i < replay.events.size(); ++i) {
        if (replay.events[i].type == ReplayEvent::Frame && ++frames > framesPlayed) {
            replay.events.resize(i);
            replay.finished = false;
            break;
        }
    }
    const ReplayOutcome outcome = playReplay(replay, THRASK_DATA_DIR);
    fuzz::require(outcome.frames <= framesPlayed, "no more frames than recorded");
    return 0;
}
