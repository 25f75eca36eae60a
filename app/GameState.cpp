#include "app/GameState.h"

#include <cstdio>

#include "app/Globals.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Random.h"
#include "entities/SpriteState.h"
#include "menus/BestScoresScreen.h"
#include "menus/EndingScreen.h"
#include "menus/LoadScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "screens/FadeScreen.h"

namespace {

// Everything of a level that moves or counts: the objects in their lists'
// order, which is the order the rules update them in.
void addLevelObjects(StateHash& h, const PlayScreen& play)
{
    h.add(static_cast<unsigned>(play.peppers.size()));
    for (const Sprite& pepper : play.peppers)
        addSprite(h, pepper);
    h.add(static_cast<unsigned>(play.entities.size()));
    for (const auto& entity : play.entities)
        entity->addState(h);
    h.add(static_cast<unsigned>(play.projectiles.size()));
    for (const auto& knife : play.projectiles)
        knife->addState(h);
    h.add(static_cast<unsigned>(play.healthPickups.size()));
    for (const HealthPickup& pickup : play.healthPickups)
        pickup.addState(h);
}

void addPlay(StateHash& h, const PlayScreen& play)
{
    h.add(play.hp);
    h.add(play.level);
    h.add(play.score);
    h.add(play.introShowing);
    h.add(play.leaving);
    h.add(play.dying);
    h.add(play.levelFading);
    h.add(play.nextLevelLoaded);
    h.add(play.fadePhase);
    h.add(play.pointsPerPepper);
    h.add(play.peppersLeft);
    addSprite(h, play.player);
    addSprite(h, play.deadPicture);
    h.add(play.introText.text);
    addLevelObjects(h, play);
}

void addScreen(StateHash& h, const Screen* screen, int depth = 0)
{
    // A fade's screens never hold another fade; the bound only guards
    // against a cycle.
    if (screen == nullptr || depth > 4) {
        h.add(0);
        return;
    }
    if (const auto* play = dynamic_cast<const PlayScreen*>(screen)) {
        h.add(1);
        addPlay(h, *play);
    } else if (const auto* menu = dynamic_cast<const TitleScreen*>(screen)) {
        h.add(2);
        h.add(menu->inGame);
        h.add(menu->hovered);
        h.add(menu->prompting);
        h.add(menu->saveName);
        h.add(menu->caret);
        h.add(menu->leaving);
        addSprite(h, menu->marker);
        addScreen(h, menu->suspended.get(), depth + 1);
    } else if (const auto* list = dynamic_cast<const LoadScreen*>(screen)) {
        h.add(3);
        h.add(list->inGame);
        h.add(list->hovered);
        h.add(list->selected);
        h.add(list->leaving);
        h.add(static_cast<unsigned>(list->entries.size()));
        for (const SaveEntry& entry : list->entries)
            h.add(entry.line);
        addScreen(h, list->suspended.get(), depth + 1);
    } else if (const auto* story = dynamic_cast<const StoryScreen*>(screen)) {
        h.add(4);
        h.add(story->inGame);
        h.add(story->pointerX);
        h.add(story->pointerY);
        h.add(story->leaving);
        addScreen(h, story->suspended.get(), depth + 1);
    } else if (const auto* ending = dynamic_cast<const EndingScreen*>(screen)) {
        h.add(5);
        h.add(ending->finalScore);
        h.add(ending->leaving);
        // Only a game on the best scores has a place: a run without them
        // hashes as it always did.
        if (ending->place != 0)
            h.add(ending->place);
    } else if (const auto* options = dynamic_cast<const OptionsScreen*>(screen)) {
        h.add(8);
        h.add(options->inGame);
        h.add(options->selected);
        h.add(options->waitingForKey);
        h.add(options->keyLine);
        h.add(options->leaving);
        addScreen(h, options->suspended.get(), depth + 1);
    } else if (const auto* entry = dynamic_cast<const ScoreEntryScreen*>(screen)) {
        h.add(9);
        h.add(entry->place);
        h.add(entry->name);
        h.add(entry->caret);
        h.add(entry->leaving);
    } else if (const auto* scores = dynamic_cast<const BestScoresScreen*>(screen)) {
        h.add(10);
        h.add(scores->inGame);
        h.add(scores->selected);
        h.add(scores->hovered);
        h.add(scores->leaving);
        addScreen(h, scores->suspended.get(), depth + 1);
    } else if (const auto* fade = dynamic_cast<const FadeScreen*>(screen)) {
        h.add(6);
        h.add(fade->progress);
        h.add(fade->halfDuration);
        addScreen(h, fade->oldScreen, depth + 1);
        addScreen(h, fade->newScreen, depth + 1);
    } else {
        h.add(7);
    }
}

const char* screenName(const Screen* screen)
{
    if (screen == nullptr)
        return "none";
    if (dynamic_cast<const PlayScreen*>(screen) != nullptr)
        return "play";
    if (const auto* menu = dynamic_cast<const TitleScreen*>(screen))
        return menu->inGame ? "in-game-menu" : "main-menu";
    if (dynamic_cast<const LoadScreen*>(screen) != nullptr)
        return "load-list";
    if (dynamic_cast<const StoryScreen*>(screen) != nullptr)
        return "story";
    if (dynamic_cast<const OptionsScreen*>(screen) != nullptr)
        return "options";
    if (dynamic_cast<const EndingScreen*>(screen) != nullptr)
        return "ending";
    if (dynamic_cast<const ScoreEntryScreen*>(screen) != nullptr)
        return "score-entry";
    if (dynamic_cast<const BestScoresScreen*>(screen) != nullptr)
        return "best-scores";
    if (dynamic_cast<const FadeScreen*>(screen) != nullptr)
        return "fade";
    return "other";
}

// The game the player would come back to from this screen: the one being
// played, faded into or out of, or held by a menu.
const PlayScreen* gameOf(const Screen* screen, int depth = 0)
{
    if (screen == nullptr || depth > 4)
        return nullptr;
    if (const auto* play = dynamic_cast<const PlayScreen*>(screen))
        return play;
    if (const auto* menu = dynamic_cast<const TitleScreen*>(screen))
        return menu->suspended.get();
    if (const auto* list = dynamic_cast<const LoadScreen*>(screen))
        return list->suspended.get();
    if (const auto* story = dynamic_cast<const StoryScreen*>(screen))
        return story->suspended.get();
    if (const auto* options = dynamic_cast<const OptionsScreen*>(screen))
        return options->suspended.get();
    if (const auto* scores = dynamic_cast<const BestScoresScreen*>(screen))
        return scores->suspended.get();
    if (const auto* fade = dynamic_cast<const FadeScreen*>(screen)) {
        const PlayScreen* game = gameOf(fade->newScreen, depth + 1);
        return game != nullptr ? game : gameOf(fade->oldScreen, depth + 1);
    }
    return nullptr;
}

std::string hex(std::uint64_t value, int digits)
{
    char text[20];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}

} // namespace

