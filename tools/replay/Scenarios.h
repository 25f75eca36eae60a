#pragma once

#include <vector>

#include "tools/replay/Director.h"

// The golden replays of the tests, each a scripted run through the real
// screens: tests/replays/<name>.replay.
std::vector<Scenario> goldenScenarios();
