#pragma once

#include <string>
#include <vector>

#include "tools/bench/TimingSeries.h"

// The benchmark's results: printed as tables on standard output and written
// as one CSV file, a row per measured series:
//   resolution,kind,name,objects,measure,samples,first_ms,p50_ms,p99_ms,max_ms
// kind is "screen" (measures update, render, update+render: CPU time of the
// game's thread per frame; frame: wall time of the whole frame) or
// "transition" (measures wall and cpu per hand-over) or "recording" (plain
// and recorded: CPU time of the game's thread per frame without and with the
// game's recording of it; start: wall time of a recording's start).
class BenchReport {
public:
    struct ScreenRow {
        std::string name;
        int objects = -1; // enemies, pickups and peppers; -1 for a menu
        TimingSeries update;
        TimingSeries render;
        TimingSeries updateAndRender;
        TimingSeries frame;
    };
    struct TransitionRow {
        std::string name;
        TimingSeries wall;
        TimingSeries cpu;
    };
    struct RecordingRow {
        std::string name;
        int objects = -1;
        TimingSeries plain;
        TimingSeries recorded;
        TimingSeries start;
    };

    void addScreen(const std::string& resolution, ScreenRow row);
    void addTransition(const std::string& resolution, TransitionRow row);
    void addRecording(const std::string& resolution, RecordingRow row);

    // Prints the tables of one resolution.
    void print(const std::string& resolution) const;

    // Writes every row to path. False when the file cannot be written.
    bool writeCsv(const std::string& path) const;

private:
    std::vector<std::pair<std::string, ScreenRow>> screens_;
    std::vector<std::pair<std::string, TransitionRow>> transitions_;
    std::vector<std::pair<std::string, RecordingRow>> recordings_;
};
