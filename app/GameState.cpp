#include "app/GameState.h"

#include <cstdio>
#include <cstring>

#include "app/Globals.h"
#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Zombie.h"
#include "menus/EndingScreen.h"
#include "menus/LoadScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"
#include "play/PlayScreen.h"
#include "screens/FadeScreen.h"

namespace {

class StateHash {
public:
    void bytes(const void* data, std::size_t size)
    {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value_ ^= p[i];
            value_ *= 1099511628211ull;
        }
    }
    void add(int v) { bytes(&v, sizeof v); }
    void add(unsigned v) { bytes(&v, sizeof v); }
    void add(bool v) { add(v ? 1 : 0); }
    void add(float v)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        add(static_cast<unsigned>(bits));
    }
    void add(const std::string& text)
    {
        add(static_cast<unsigned>(text.size()));
        bytes(text.data(), text.size());
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 14695981039346656037ull;
};

void addSprite(StateHash& h, const Sprite& s)
{
    h.add(s.x);
    h.add(s.y);
    h.add(s.width);
    h.add(s.height);
    h.add(s.rotation);
    h.add(s.depth);
    h.add(s.visible);
    h.add(static_cast<unsigned>(s.colour.r << 24 | s.colour.g << 16 | s.colour.b << 8 | s.colour.a));
    h.add(s.texture.u0);
    h.add(s.texture.u1);
    h.add(s.texture.v0);
    h.add(s.texture.v1);
}

void addEntity(StateHash& h, const Entity& entity)
{
    h.add(static_cast<int>(entity.kind()));
    h.add(entity.speed);
    addSprite(h, entity.sprite);
    switch (entity.kind()) {
    case EntityKind::Zombie: {
        const auto& z = static_cast<const Zombie&>(entity);
        h.add(z.burning);
        h.add(z.targetX);
        h.add(z.targetY);
        h.add(z.lungeTimer);
        addSprite(h, z.fire);
        break;
    }
    case EntityKind::Ninja: {
        const auto& n = static_cast<const Ninja&>(entity);
        h.add(n.index);
        h.add(n.horizontalNext);
        h.add(n.targetX);
        h.add(n.targetY);
        h.add(n.lungeTimer);
        break;
    }
    case EntityKind::Pirate: {
        const auto& p = static_cast<const Pirate&>(entity);
        h.add(p.throwTimer);
        h.add(p.targetX);
        h.add(p.targetY);
        break;
    }
    case EntityKind::Robot: {
        const auto& r = static_cast<const Robot&>(entity);
        h.add(r.targetX);
        h.add(r.targetY);
        h.add(r.flameCooldown);
        h.add(r.flamePhase);
        addSprite(h, r.flame);
        break;
    }
    case EntityKind::Cabbage: {
        const auto& c = static_cast<const Cabbage&>(entity);
        h.add(c.biteCooldown);
        h.add(c.growPhase);
        break;
    }
    case EntityKind::Knife: {
        const auto& k = static_cast<const Knife&>(entity);
        h.add(k.velocityX);
        h.add(k.velocityY);
        break;
    }
    default:
        break;
    }
}

// Everything of a level that moves or counts: the objects in their lists'
// order, which is the order the rules update them in.
void addLevelObjects(StateHash& h, const PlayScreen& play)
{
    h.add(static_cast<unsigned>(play.peppers.size()));
    for (const Sprite& pepper : play.peppers)
        addSprite(h, pepper);
    h.add(static_cast<unsigned>(play.entities.size()));
    for (const auto& entity : play.entities)
        addEntity(h, *entity);
    h.add(static_cast<unsigned>(play.projectiles.size()));
    for (const auto& knife : play.projectiles)
        addEntity(h, *knife);
    h.add(static_cast<unsigned>(play.healthPickups.size()));
    for (const HealthPickup& pickup : play.healthPickups) {
        h.add(pickup.available);
        h.add(pickup.lifetime);
        h.add(pickup.clock);
        addSprite(h, pickup.sprite);
    }
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
    } else if (const auto* options = dynamic_cast<const OptionsScreen*>(screen)) {
        h.add(8);
        h.add(options->inGame);
        h.add(options->selected);
        h.add(options->waitingForKey);
        h.add(options->keyLine);
        h.add(options->leaving);
        addScreen(h, options->suspended.get(), depth + 1);
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
    return h.value();
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
