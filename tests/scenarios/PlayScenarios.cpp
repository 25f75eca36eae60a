#include "scenarios/GoldenScenarios.h"

#include <memory>

#include "app/Globals.h"
#include "entities/Zombie.h"
#include "menus/EndingScreen.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "scenarios/ScenarioSteps.h"

// The golden scenarios of play: levels played by the careful bot, the enemies
// and a heart, a knife flying on across the in-game menu, the whole game.

using namespace scenario;

namespace golden {

Scenario level1Cleared()
{
    Scenario level1;
    level1.name = "level1-cleared";
    level1.proves = "a new game's first level played to its end and the fade into level 2";
    level1.script = [] {
        return std::vector<Step>{
            click(newGame),
            waitUntil([] { return playing() != nullptr; }),
            playUntil([] { return playing() != nullptr && playing()->level == 2 && !playing()->levelFading; },
                      gameOver(), 20000),
        };
    };
    return level1;
}

Scenario deathByZombies()
{
    return fromSave(
        "death-by-zombies",
        "a weak player walks into level 4's zombies, dies, the death sequence ends in the main menu "
        "and a new game starts from it",
        save("weak.sav", 4, 5, 700), [] {
            return std::vector<Step>{
                seekZombies([] { return playing() != nullptr && playing()->dying; }, 3000),
                waitUntil(mainMenu),
                click(newGame),
                waitUntil([] { return playing() != nullptr; }),
                waitFrames(10),
            };
        });
}

Scenario knifeHit()
{
    return fromSave(
        "knife-hit", "a pirate's knife flies at a player standing still and takes 3 health points",
        save("pirate.sav", 5, 30, 0), [] {
            return std::vector<Step>{
                standUntil([] { return playing() != nullptr && playing()->hp < 30; }, 3000),
                waitFrames(30),
            };
        });
}

Scenario robotFire()
{
    return fromSave(
        "robot-fire", "a robot's flame sets a zombie burning while the bot plays level 7",
        save("robot.sav", 7, 30, 500), [] {
            const auto burning = [] {
                const PlayScreen* play = playing();
                if (play == nullptr)
                    return false;
                for (const auto& entity : play->entities)
                    if (entity->kind() == EntityKind::Zombie && static_cast<const Zombie&>(*entity).burning)
                        return true;
                return false;
            };
            return std::vector<Step>{
                playUntil(burning, [] { return playing() == nullptr || playing()->level != 7; }, 6000),
                playFor(60),
            };
        }, 8);
}

Scenario healthPickup()
{
    return fromSave(
        "health-pickup", "a hurt player takes a heart on level 6 and gets health back",
        save("hurt.sav", 6, 12, 300), [] { return std::vector<Step>{takeAHeart(6, 6000), playFor(30)}; },
        30);
}

Scenario returnMidKnife()
{
    return fromSave(
        "return-mid-knife",
        "Esc while a knife is in flight and Return Game: the knife flies on in the resumed game",
        save("pirate.sav", 5, 30, 0), [] {
            return std::vector<Step>{
                standUntil([] { return playing() != nullptr && knifeFlying(*playing()); }, 3000),
                waitFrames(5),
                press(vk::escape),
                waitUntil(inGameMenu),
                click(returnGame),
                waitUntil(inPlay),
                standUntil([] { return playing() != nullptr && !knifeFlying(*playing()); }, 3000),
                waitFrames(10),
            };
        });
}

Scenario wholeGame()
{
    Scenario whole;
    whole.name = "whole-game";
    whole.proves = "all fifteen levels played by the careful bot, the ending screen with the final "
                   "score, and a key back to the main menu";
    whole.frameSteps = {33, 33, 34};
    whole.hashEvery = 8;
    whole.maxFrames = 200000;
    whole.startTicks.clear();
    for (std::uint32_t tick = 1000; tick < 60000; tick += 1000)
        whole.startTicks.push_back(tick);
    whole.script = [] {
        return std::vector<Step>{
            click(newGame),
            playUntil([] { return showing<EndingScreen>() != nullptr; }, gameOver(), 150000),
            waitFrames(30),
            press(vk::space),
            waitUntil(mainMenu),
        };
    };
    return whole;
}

} // namespace golden
