#include "tools/soak/RoundTrip.h"

#include <filesystem>

#include "app/Globals.h"
#include "menus/LoadScreen.h"
#include "menus/TitleScreen.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "play/SaveRecord.h"
#include "scenarios/ScenarioSteps.h"

namespace roundtrip {

namespace {

using scenario::click;
using scenario::listLoadGame;
using scenario::listReturnGame;
using scenario::loadGame;
using scenario::newGame;
using scenario::returnGame;
using scenario::saveGame;
using scenario::showing;
using scenario::type;

// Frames a wait may take before the round counts as stuck.
constexpr int patience = 2000;

bool mainMenu()
{
    const TitleScreen* menu = showing<TitleScreen>();
    return menu != nullptr && !menu->inGame && !menu->leaving;
}

bool inGameMenu()
{
    const TitleScreen* menu = showing<TitleScreen>();
    return menu != nullptr && menu->inGame && !menu->leaving;
}

bool listShown()
{
    const LoadScreen* list = showing<LoadScreen>();
    return list != nullptr && !list->leaving;
}

bool inPlay()
{
    const PlayScreen* play = showing<PlayScreen>();
    return play != nullptr && !play->introShowing && !play->levelFading;
}

// Waits until `condition`, as long as a round's wait may take.
Step waitUntil(bool (*condition)())
{
    return scenario::waitUntil(condition, patience);
}

// Holds a key for two frames.
Step press(int key)
{
    return scenario::press(key, 2);
}

// Passes a level's intro text with Enter, if one is showing.
Step passIntro()
{
    return [](Script& script) {
        const PlayScreen* play = showing<PlayScreen>();
        if (play == nullptr)
            return script.stepFrame >= patience ? StepResult::Failed : StepResult::Running;
        if (script.holding(vk::enter)) {
            script.keyUp(vk::enter);
            return StepResult::Running;
        }
        if (!play->introShowing)
            return StepResult::Done;
        script.keyDown(vk::enter);
        return StepResult::Running;
    };
}

// Walks right for a few frames.
Step walk(int frames)
{
    return [frames](Script& script) {
        if (script.stepFrame == 0)
            script.keyDown(vk::right);
        if (script.stepFrame < frames)
            return StepResult::Running;
        script.keyUp(vk::right);
        return StepResult::Done;
    };
}

// The save prompt closed on a good save, and the file holds the game the
// menu suspended: a save that failed or wrote something else stops the soak.
Step savedWell()
{
    return [](Script&) {
        const TitleScreen* menu = showing<TitleScreen>();
        if (menu == nullptr || menu->prompting || menu->suspended == nullptr)
            return StepResult::Failed;
        const SaveRecord record = readSaveRecord(saveFolder + "/" + savedName + ".sav");
        const PlayScreen& game = *menu->suspended;
        return record.level == game.level && record.hp == game.hp && record.score == game.score
            ? StepResult::Done
            : StepResult::Failed;
    };
}

// Moves the load list's selection to the entry of the file `name`.
Step select(const char* name)
{
    return [name](Script& script) {
        const LoadScreen* list = showing<LoadScreen>();
        if (list == nullptr || list->entries.empty() || script.stepFrame > 1000)
            return StepResult::Failed;
        if (list->entries[static_cast<std::size_t>(list->selected)].fileName == name)
            return StepResult::Done;
        if (script.stepFrame % 2 == 0)
            script.keyDown(vk::down);
        else
            script.keyUp(vk::down);
        return StepResult::Running;
    };
}

struct Named {
    const char* name;
    Step step;
};

std::vector<Named> round()
{
    return {
        {"main menu", waitUntil(mainMenu)},
        {"New Game", click(newGame)},
        {"the intro", passIntro()},
        {"play", waitUntil(inPlay)},
        {"walk", walk(10)},
        {"Esc", press(vk::escape)},
        {"in-game menu", waitUntil(inGameMenu)},
        {"Return Game", click(returnGame)},
        {"back in play", waitUntil(inPlay)},
        {"Esc again", press(vk::escape)},
        {"in-game menu again", waitUntil(inGameMenu)},
        {"Load Game", click(loadGame)},
        {"the load list", waitUntil(listShown)},
        {"the list's Return Game", click(listReturnGame)},
        {"back in the in-game menu", waitUntil(inGameMenu)},
        {"Save Game", click(saveGame)},
        {"the name", type(savedName)},
        {"Enter", press(vk::enter)},
        {"the save written", savedWell()},
        {"Load Game to change level", click(loadGame)},
        {"the load list again", waitUntil(listShown)},
        {"the dying game selected", select(dyingSave)},
        {"its Load Game", click(listLoadGame)},
        {"the death sequence back to the main menu", waitUntil(mainMenu)},
    };
}

} // namespace

std::vector<Step> steps()
{
    std::vector<Step> all;
    for (Named& named : round())
        all.push_back(std::move(named.step));
    return all;
}

std::string stepName(std::size_t index)
{
    const std::vector<Named> all = round();
    return index < all.size() ? all[index].name : "after the last step";
}

} // namespace roundtrip
