#include "tools/levelcheck/PlayBot.h"

#include <algorithm>
#include <cmath>

#include "entities/Cabbage.h"
#include "entities/Knife.h"
#include "entities/Ninja.h"
#include "entities/Robot.h"
#include "entities/Sine.h"
#include "entities/Zombie.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"

namespace {

constexpr float playerSpeed = 80.0f;
constexpr float fieldLimit = 95.0f;
// The bot looks this far ahead (seconds) when it weighs a direction.
constexpr float lookAhead[] = {0.08f, 0.16f, 0.28f};

float distance(float ax, float ay, float bx, float by)
{
    return std::hypot(ax - bx, ay - by);
}

float clampField(float v)
{
    return std::fmax(-fieldLimit, std::fmin(fieldLimit, v));
}

bool insideGrown(const Sprite& s, float x, float y, float margin)
{
    return std::fabs(x - s.x) <= std::fabs(s.width) / 2.0f + margin &&
           std::fabs(y - s.y) <= std::fabs(s.height) / 2.0f + margin;
}

// How dangerous it is for the player to stand at (x, y) at time t from now.
// Without cabbage foresight, only a cabbage that is out counts, as it is now;
// a walking zombie worries the bot from profile.zombieWariness on.
float danger(const PlayScreen& play, float x, float y, float t, const BotProfile& profile)
{
    const bool cabbageForesight = profile.cabbageForesight;
    float total = 0.0f;
    for (const auto& entity : play.entities) {
        const Sprite& s = entity->sprite;
        const float d = distance(x, y, s.x, s.y);
        switch (entity->kind()) {
        case EntityKind::Zombie: {
            const auto& zombie = static_cast<const Zombie&>(*entity);
            const float reach = zombie.burning ? 32.0f : 28.0f;
            const float wary = zombie.burning ? 66.0f : profile.zombieWariness; // a burning one chases from 65
            if (d < reach)
                total += zombie.burning ? 300.0f : 120.0f;
            else if (d < wary)
                total += (wary - d) * 2.0f;
            break;
        }
        case EntityKind::Ninja: {
            const auto& ninja = static_cast<const Ninja&>(*entity);
            if (d < 22.0f)
                total += ninja.lungeTimer > 0.0f ? 400.0f : 200.0f;
            else if (d < 40.0f)
                total += (40.0f - d) * 4.0f;
            break;
        }
        case EntityKind::Cabbage: {
            const auto& cabbage = static_cast<const Cabbage&>(*entity);
            // About to sink or rise: its sine tells when it is out.
            const bool out = cabbageForesight ? thrask::sine(cabbage.growPhase + t) > 0.0f : true;
            if (s.visible && out) {
                if (d < 12.0f)
                    total += 300.0f;
                else if (d < 18.0f)
                    total += (18.0f - d) * 8.0f;
            }
            break;
        }
        case EntityKind::Robot: {
            const auto& robot = static_cast<const Robot&>(*entity);
            if (insideGrown(robot.flame, x, y, 6.0f))
                total += 250.0f;
            else if (d < 24.0f)
                total += (24.0f - d) * 2.0f; // its flame may swing round
            break;
        }
        default:
            break;
        }
    }
    for (const auto& knife : play.projectiles) {
        if (!knife->sprite.visible)
            continue;
        const float kx = knife->sprite.x + knife->velocityX * t;
        const float ky = knife->sprite.y + knife->velocityY * t;
        const float d = distance(x, y, kx, ky);
        if (d < 13.0f)
            total += 250.0f;
        else if (d < 22.0f)
            total += (22.0f - d) * 6.0f;
    }
    // Walls leave no room to dodge.
    const float edge = std::fmax(std::fabs(x), std::fabs(y));
    if (edge > 88.0f)
        total += (edge - 88.0f) * 0.5f;
    return total;
}

} // namespace

BotProfile BotProfile::novice(std::uint32_t seed)
{
    BotProfile profile;
    profile.reactionFrames = 15;
    profile.holdFrames = 6;
    profile.slip = 1.0f / 6.0f;
    profile.cabbageForesight = false;
    profile.zombieWariness = 32.0f;
    profile.weighsGoals = false;
    profile.seed = seed;
    return profile;
}

