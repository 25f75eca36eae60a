#pragma once

// How a hit shows around the player: for a moment after the health drops,
// the player's figure flashes and the health bar blinks. It follows the
// health the play screen draws with and counts its own time, so it only
// draws: nothing the game computes reads it.
class HitFlash {
public:
    // How long a hit shows, and how long each half of a blink lasts, in
    // seconds of game time.
    static constexpr float seconds = 0.6f;
    static constexpr float blinkHalf = 0.075f;

    // Once a frame before the player is drawn: `hp` is the health now,
    // `elapsed` the frame's seconds of game time. A drop of the health since
    // the last call starts the flash again; the first call only learns the
    // health (a game loaded or resumed shows no hit).
    void follow(int hp, float elapsed);

    // True while a hit shows.
    bool showing() const { return left_ > 0.0f; }
    // True in the bright half of a blink: the figure is drawn in the hit's
    // colour and the bar is left out. False whenever no hit shows.
    bool blinkOn() const;

private:
    bool known_ = false;
    int lastHp_ = 0;
    float left_ = 0.0f;
};
