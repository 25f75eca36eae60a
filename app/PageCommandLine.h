#pragma once

#include <string>
#include <vector>

// Where the game's files are on the browser's page: its data package, the
// kept folder the saved games go to, and the recordings shipped with a
// page (empty when it ships none).
struct PageFolders {
    std::string data;
    std::string saves;
    std::string replays;
};

// The command line the game runs with on the page, program name first: the
// page's own words, then the words the page's query string gave (`words`,
// without the program name), which win where they say otherwise.
//
// The page's own words: the data package's folder (-data), the saves in
// the browser's kept folder (-saves), since the package's own Save folder
// lasts only as long as the page, and a window (-windowed): the game starts
// on the page's canvas, because a browser grants full screen only after a
// key or a click (F11 and the Options screen ask for it).
//
// A -replay NAME that is a bare name (letters, digits, ".", "_", "-"; no
// folder) plays the shipped recording NAME.replay when `exists` finds that
// file in folders.replays; any other -replay word is handed on as it is.
std::vector<std::string> pageCommandLine(const std::vector<std::string>& words, const PageFolders& folders,
                                         bool (*exists)(const std::string& file));
