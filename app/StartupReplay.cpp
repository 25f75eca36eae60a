#include "app/StartupReplay.h"

#include <vector>

#include "app/CommandLine.h"
#include "app/GameOptions.h"
#include "app/Globals.h"
#include "app/ReplayData.h"
#include "app/ReplayViewer.h"

namespace {

constexpr const char* banner = "Watching a recording: Esc ends it";

} // namespace

StartupReplay::StartupReplay() = default;

StartupReplay::~StartupReplay()
{
    if (viewer_ != nullptr)
        viewer_->end();
}

bool StartupReplay::load(const std::string& path, const char* program, bool fast,
                         std::function<bool()> interrupted, FrameWaits waits, std::string& error)
{
    if (!readReplayFile(path, replay_, error))
        return false;
    const std::string changed = compareGameData(replay_.dataFiles, scanGameData("."));
    if (!changed.empty()) {
        error = path + " was recorded with other game data (" + changed + "), so it would not show the same game";
        return false;
    }
    std::vector<std::string> recordedDisplay;
    std::vector<const char*> words{program};
    for (const std::string& word : replay_.commandLine)
        words.push_back(word.c_str());
    readGameOptions(static_cast<int>(words.size()), words.data(), recordedDisplay);
    parseCommandLine(joinWords(recordedDisplay).c_str());
    if (replay_.startsInGame) {
        windowWidth = replay_.gameStart.windowWidth;
        windowHeight = replay_.gameStart.windowHeight;
    }
    fast_ = fast;
    viewer_ = std::make_unique<ReplayViewer>(replay_, fast, std::move(interrupted), nullptr, banner, waits);
    return true;
}

bool StartupReplay::start(std::string& error)
{
    return viewer_->start(error);
}

void StartupReplay::frame(GameWindow& window)
{
    viewer_->frame(window);
}

bool StartupReplay::done() const
{
    return viewer_->done();
}

bool StartupReplay::end()
{
    viewer_->report();
    const bool quit = viewer_->quitAsked();
    viewer_->end();
    viewer_.reset();
    return quit;
}
