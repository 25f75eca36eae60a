#pragma once

#include <memory>

#include "render/BitmapFont.h"

class PlayScreen;

// What the player reads over play besides the health bar: the score, "Level
// N/15" and the peppers left along the top edge, a "Level N" banner while a
// level without intro text comes in, and the final score and level under the
// dead picture while the player dies (with the place on the best scores the
// game will take, when it enters them). It only draws: nothing of the game
// depends on it. The fonts are built the first time it draws, so play
// screens that are never drawn (the level play-tester's) never build them.
class PlayHud {
public:
    PlayHud();
    ~PlayHud();
    PlayHud(const PlayHud&) = delete;
    PlayHud& operator=(const PlayHud&) = delete;

    // A level has just been loaded: its banner shows from now on.
    void levelLoaded();
    // The level now loaded shows no banner (a game resumed from the menu).
    void skipBanner();
    // The banner shows (while no intro text does).
    bool bannerShowing() const;

    // Draws what the play screen's state calls for, in front of everything
    // and never over the health bar; counts `seconds` of the banner's time.
    // Draws nothing while hudShown is false (-nohud).
    void draw(const PlayScreen& play, float seconds);

    // How long the banner has shown, in seconds of game time.
    float bannerTime;

private:
    void drawTopLine(const PlayScreen& play);
    void drawBanner(const PlayScreen& play);
    void drawDeathScore(const PlayScreen& play);
    // Prints `text` with its line centred on x.
    void printCentred(BitmapFont& font, const std::string& text, float x, float y);

    std::unique_ptr<BitmapFont> line_;
    std::unique_ptr<BitmapFont> large_;
};

// False when the player asked for play with only the health bar (-nohud).
// Set once at start-up; the HUD reads it every frame.
extern bool hudShown;
