#include "screens/GameEvents.h"

namespace {

GameEvents nobody;
GameEvents* listener = nullptr;

} // namespace

GameEvents& gameEvents()
{
    return listener != nullptr ? *listener : nobody;
}

void listenToGame(GameEvents* events)
{
    listener = events;
}
