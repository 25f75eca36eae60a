#pragma once

#include <string>
#include <vector>

#include "tools/replay/Director.h"

// One screen round trip of the soak, driven with the messages a player
// sends: from the main menu New Game (its intro passed with Enter), Esc to
// the in-game menu, Return Game, Esc again, the load list and back, Save Game
// under a typed name, then Load Game of a prepared saved game at another
// level with no health left (a level change), whose death sequence ends in
// the main menu again.
//
// The save folder must hold dyingSave, written by the caller before each
// round (the level changes from round to round).
namespace roundtrip {

// The saved game each round loads and the name each round saves under.
constexpr const char* dyingSave = "dying.sav";
constexpr const char* savedName = "soak";

// The steps of one round, each run once per frame until done.
std::vector<Step> steps();

// A step's name, for a round that gets stuck.
std::string stepName(std::size_t index);

} // namespace roundtrip
