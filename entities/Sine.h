#pragma once

// The game's own sine, for every rule that swings with a phase (the robot's
// flame, the cabbage's rise). The C library's sinf is allowed to round
// differently from one system to the next, and the state a replay checks
// must come out the same to the last bit wherever the game runs, so this one
// is built from integer steps and IEEE additions and multiplications only:
// every system that rounds those as IEEE 754 demands (x86-64, wasm32, ARM)
// returns the same bits for the same argument.
//
// For every finite float the result is sin(radians) rounded to the nearest
// float, wrong by one unit in the last place in rare near-ties only (the
// tests measure how rarely); infinities and NaN give NaN.
//
// Needs the build to keep multiplications and additions apart
// (-ffp-contract=off): a fused multiply-add rounds once where two steps round
// twice, and would change the bits on a machine that has one.
namespace thrask {

float sine(float radians);

} // namespace thrask
