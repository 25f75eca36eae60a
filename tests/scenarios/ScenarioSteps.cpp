#include "scenarios/ScenarioSteps.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "app/Globals.h"
#include "entities/Knife.h"
#include "menus/LoadScreen.h"
#include "menus/TitleScreen.h"
#include "play/PlayScreen.h"
#include "play/SaveRecord.h"
#include "platform/VirtualKeys.h"
#include "tools/levelcheck/PlayBot.h"

namespace {

using scenario::playing;

// Presses and releases the arrows so that exactly those in `wanted` are held.
void holdArrows(Script& script, const unsigned char* wanted)
{
    for (const int key : {vk::left, vk::up, vk::right, vk::down}) {
        if (wanted[key] && !script.holding(key))
            script.keyDown(key);
        if (!wanted[key] && script.holding(key))
            script.keyUp(key);
    }
}

// The arrows that walk the player towards (x, y).
void arrowsTowards(const PlayScreen& play, float x, float y, unsigned char* keys)
{
    const float dx = x - play.player.x;
    const float dy = y - play.player.y;
    keys[vk::right] = dx > 2.0f;
    keys[vk::left] = dx < -2.0f;
    keys[vk::up] = dy > 2.0f;
    keys[vk::down] = dy < -2.0f;
}

// Presses Enter (down on one frame, up on the next) while an intro text
// holds play, with every arrow released. False when no intro is showing.
bool passIntro(Script& script)
{
    const PlayScreen* play = playing();
    if (play == nullptr || !play->introShowing) {
        if (script.holding(vk::enter))
            script.keyUp(vk::enter);
        return false;
    }
    const unsigned char none[256] = {};
    holdArrows(script, none);
    if (script.holding(vk::enter))
        script.keyUp(vk::enter);
    else
        script.keyDown(vk::enter);
    return true;
}

} // namespace

