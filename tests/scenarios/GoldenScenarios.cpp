#include "scenarios/GoldenScenarios.h"

std::vector<Scenario> goldenScenarios()
{
    return {
        golden::menuFlow(),
        golden::level1Cleared(),
        golden::deathByZombies(),
        golden::knifeHit(),
        golden::robotFire(),
        golden::healthPickup(),
        golden::saveLoad(),
        golden::returnMidKnife(),
        golden::storyAndLists(),
        golden::handMadeSave(),
        golden::keyboardSaveLoad(),
        golden::pointerWheelFocus(),
        golden::wideWindowBars(),
        golden::bestScoresKeyboard(),
        golden::optionsKeyboard(),
        golden::wholeGame(),
    };
}
