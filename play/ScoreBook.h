#pragma once

#include <string>
#include <vector>

#include "play/BestScores.h"

// The best-score list the game plays with, and where it is kept.
//
// The game keeps the player's list in a file (open). A replay plays with
// the list its recording holds, in memory only, so that games enter it as
// they entered the recorded run's and the player's file is never touched. A
// recording made without best scores plays with a book that keeps none,
// the default: then no game enters, and every screen goes where it went
// before the game kept best scores.
class ScoreBook {
public:
    // Keeps no scores: no game enters.
    ScoreBook() = default;
    // Games enter `games` in memory; nothing is ever written.
    explicit ScoreBook(const BestScores& games);

    // The player's list kept in the file at `path` (a relative path is taken
    // from the working folder now; written as BestScores
    // describes, replaced in one step, its folders made when missing).
    // What it cannot use is never overwritten, and is said once on standard
    // error and kept in notices():
    // - no file yet: an empty list, written once a game enters;
    // - a damaged file (a line that is not a game, another format, larger
    //   than maxFileSize): moved aside to "<path>.damaged" (or
    //   "<path>.damaged-2", ...) and the games read from it written back;
    //   when it cannot be moved, those games are shown but nothing is
    //   written this run;
    // - a folder or other non-file at `path`, or a file that cannot be
    //   read: the games of this run are kept in memory only.
    static ScoreBook open(const std::string& path);

    // The largest file read as a list; ten games take about a kilobyte.
    static constexpr std::size_t maxFileSize = 64 * 1024;

    bool keeps() const { return keeps_; }
    const BestScores& list() const { return list_; }

    // The place a game with `score` would take now; 0 when it would not
    // enter (always, for a book that keeps no scores).
    int placeFor(int score) const;

    // The game that has just ended (its score and the level it reached)
    // enters the list, with no name yet and the day and replay given by
    // startGame (today when no day was given), and the file is written. Returns its place, 0 when it does
    // not enter. A file that cannot be written leaves writeProblem() set;
    // the game stays on the list for this run.
    int enterGame(int score, int level);
    // The game at `place` is given the name typed for it (ignored for a
    // place off the list or a name the list cannot store); the file is
    // written.
    void nameGame(int place, const std::string& name);

    // The game now starting: the day it is played (YYYY-MM-DD) and the file
    // name of its recording in the replays folder (empty for none). Games
    // that enter the list carry them.
    void startGame(const std::string& date, const std::string& replay);
    // The recording `replay` could not be kept: the game now starting and
    // the listed games lose it.
    void forgetReplay(const std::string& replay);
    const std::string& gameDate() const { return date_; }
    const std::string& gameReplay() const { return replay_; }

    // One short line for each thing the book, or the recording of games,
    // could not do, oldest first: the best-score screen shows them. Each is
    // written to standard error as it is added, with `detail` (the file,
    // the system's reason) when given; a line already there is not added
    // again.
    const std::vector<std::string>& notices() const { return notices_; }
    void notice(const std::string& line, const std::string& detail = std::string());

    // Why the last enterGame or nameGame could not write the file, as one
    // line for the screen ("Could not keep the best scores: ..."); empty
    // when it was written or the book writes no file.
    const std::string& writeProblem() const { return writeProblem_; }

private:
    void write();
    // Moves a damaged file aside; false (with a notice) when it could not.
    bool keepAside(int badLines);

    BestScores list_;
    bool keeps_ = false;
    std::string path_;   // the file; empty for a book held in memory
    bool writes_ = false;
    std::string date_;
    std::string replay_;
    std::vector<std::string> notices_;
    std::string writeProblem_;
};

// The book the screens enter games into: the one installed with
// useScoreBook, or one that keeps no scores.
ScoreBook& scoreBook();

// Installs book (not owned; it must outlive its use); null restores the
// book that keeps no scores.
void useScoreBook(ScoreBook* book);
