#include "play/PlaySounds.h"

#include "platform/Audio.h"

namespace {

Effect hurtEffect(EntityEvents::Blow blow)
{
    using Blow = EntityEvents::Blow;
    switch (blow) {
    case Blow::ZombieBite:
        return Effect::HurtZombie;
    case Blow::BurningZombieBite:
        return Effect::HurtBurning;
    case Blow::NinjaStrike:
        return Effect::HurtNinja;
    case Blow::Flame:
        return Effect::HurtFlame;
    case Blow::CabbageBite:
        return Effect::HurtCabbage;
    case Blow::Knife:
        break;
    }
    return Effect::HurtKnife;
}

} // namespace

void PlaySounds::hit(Blow blow)
{
    audio().play(hurtEffect(blow));
}

void PlaySounds::knifeThrown()
{
    knifeThrown_ = true;
}

void PlaySounds::zombieLit()
{
    zombieLit_ = true;
}

void PlaySounds::cabbagePopped()
{
    audio().play(Effect::CabbagePop);
}

void PlaySounds::enemiesStart()
{
    knifeThrown_ = false;
    zombieLit_ = false;
}

void PlaySounds::enemiesDone()
{
    if (knifeThrown_)
        audio().play(Effect::KnifeThrow);
    if (zombieLit_)
        audio().play(Effect::FlameLit);
    enemiesStart();
}
