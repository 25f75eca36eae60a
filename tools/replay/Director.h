#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/ReplayFile.h"
#include "menus/Settings.h"
#include "platform/Message.h"

// Scripted runs of the real game, recorded as replays: the golden replays
// of the tests are made this way, so that a deliberate change of a rule or
// of the levels is followed by one command that records them again.

// What a script does in one frame: it reads the game (through the globals
// and the current screen) and queues the messages a player would send.
class Script {
public:
    // The recorded window's client size.
    Script(int windowWidth, int windowHeight);

    // Pointer to a point of the menus' 200 x 200 view (y up), on the
    // picture in the recorded window as the game shapes it now (keepAspect).
    void move(float viewX, float viewY);
    void keyDown(int key);
    void keyUp(int key);
    void buttonDown();
    void buttonUp();
    // The mouse wheel turned this many notches (positive: up).
    void wheel(int notches);
    // The window lost the keyboard focus.
    void loseFocus();
    // Releases every key this script holds.
    void releaseKeys();
    bool holding(int key) const { return held_[key & 0xFF]; }

    // Frames the current step has run, from 0.
    int stepFrame = 0;

    std::vector<Message> takeMessages();

private:
    int windowWidth_;
    int windowHeight_;
    std::vector<Message> queued_;
    bool held_[256] = {};
};

enum class StepResult { Running, Done, Failed };

// One step of a script, called once per frame until it is done.
using Step = std::function<StepResult(Script&)>;

struct Scenario {
    std::string name;
    std::string proves;             // one line: what the replay shows
    std::vector<ReplaySave> saves;  // in the save folder at the start
    // Whether the run keeps best scores, and the list it starts with; a run
    // without them goes where the game went before it kept best scores.
    bool keepsScores = false;
    BestScores bestScores;
    // Start ticks tried in turn until the script gets through (a different
    // start gives the levels other random seeds).
    std::vector<std::uint32_t> startTicks{1000};
    // Frame durations in milliseconds, repeated.
    std::vector<std::uint32_t> frameSteps{16, 17, 17};
    std::uint16_t hashEvery = 4;
    int maxFrames = 20000;
    // The recorded window's client size, and options recorded with the run
    // (such as -aspect) besides the window's.
    int windowWidth = 640;
    int windowHeight = 480;
    std::vector<std::string> options;
    // The settings the run starts with (the command line's options over
    // them), recorded with it.
    Settings settings;
    // Builds the steps afresh for every attempt.
    std::function<std::vector<Step>()> script;
};

// Records `scenario` into path against the data in dataDir, on the current
// (off-screen) OpenGL context. False, with the reason in `error`, when no
// start tick gets the script through.
bool recordScenario(const Scenario& scenario, const std::string& dataDir, const std::string& path,
                    std::string& error);
