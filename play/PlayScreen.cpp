// Temporary: the play screen is being written.
#include "play/PlayScreen.h"

#include "entities/Knife.h"
#include "entities/Ninja.h"

PlayScreen::PlayScreen() = default;
PlayScreen::~PlayScreen() = default;
void PlayScreen::update() {}
void PlayScreen::enter() {}
void PlayScreen::keysHeld(const unsigned char*) {}
void PlayScreen::render() {}
void PlayScreen::setup(int) {}
bool PlayScreen::saveGame(const std::string&) const { return false; }
