#include "entities/Knife.h"

#include <cmath>

#include "entities/StateHash.h"
#include "platform/FrameStep.h"

namespace {
constexpr float knifeWidth = 11.5f;
constexpr float knifeHeight = 10.0f;
constexpr float spinRate = 360.0f;   // degrees per second
constexpr float hitSquared = 121.0f; // hits when the centres are less than 11 units apart
constexpr int hitDamage = 3;
constexpr float fieldLimit = 105.0f; // a knife beyond this on either axis has left the field
}

void Knife::spawn()
{
    sprite.texture = texture;
    sprite.height = knifeHeight;
    sprite.width = knifeWidth;
}

void Knife::keep(const Knife& running)
{
    velocityX = running.velocityX;
    velocityY = running.velocityY;
}

void Knife::addOwnState(StateHash& h) const
{
    h.add(velocityX);
    h.add(velocityY);
}

int Knife::update(float playerX, float playerY)
{
    if (!sprite.visible)
        return 0;

    sprite.texture.u1 = velocityX > 0.0f ? -1.0f : 1.0f;
    sprite.rotation += spinRate * frameStep;
    sprite.x += velocityX * frameStep;
    sprite.y += velocityY * frameStep;

    const float dx = sprite.x - playerX;
    const float dy = sprite.y - playerY;
    if (dx * dx + dy * dy < hitSquared) {
        sprite.visible = false;
        return dealt(hitDamage, EntityEvents::Blow::Knife);
    }
    // A position that is no number at all has left the field too; otherwise
    // it would fail every bounds test and fly on forever.
    if (sprite.x > fieldLimit || sprite.x < -fieldLimit || sprite.y > fieldLimit
        || sprite.y < -fieldLimit || !std::isfinite(sprite.x) || !std::isfinite(sprite.y))
        sprite.visible = false;
    return 0;
}
