#pragma once

// Seconds of game time in the current frame. Every rate in the game is per
// second of game time, so a quantity with rate r grows by r * frameStep.
//
// The frame clock in app/ writes it once a frame; the entities, the screens
// and the play rules read it. It is declared here, at the bottom of the
// layers, because none of those may include app/; app/Globals.h lists it with
// the other globals.
extern float frameStep;
