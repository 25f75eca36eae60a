// The command line: the input's bytes, split at NUL bytes, as the words
// after the program's name; the added options are taken out and the rest
// read as display options, as start-up does.
#include <vector>

#include "FuzzSupport.h"
#include "app/CommandLine.h"
#include "app/GameOptions.h"
#include "app/Globals.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> words{"thrask"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());

    windowWidth = 640;
    windowHeight = 480;
    colourDepth = 32;
    fullScreen = true;
    std::vector<std::string> rest;
    const GameOptions options = readGameOptions(static_cast<int>(argv.size()), argv.data(), rest);
    fuzz::require(rest.size() < words.size(), "the rest holds only words of the command line");
    fuzz::require(options.volume >= 0 && options.volume <= 100, "the volume is within 0 to 100");
    parseCommandLine(joinWords(rest).c_str());
    fuzz::require(windowWidth > 0 && windowHeight > 0 && colourDepth > 0, "display values stay positive");

    // The raw text too, as one string.
    const std::string text(reinterpret_cast<const char*>(data), size);
    parseCommandLine(text.c_str());
    fuzz::require(windowWidth > 0 && windowHeight > 0 && colourDepth > 0, "display values stay positive");
    return 0;
}