PlayBot::PlayBot(const BotProfile& profile) : profile_(profile), random_(profile.seed)
{
    // At the start the player has not reacted yet: it stands.
    pending_.assign(static_cast<std::size_t>(std::max(0, profile.reactionFrames)), Direction());
}

void PlayBot::chooseKeys(const PlayScreen& play, unsigned char* keys)
{
    keys[vk::up] = keys[vk::down] = keys[vk::right] = keys[vk::left] = 0;
    pending_.push_back(steer(aim(play)));
    Direction chosen = pending_.front();
    pending_.pop_front();
    if (framesPlayed_ < profile_.firstMoveFrames)
        chosen = Direction();
    ++framesPlayed_;
    keys[vk::right] = chosen.dx > 0;
    keys[vk::left] = chosen.dx < 0;
    keys[vk::up] = chosen.dy > 0;
    keys[vk::down] = chosen.dy < 0;
}

PlayBot::Direction PlayBot::steer(Direction wanted)
{
    if (heldFor_ > 0 && heldFor_ < profile_.holdFrames) {
        ++heldFor_;
        return held_;
    }
    if (wanted.dx != held_.dx || wanted.dy != held_.dy) {
        if ((wanted.dx != 0 || wanted.dy != 0) && profile_.slip > 0.0f
            && std::uniform_real_distribution<float>(0.0f, 1.0f)(random_) < profile_.slip) {
            // A quarter turn of the eight directions either way.
            static const Direction ring[] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
            int at = 0;
            while (ring[at].dx != wanted.dx || ring[at].dy != wanted.dy)
                ++at;
            const int turn = std::uniform_int_distribution<int>(0, 1)(random_) == 0 ? 1 : 7;
            wanted = ring[(at + turn) % 8];
        }
        heldFor_ = 1;
    }
    held_ = wanted;
    return held_;
}

PlayBot::Direction PlayBot::aim(const PlayScreen& play) const
{
    const BotProfile& foresight = profile_;
    const float px = play.player.x;
    const float py = play.player.y;

    // The goal: a heart when hurt and one is out, else the pepper that is
    // nearest once the danger around it is counted.
    float goalX = px, goalY = py;
    float best = 1e9f;
    for (const HealthPickup& heart : play.healthPickups) {
        if (!heart.available || !heart.sprite.visible || play.hp > 22)
            continue;
        const float cost = distance(px, py, heart.sprite.x, heart.sprite.y) * 0.5f +
                           danger(play, heart.sprite.x, heart.sprite.y, 0.0f, foresight);
        if (cost < best) {
            best = cost;
            goalX = heart.sprite.x;
            goalY = heart.sprite.y;
        }
    }
    for (const Sprite& pepper : play.peppers) {
        if (!pepper.visible)
            continue;
        float cost = distance(px, py, pepper.x, pepper.y);
        if (profile_.weighsGoals)
            cost += danger(play, pepper.x, pepper.y, 0.0f, foresight);
        if (cost < best) {
            best = cost;
            goalX = pepper.x;
            goalY = pepper.y;
        }
    }

    // Weigh the eight directions and standing still by where they lead.
    int bestDx = 0, bestDy = 0;
    float bestScore = -1e9f;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            float score = 0.0f;
            float nearest = distance(px, py, goalX, goalY);
            for (float t : lookAhead) {
                const float x = clampField(px + dx * playerSpeed * t);
                const float y = clampField(py + dy * playerSpeed * t);
                score -= danger(play, x, y, t, foresight);
                nearest = std::fmin(nearest, distance(x, y, goalX, goalY));
            }
            score -= nearest * 3.0f;
            if (dx == 0 && dy == 0)
                score -= 1.0f; // standing still only when nothing else is better
            if (score > bestScore) {
                bestScore = score;
                bestDx = dx;
                bestDy = dy;
            }
        }
    Direction way;
    way.dx = bestDx;
    way.dy = bestDy;
    return way;
}
