#include "tools/crosscheck/EntityRun.h"

#include "entities/Cabbage.h"
#include "entities/Ninja.h"
#include "entities/Pirate.h"
#include "entities/Random.h"
#include "entities/Robot.h"
#include "entities/Sine.h"
#include "entities/SpriteState.h"
#include "entities/Zombie.h"
#include "platform/FrameStep.h"

namespace {

constexpr float enemySize = 32.0f;
constexpr float enemyDepth = 2.0f;
constexpr float playerSize = 10.0f;
constexpr float gameSpeed = 0.85f;   // frameStep per second of ticks
constexpr int zombiePictures = 5;
constexpr int ninjaPictures = 4;

// Stand-ins for the play screen's pictures: only their names are used.
Texture named(unsigned int name)
{
    Texture texture;
    texture.glName = name;
    return texture;
}

void placeEnemy(Sprite& sprite)
{
    sprite.width = enemySize;
    sprite.height = enemySize;
    sprite.depth = enemyDepth;
    sprite.x = randomFieldCoordinate();
    sprite.y = randomFieldCoordinate();
}

// Ticks between frames: a display's 16 and 17 ms with now and then a slow
// frame, so frameStep takes many values.
std::uint32_t ticksOfFrame(int frame)
{
    constexpr std::uint32_t pattern[] = {16, 17, 16, 17, 17, 33, 16, 15, 50, 16, 17};
    return pattern[static_cast<unsigned>(frame) % (sizeof pattern / sizeof pattern[0])];
}

} // namespace

EntityRun::EntityRun(std::uint32_t seed, int perKind)
{
    thrask::srand(seed);
    Ninja::nextNinjaHorizontal = false;
    player_.width = playerSize;
    player_.height = playerSize;
    unsigned int name = 1;
    for (int i = 0; i < zombiePictures; ++i)
        zombieFrames_.push_back(named(name++));
    for (int i = 0; i < ninjaPictures; ++i)
        ninjaFrames_.push_back(named(name++));
    for (int i = 0; i < perKind; ++i) {
        HealthPickup pickup;
        pickup.sprite.texture = named(name);
        pickup.reset();
        pickups_.push_back(pickup);
    }
    for (int i = 0; i < perKind; ++i) {
        auto zombie = std::make_unique<Zombie>();
        zombie->idleTexture = zombieFrames_[0];
        zombie->spawn();
        placeEnemy(zombie->sprite);
        zombie->lungeFrames = &zombieFrames_;
        entities_.add(std::move(zombie));
    }
    for (int i = 0; i < perKind; ++i) {
        auto ninja = std::make_unique<Ninja>();
        ninja->sprite.texture = ninjaFrames_[0];
        placeEnemy(ninja->sprite);
        ninja->spawn();
        ninja->lungeFrames = &ninjaFrames_;
        ninja->index = static_cast<int>(ninjas_.size());
        ninja->ninjas = &ninjas_;
        ninjas_.push_back(ninja.get());
        entities_.add(std::move(ninja));
    }
    for (int i = 0; i < perKind; ++i) {
        auto cabbage = std::make_unique<Cabbage>();
        for (Texture& frame : cabbage->growFrames)
            frame = named(name++);
        cabbage->spawn();
        entities_.add(std::move(cabbage));
    }
    for (int i = 0; i < perKind; ++i) {
        auto pirate = std::make_unique<Pirate>();
        placeEnemy(pirate->sprite);
        pirate->projectiles = &projectiles_;
        pirate->knifeTexture = named(name);
        pirate->spawn();
        entities_.add(std::move(pirate));
    }
    for (int i = 0; i < perKind; ++i) {
        auto robot = std::make_unique<Robot>();
        robot->entities = &entities_;
        robot->zombieIndex = &zombieIndex_;
        placeEnemy(robot->sprite);
        robot->spawn();
        entities_.add(std::move(robot));
    }
    zombieIndex_.watch(&entities_);
}

void EntityRun::frame()
{
    frameStep = gameSpeed * static_cast<float>(ticksOfFrame(frames_)) / 1000.0f;
    // The player walks a closed figure over the field.
    const float t = static_cast<float>(frames_) * 0.01f;
    player_.x = 70.0f * thrask::sine(0.7f * t);
    player_.y = 60.0f * thrask::sine(1.1f * t + 1.0f);

    zombieIndex_.markStale();
    for (const auto& entity : entities_) {
        damageTaken_ += entity->update(player_.x, player_.y);
        if (entity->kind() == EntityKind::Zombie)
            zombieIndex_.markStale();
    }
    for (auto it = projectiles_.begin(); it != projectiles_.end();) {
        damageTaken_ += (*it)->update(player_.x, player_.y);
        if (!(*it)->sprite.visible && projectiles_.size() > 1)
            it = projectiles_.erase(it);
        else
            ++it;
    }
    for (HealthPickup& pickup : pickups_)
        healed_ += pickup.update(player_);
    ++frames_;
}

std::uint64_t EntityRun::stateHash() const
{
    StateHash h;
    h.add(static_cast<unsigned>(entities_.size()));
    for (const auto& entity : entities_)
        entity->addState(h);
    h.add(static_cast<unsigned>(projectiles_.size()));
    for (const auto& knife : projectiles_)
        knife->addState(h);
    for (const HealthPickup& pickup : pickups_)
        pickup.addState(h);
    addSprite(h, player_);
    h.add(damageTaken_);
    h.add(healed_);
    h.add(static_cast<unsigned>(thrask::randState()));
    h.add(Ninja::nextNinjaHorizontal);
    return h.value();
}
