// The page the browser tests (tests/web/) prove themselves on while the game
// itself is not built for the browser: it runs on the game's page
// (web/shell.html) with the platform's browser storage, reads its options
// with the game's own reader, draws one colour with WebGL (Left and Right
// change it), plays silence once the browser lets it, keeps a file named by
// the text typed when Enter is pressed, lists the files kept once they are
// read in, and asks for full screen on F11. Everything it does is printed on
// the console, "harness-page: " first.
#include <GLES2/gl2.h>
#include <SDL.h>
#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/GameOptions.h"
#include "platform/BrowserPage.h"
#include "platform/BrowserStore.h"
#include "platform/KeptStorage.h"
#include "platform/WholeFile.h"

namespace fs = std::filesystem;

namespace {

// Where the game keeps its saves in the browser.
const std::string keptFolder = "/home/web_user/.local/share/thrask/Save";
// A file of the page's data package.
constexpr const char* dataFile = "/data/harness.txt";

constexpr int defaultWidth = 640;
constexpr int defaultHeight = 480;
constexpr int largestSide = 4096;
constexpr int audioRate = 22050;
constexpr int audioSamples = 1024;

// The colours Left and Right step through, red first.
const float colours[][3] = {{0.8f, 0.2f, 0.1f}, {0.1f, 0.7f, 0.2f}, {0.1f, 0.3f, 0.9f}};
constexpr int colourCount = sizeof(colours) / sizeof(colours[0]);

struct Page {
    SDL_Window* window = nullptr;
    int width = defaultWidth;
    int height = defaultHeight;
    int colour = 0;
    std::string typed;
    bool listed = false;
};

void say(const std::string& line)
{
    std::printf("harness-page: %s\n", line.c_str());
    std::fflush(stdout);
}

// The display option word at rest[i] ("-w 800") read as a side in pixels.
void readSide(const std::vector<std::string>& rest, const char* name, int& side)
{
    const auto at = std::find(rest.begin(), rest.end(), name);
    if (at == rest.end() || at + 1 == rest.end())
        return;
    const int value = std::atoi((at + 1)->c_str());
    if (value > 0 && value <= largestSide)
        side = value;
}

void listKeptFiles()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(keptFolder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string line = "files:";
    for (const std::string& name : names)
        line += " " + name;
    say(names.empty() ? "files: (none)" : line);
}

void keepTyped(Page& page)
{
    if (page.typed.empty())
        return;
    const std::string name = page.typed + ".txt";
    std::error_code why;
    if (replaceWholeFile(keptFolder + "/" + name, "kept by the harness page\n", why)) {
        storage().written(keptFolder);
        say("wrote " + name);
    } else {
        say("cannot write " + name + ": " + why.message());
    }
    page.typed.clear();
}

void onKey(Page& page, SDL_Keycode key)
{
    if (key == SDLK_RIGHT || key == SDLK_LEFT) {
        page.colour = (page.colour + (key == SDLK_RIGHT ? 1 : colourCount - 1)) % colourCount;
        say("colour " + std::to_string(page.colour));
    } else if (key == SDLK_RETURN) {
        keepTyped(page);
    } else if (key == SDLK_BACKSPACE && !page.typed.empty()) {
        page.typed.pop_back();
    } else if (key == SDLK_F11) {
        browserFullScreen(!browserFullScreenOn());
    }
}

void onText(Page& page, const char* text)
{
    for (const char* c = text; *c != '\0'; ++c) {
        const bool nameCharacter = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9')
                                   || *c == '-';
        if (nameCharacter)
            page.typed += *c;
    }
}

void frame(void* context)
{
    Page& page = *static_cast<Page*>(context);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.repeat == 0)
            onKey(page, event.key.keysym.sym);
        else if (event.type == SDL_TEXTINPUT)
            onText(page, event.text.text);
    }
    if (!page.listed && storage().ready()) {
        page.listed = true;
        listKeptFiles();
        if (!storage().problem().empty())
            say("storage problem: " + storage().problem());
    }
    const float* colour = colours[page.colour];
    glViewport(0, 0, page.width, page.height);
    glClearColor(colour[0], colour[1], colour[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(page.window);
}

// A callback that plays silence: enough for the browser to run audio.
void silence(void*, Uint8* stream, int length)
{
    SDL_memset(stream, 0, length);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> rest;
    const GameOptions options = readGameOptions(argc, argv, rest);
    std::vector<std::string> words(argv + 1, argv + argc);
    say("arguments: " + joinWords(words));
    if (!options.errors.empty()) {
        for (const std::string& error : options.errors)
            std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    static BrowserStore store;
    static KeptStorage kept(store);
    useStorage(&kept);
    storage().restore(keptFolder);

    static Page page;
    readSide(rest, "-w", page.width);
    readSide(rest, "-h", page.height);
    if (SDL_Init(SDL_INIT_VIDEO | (options.noSound ? 0 : SDL_INIT_AUDIO)) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
    page.window = SDL_CreateWindow("Thrask", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, page.width,
                                   page.height, SDL_WINDOW_OPENGL);
    if (page.window == nullptr || SDL_GL_CreateContext(page.window) == nullptr) {
        std::fprintf(stderr, "no WebGL context: %s\n", SDL_GetError());
        return 1;
    }
    say("size " + std::to_string(page.width) + "x" + std::to_string(page.height));

    if (!options.noSound) {
        SDL_AudioSpec wanted{};
        wanted.freq = audioRate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 2;
        wanted.samples = audioSamples;
        wanted.callback = silence;
        const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (device != 0)
            SDL_PauseAudioDevice(device, 0);
        say(device != 0 ? "audio open" : std::string("no audio: ") + SDL_GetError());
    }

    std::error_code error;
    const std::string data = fs::is_regular_file(dataFile, error) ? "present" : "missing";
    say(std::string("data ") + data);

    emscripten_set_main_loop_arg(frame, &page, 0, 1);
    return 0;
}