std::uint64_t gameStateHash()
{
    StateHash h;
    addScreen(h, currentScreen);
    h.add(thrask::randState());
    h.add(frameStep);
    h.add(lastTick);
    h.add(running);
    h.add(windowWidth);
    h.add(windowHeight);
    h.add(mouseX);
    h.add(mouseY);
    h.bytes(keyState, sizeof keyState);
    // Keys tapped since the last frame count only while there are any.
    if (keyLatch.anyLatched())
        h.bytes(keyLatch.latched(), sizeof keyState);
    h.add(Ninja::nextNinjaHorizontal);
    // The best scores decide where a game goes when it ends; a run without
    // them hashes as it always did.
    if (scoreBook().keeps()) {
        for (const BestScore& game : scoreBook().list().games()) {
            h.add(game.score);
            h.add(game.level);
            h.add(game.name);
        }
    }
    return h.value();
}

bool gameInProgress()
{
    return gameOf(currentScreen) != nullptr;
}

std::string describeGameState()
{
    std::string text;
    const auto line = [&text](const char* name, const std::string& value) {
        text += name;
        text += ' ';
        text += value;
        text += '\n';
    };
    std::string screen = screenName(currentScreen);
    if (const auto* fade = dynamic_cast<const FadeScreen*>(currentScreen))
        screen += std::string(" ") + screenName(fade->oldScreen) + " -> " + screenName(fade->newScreen);
    line("screen", screen);

    if (const PlayScreen* game = gameOf(currentScreen)) {
        line("level", std::to_string(game->level));
        line("hp", std::to_string(game->hp));
        line("score", std::to_string(game->score));
        line("peppers-left", std::to_string(game->peppersLeft));
        StateHash objects;
        addLevelObjects(objects, *game);
        line("entities", hex(objects.value(), 16));
    } else if (const auto* ending = dynamic_cast<const EndingScreen*>(currentScreen)) {
        line("score", std::to_string(ending->finalScore));
    }
    line("random", hex(thrask::randState(), 8));
    line("state", hex(gameStateHash(), 16));
    return text;
}
