#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One game on the best-score list.
struct BestScore {
    int score = 0;
    int level = 0;       // the level the game reached (the last level for a game played to its end)
    std::string date;    // the day the game was started, YYYY-MM-DD
    std::string name;    // as typed in the name prompt (a-z, 0-9 and spaces); empty when none was typed
    std::string replay;  // its recording's file name in the replays folder; empty when none was kept

    bool operator==(const BestScore& other) const
    {
        return score == other.score && level == other.level && date == other.date
            && name == other.name && replay == other.replay;
    }
};

// The ten best games, best first. A game with the same score as one already
// listed ranks after it: the earlier game keeps its place.
//
// The list's file is text, one game a line after a first line naming the
// format:
//
//   thrask-scores 1
//   # score level date replay name
//   1200 4 2024-05-01 20240501-153012.replay anna
//   700 2 2024-05-02 -
//
// Fields are separated by one space; the name is the rest of the line and
// may be empty or hold spaces; "-" stands for no replay. Lines starting with
// '#' and empty lines are comments.
class BestScores {
public:
    static constexpr std::size_t kept = 10;

    // The place (1 ... kept) a game with `score` would take: after every
    // listed game with the same score or more. 0 when it would not enter:
    // a score of 0 or less, or a full list whose last game scores as much.
    int placeFor(int score) const;

    // Puts the game in at its place, the last game of a full list dropping
    // off. Returns the place, or 0 (and nothing changes) when it does not
    // enter.
    int enter(const BestScore& game);

    // The game at place (1 ... size()); place must be valid.
    BestScore& at(int place) { return games_[static_cast<std::size_t>(place - 1)]; }
    const std::vector<BestScore>& games() const { return games_; }
    bool empty() const { return games_.empty(); }

    // The file's text for the list.
    std::string text() const;

    // Reads a file's text. The games of every good line are kept, in score
    // order (the best `kept` of them); returns the number of lines that were
    // not a game, a comment or the format line (a missing or other format
    // line counts as one).
    int read(const std::string& text);

    // True for a game the list's file can hold: a score above 0, a level
    // from 1 to maxLevel, a valid date, name and replay (empty or valid).
    static bool storable(const BestScore& game);
    static constexpr int maxLevel = 1000;

    // True for a string the list can store as a name: at most
    // maxNameLength characters of a-z, 0-9 and space.
    static bool validName(const std::string& name);
    // True for a file name the list can store as a replay: letters, digits,
    // '-', '_' and '.', not starting with '.', ending in ".replay".
    static bool validReplay(const std::string& replay);
    // True for a YYYY-MM-DD date.
    static bool validDate(const std::string& date);
    // The local day now, YYYY-MM-DD.
    static std::string today();

    static constexpr std::size_t maxNameLength = 28;

private:
    std::vector<BestScore> games_;
};
