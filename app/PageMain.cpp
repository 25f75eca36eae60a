// The game's entry on the browser's page (web/shell.html), beside the
// desktop's app/main.cpp and running the same GameApp: the player's files
// are kept in the browser's storage (KeptStorage on BrowserStore), read in
// before the game starts, so the title menu lists the saved games, the
// settings and the best scores of earlier visits; then the game runs one
// frame for each of the page's animation frames, which pace it.
//
// The page's query string gives the command line (pageOptions in
// web/shell.html); pageCommandLine adds the data package's folder, the saves
// in the kept folder and the page's window.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/Folders.h"
#include "app/GameApp.h"
#include "app/PageCommandLine.h"
#include "platform/BrowserPage.h"
#include "platform/BrowserStore.h"
#include "platform/KeptStorage.h"

namespace fs = std::filesystem;

namespace {

// Where the page's data package puts the game's data, and the recordings a
// test page ships beside it.
constexpr const char* dataFolder = "/data";
constexpr const char* shippedReplays = "/replays";
// The saved games' folder inside the kept folder.
constexpr const char* savesInKept = "/Save";

bool isFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The game and what it runs with, alive until the page ends the program.
struct PageGame {
    std::vector<std::string> words;
    std::vector<char*> argv;
    // The page's animation frames pace the game: it never waits itself.
    GameApp game{FrameWaits::byCaller};
    bool started = false;
    int status = 0;
};

} // namespace

int main(int argc, char** argv)
{
    static BrowserStore store;
    static KeptStorage kept(store);
    useStorage(&kept);
    // The kept folder (best scores, recordings of games, and the saved games
    // inside it) before the settings folder: a folder inside a kept one is
    // kept with it, never mounted apart.
    const std::string keptFolder = Folders::keptFolder();
    storage().restore(keptFolder);
    storage().restore(fs::path(Folders::settingsFile()).parent_path().string());

    static PageGame page;
    page.words = pageCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                                 {dataFolder, keptFolder + savesInKept, shippedReplays}, isFile);
    for (std::string& word : page.words)
        page.argv.push_back(word.data());
    page.argv.push_back(nullptr);

    browserRunFrames(
        [] {
            if (page.started)
                return page.game.frame();
            // The title menu waits until the player's files are read in.
            if (!storage().ready())
                return true;
            page.started = true;
            page.status = page.game.start(static_cast<int>(page.words.size()), page.argv.data());
            return page.status == GameApp::runFrames;
        },
        [] { return page.status == GameApp::runFrames ? page.game.finish() : page.status; });
}