namespace scenario {

PlayScreen* playing()
{
    return showing<PlayScreen>();
}

bool inPlay()
{
    const PlayScreen* play = playing();
    return play != nullptr && !play->introShowing && !play->levelFading;
}

bool mainMenu()
{
    const TitleScreen* menu = showing<TitleScreen>();
    return menu != nullptr && !menu->inGame;
}

bool inGameMenu()
{
    const TitleScreen* menu = showing<TitleScreen>();
    return menu != nullptr && menu->inGame;
}

std::function<bool()> marked(int entry)
{
    return [entry] {
        const TitleScreen* menu = showing<TitleScreen>();
        return menu != nullptr && menu->hovered == entry && menu->marker.visible;
    };
}

bool knifeFlying(const PlayScreen& play)
{
    for (const auto& knife : play.projectiles)
        if (knife->sprite.visible)
            return true;
    return false;
}

Step waitUntil(std::function<bool()> condition, int limit)
{
    return [condition, limit](Script& script) {
        if (condition())
            return StepResult::Done;
        return script.stepFrame >= limit ? StepResult::Failed : StepResult::Running;
    };
}

Step check(std::function<bool()> condition)
{
    return [condition](Script&) { return condition() ? StepResult::Done : StepResult::Failed; };
}

Step waitFrames(int frames)
{
    return [frames](Script& script) {
        return script.stepFrame + 1 >= frames ? StepResult::Done : StepResult::Running;
    };
}

Step click(Point at)
{
    return [at](Script& script) {
        if (script.stepFrame == 0) {
            script.move(at.x, at.y);
            return StepResult::Running;
        }
        script.buttonDown();
        script.buttonUp();
        return StepResult::Done;
    };
}

Step clickAtOnce(Point at)
{
    return [at](Script& script) {
        script.move(at.x, at.y);
        script.buttonDown();
        script.buttonUp();
        return StepResult::Done;
    };
}

Step hover(Point at)
{
    return [at](Script& script) {
        if (script.stepFrame == 0) {
            script.move(at.x, at.y);
            return StepResult::Running;
        }
        return StepResult::Done;
    };
}

Step tap(int key)
{
    return [key](Script& script) {
        script.keyDown(key);
        script.keyUp(key);
        return StepResult::Done;
    };
}

Step pressWith(int modifier, int key)
{
    return [modifier, key](Script& script) {
        if (script.stepFrame == 0)
            script.keyDown(modifier);
        else if (script.stepFrame == 1)
            script.keyDown(key);
        else {
            script.keyUp(key);
            script.keyUp(modifier);
            return StepResult::Done;
        }
        return StepResult::Running;
    };
}

Step turnWheel(int notches)
{
    return [notches](Script& script) {
        script.wheel(notches);
        return StepResult::Done;
    };
}

Step loseFocus()
{
    return [](Script& script) {
        script.loseFocus();
        return StepResult::Done;
    };
}

Step press(int key, int frames)
{
    return [key, frames](Script& script) {
        if (script.stepFrame == 0) {
            script.keyDown(key);
            return StepResult::Running;
        }
        if (script.stepFrame < frames)
            return StepResult::Running;
        script.keyUp(key);
        return StepResult::Done;
    };
}

Step type(std::string text)
{
    return [text](Script& script) {
        const std::size_t index = static_cast<std::size_t>(script.stepFrame / 2);
        if (index >= text.size())
            return StepResult::Done;
        const char c = text[index];
        const int key = c >= 'a' && c <= 'z' ? c - 'a' + vk::letterA : c;
        if (script.stepFrame % 2 == 0)
            script.keyDown(key);
        else
            script.keyUp(key);
        return StepResult::Running;
    };
}

Step playUntil(std::function<bool()> done, std::function<bool()> lost, int limit)
{
    auto bot = std::make_shared<PlayBot>();
    return [bot, done, lost, limit](Script& script) {
        if (done()) {
            script.releaseKeys();
            return StepResult::Done;
        }
        if (lost() || script.stepFrame >= limit)
            return StepResult::Failed;
        unsigned char keys[256] = {};
        const PlayScreen* play = playing();
        if (passIntro(script))
            return StepResult::Running;
        if (play != nullptr)
            bot->chooseKeys(*play, keys);
        holdArrows(script, keys);
        return StepResult::Running;
    };
}

Step takeAHeart(int level, int limit)
{
    auto bot = std::make_shared<PlayBot>();
    return [bot, level, limit](Script& script) {
        const PlayScreen* play = playing();
        if (play == nullptr)
            return mainMenu() || script.stepFrame >= limit ? StepResult::Failed : StepResult::Running;
        if (play->level != level)
            return StepResult::Failed;
        for (const HealthPickup& pickup : play->healthPickups) {
            if (!pickup.available) {
                script.releaseKeys();
                return StepResult::Done;
            }
        }
        if (script.stepFrame >= limit)
            return StepResult::Failed;
        if (passIntro(script))
            return StepResult::Running;
        unsigned char keys[256] = {};
        bot->chooseKeys(*play, keys);
        for (const HealthPickup& pickup : play->healthPickups) {
            if (pickup.sprite.visible) {
                std::fill(std::begin(keys), std::end(keys), static_cast<unsigned char>(0));
                arrowsTowards(*play, pickup.sprite.x, pickup.sprite.y, keys);
                break;
            }
        }
        holdArrows(script, keys);
        return StepResult::Running;
    };
}

Step playFor(int frames)
{
    auto played = std::make_shared<int>(0);
    return playUntil([played, frames] { return ++*played > frames; }, [] { return false; }, frames + 1);
}


Step seekZombies(std::function<bool()> done, int limit)
{
    return [done, limit](Script& script) {
        if (done()) {
            script.releaseKeys();
            return StepResult::Done;
        }
        if (script.stepFrame >= limit)
            return StepResult::Failed;
        unsigned char keys[256] = {};
        if (const PlayScreen* play = playing()) {
            const Sprite* nearest = nullptr;
            float best = 1e9f;
            for (const auto& entity : play->entities) {
                const float d = std::hypot(entity->sprite.x - play->player.x,
                                           entity->sprite.y - play->player.y);
                if (entity->kind() == EntityKind::Zombie && d < best) {
                    best = d;
                    nearest = &entity->sprite;
                }
            }
            if (nearest != nullptr)
                arrowsTowards(*play, nearest->x, nearest->y, keys);
        }
        holdArrows(script, keys);
        return StepResult::Running;
    };
}

Step standUntil(std::function<bool()> done, int limit)
{
    return [done, limit](Script& script) {
        script.releaseKeys();
        if (done())
            return StepResult::Done;
        return script.stepFrame >= limit ? StepResult::Failed : StepResult::Running;
    };
}

ReplaySave save(const char* name, int level, int hp, int score)
{
    SaveRecord record;
    record.level = level;
    record.hp = hp;
    record.score = score;
    return {name, encodeSaveRecord(record)};
}

std::vector<Step> loadTheSave()
{
    return {
        click(loadGame),
        waitUntil([] { return showing<LoadScreen>() != nullptr; }),
        click(listLoadGame),
        waitUntil(inPlay),
    };
}

std::vector<Step> then(std::vector<Step> first, const std::vector<Step>& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

Scenario fromSave(const char* name, const char* proves, const ReplaySave& saved,
                  std::function<std::vector<Step>()> more, int startTicks)
{
    Scenario scenario;
    scenario.name = name;
    scenario.proves = proves;
    scenario.saves = {saved};
    scenario.startTicks.clear();
    for (int i = 1; i <= startTicks; ++i)
        scenario.startTicks.push_back(1000u * static_cast<std::uint32_t>(i));
    scenario.script = [more] { return then(loadTheSave(), more()); };
    return scenario;
}

std::function<bool()> gameOver()
{
    return [] { return mainMenu(); };
}

} // namespace scenario
