#pragma once

#include <string>
#include <vector>

// One saved game as the load list shows it.
struct SaveEntry {
    std::string fileName; // as the directory scan reports it, ".sav" included
    std::string line;     // the text shown in the list
    int hp = 0;
    int level = 0;
    int score = 0;
    bool introShowing = false;
};

// The saved games of a directory and the arithmetic of the list that shows
// them: which lines are in view, where the scroll-bar thumb sits, and how the
// selection wraps around.
class SaveList {
public:
    // The longest list line kept; a longer one (only possible with a file
    // name of some 200 characters) is cut.
    static constexpr std::size_t maxLineLength = 255;
    // At most this many lines are shown at once.
    static constexpr int windowLines = 10;

    // Every name in directory that ends in ".sav", in the directory's own
    // order, each read as a saved game. A missing directory lists nothing;
    // unreadable files and directories named like saves list with zeros.
    // Pending save files a crash left ("<name>.sav.tmp") are removed first.
    static std::vector<SaveEntry> scan(const std::string& directory);

    // Reads directory/fileName into an entry with its list line.
    static SaveEntry read(const std::string& directory, const std::string& fileName);

    // "<name>   Level: <level>   <hp>/30 HP   Score: <score>", cut to maxLineLength.
    static std::string line(const std::string& fileName, int level, int hp, int score);

    // The entries first ... last - 1 shown for count entries with selected
    // chosen: the selected one on the sixth line away from the list's ends.
    struct Window {
        int first = 0;
        int last = 0;
    };
    static Window window(int count, int selected);

    // Height and centre y of the scroll-bar thumb for count (> 0) entries.
    static float thumbHeight(int count);
    static float thumbCentreY(int count, int selected);

    // The selection after the down arrow (step +1) or up arrow (step -1),
    // wrapping around at both ends; 0 when the list is empty.
    static int moveSelection(int selected, int step, int count);

    // The selection moved by step entries without wrapping round (Page Up,
    // Page Down, the wheel, the scroll arrows; Home and End with step 0):
    // kept within 0 ... count - 1; 0 when the list is empty.
    static int scrollSelection(int selected, int step, int count);
};
