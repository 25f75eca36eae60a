#pragma once

#include <vector>

#include "tools/replay/Director.h"

// The golden replays of the tests, each a scripted run through the real
// screens: tests/replays/<name>.replay, recorded by thrask-replay
// --record-goldens in this order.
std::vector<Scenario> goldenScenarios();

// Each golden scenario on its own, named after its replay.
namespace golden {
Scenario menuFlow();
Scenario level1Cleared();
Scenario deathByZombies();
Scenario knifeHit();
Scenario robotFire();
Scenario healthPickup();
Scenario saveLoad();
Scenario returnMidKnife();
Scenario storyAndLists();
Scenario handMadeSave();
Scenario keyboardSaveLoad();
Scenario pointerWheelFocus();
Scenario wideWindowBars();
Scenario bestScoresKeyboard();
Scenario optionsKeyboard();
Scenario wholeGame();
} // namespace golden
