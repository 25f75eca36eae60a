#include "play/HitFlash.h"

#include <cmath>

void HitFlash::follow(int hp, float elapsed)
{
    if (left_ > 0.0f)
        left_ = std::fmax(0.0f, left_ - elapsed);
    if (known_ && hp < lastHp_)
        left_ = seconds;
    known_ = true;
    lastHp_ = hp;
}

bool HitFlash::blinkOn() const
{
    if (left_ <= 0.0f)
        return false;
    // The first half of every blink is the bright one, so a hit shows in the
    // very frame it happens.
    const float shown = seconds - left_;
    return static_cast<long>(std::floor(shown / blinkHalf)) % 2 == 0;
}
