#include "play/PlayHud.h"

#include <algorithm>
#include <string>

#include "play/PlayConstants.h"
#include "play/PlayScreen.h"
#include "play/ScoreBook.h"
#include "render/Lighting.h"
#include "render/Panel.h"

bool hudShown = true;

namespace {

// The play screen's view, in units.
constexpr float viewSize = 200.0f;

// The top line: its baseline, where the score starts at the least (clear of
// the health bar, which ends at x -83 at the most) and where the peppers
// left end.
constexpr float topLineY = 92.0f;
constexpr float scoreX = -79.0f;
constexpr float peppersRight = 97.0f;
// The health as a number beside the bar: it starts clear of the bar's full
// length and sits on the bar's middle; the score starts after the room the
// number takes at full health.
constexpr float healthNumberX = -80.0f;
constexpr float healthBarMiddleY = 97.0f;
constexpr float healthNumberGap = 3.0f;
// Digits reach about this share of the font's ascent above the baseline.
constexpr float digitShareOfAscent = 0.75f;
// Least room between two parts of the top line; in a window too narrow for
// all three, the peppers left go to a second line.
constexpr float topLineGap = 4.0f;
constexpr float secondLineGap = 1.5f;
// In front of everything the play screen draws (the dead picture is at 0.5).
constexpr float hudDepth = 0.1f;

// The banner: twice the size of other text, above the middle of the field.
constexpr int largeTextHeight = 28;
constexpr float bannerY = 30.0f;
constexpr float bannerSeconds = 1.25f;

// The death panel holds the dead picture at its largest (75 x 37.5 at the
// centre) and the two lines under it. It lies behind the dead picture and in
// front of the player, so the player's figure never covers the text.
constexpr float deathPanelLeft = -46.0f;
constexpr float deathPanelRight = 46.0f;
constexpr float deathPanelTop = 22.0f;
constexpr float deathPanelBottom = -45.0f;
constexpr float deathPanelDepth = 0.75f;
constexpr float deathScoreY = -29.0f;
constexpr float deathLevelY = -39.0f;
// A game that enters the best scores says so on a third line, and the
// panel reaches down for it.
constexpr float deathPlaceY = -50.0f;
constexpr float deathPanelBottomWithPlace = -56.0f;
constexpr Colour deathPlaceColour{30, 110, 40, 255};

constexpr Colour hudColour{255, 255, 255, 255};
constexpr Colour hudOutline{28, 20, 36, 255};
constexpr Colour bannerColour{255, 236, 120, 255};
// The health number while a hit shows.
constexpr Colour hitColour{255, 110, 90, 255};
// The death card: light letters on a dark board, so they read while the
// field around goes dark.
constexpr Colour deathPanelFill{22, 26, 44, 232};
constexpr Colour deathPanelRim{255, 236, 160, 255};
constexpr float deathPanelRimWidth = 1.0f;
constexpr Colour deathScoreColour{255, 236, 120, 255};
constexpr Colour deathLevelColour{236, 236, 248, 255};

// While the old level fades out (and after the last one) `level` already
// counts the next level and `peppersLeft` the next level's peppers: the HUD
// goes on showing the level that was just cleared.
bool clearedLevelShowing(const PlayScreen& play)
{
    return (play.levelFading && !play.nextLevelLoaded) || play.leaving;
}

int shownLevel(const PlayScreen& play)
{
    return clearedLevelShowing(play) ? play.level - 1 : play.level;
}

int shownPeppers(const PlayScreen& play)
{
    return clearedLevelShowing(play) ? 0 : std::max(0, play.peppersLeft);
}

std::string levelText(const PlayScreen& play)
{
    return "Level " + std::to_string(shownLevel(play)) + "/" + std::to_string(play::lastLevel);
}

} // namespace

PlayHud::PlayHud()
    : bannerTime(bannerSeconds)
{
}

PlayHud::~PlayHud() = default;

void PlayHud::levelLoaded()
{
    bannerTime = 0.0f;
}

void PlayHud::skipBanner()
{
    bannerTime = bannerSeconds;
}

bool PlayHud::bannerShowing() const
{
    return bannerTime < bannerSeconds;
}

void PlayHud::draw(const PlayScreen& play, float seconds)
{
    if (bannerShowing())
        bannerTime = std::min(bannerSeconds, bannerTime + seconds);
    if (!hudShown)
        return;
    if (line_ == nullptr) {
        line_ = std::make_unique<BitmapFont>();
        line_->depth = hudDepth;
        large_ = std::make_unique<BitmapFont>();
        large_->fontDescription.height = -largeTextHeight;
        large_->depth = hudDepth;
    }
    const UnlitDrawing unlit;
    drawTopLine(play);
    if (play.dying)
        drawDeathScore(play);
    else if (!play.introShowing && bannerTime < bannerSeconds)
        drawBanner(play);
}

void PlayHud::drawTopLine(const PlayScreen& play)
{
    BitmapFont& font = *line_;
    font.colour = hudColour;
    font.outline = hudOutline;
    const std::string health = std::to_string(std::max(0, play.hp));
    const std::string score = "Score " + std::to_string(play.score);
    const std::string level = levelText(play);
    const std::string peppers = "Peppers left " + std::to_string(shownPeppers(play));

    // The health beside the bar, in the hit's colour while a hit shows.
    font.colour = play.hitFlash.showing() ? hitColour : hudColour;
    font.text = health;
    font.print(healthNumberX, healthBarMiddleY - digitShareOfAscent * font.ascent(viewSize) / 2);
    font.colour = hudColour;
    const float healthRoom
        = std::max(font.textWidth(health, viewSize), font.textWidth(std::to_string(play::maxHealth), viewSize));
    const float scoreStart = std::max(scoreX, healthNumberX + healthRoom + healthNumberGap);

    // The level in the middle, unless the score reaches that far.
    const float scoreEnd = scoreStart + font.textWidth(score, viewSize);
    const float levelWidth = font.textWidth(level, viewSize);
    const float levelX = std::max(-levelWidth / 2, scoreEnd + topLineGap);
    const float peppersX = peppersRight - font.textWidth(peppers, viewSize);
    float peppersY = topLineY;
    if (levelX + levelWidth + topLineGap > peppersX)
        peppersY -= font.ascent(viewSize) + font.descent(viewSize) + secondLineGap;

    font.text = score;
    font.print(scoreStart, topLineY);
    font.text = level;
    font.print(levelX, topLineY);
    font.text = peppers;
    font.print(peppersX, peppersY);
}

void PlayHud::drawBanner(const PlayScreen& play)
{
    large_->colour = bannerColour;
    large_->outline = hudOutline;
    printCentred(*large_, "Level " + std::to_string(shownLevel(play)), 0.0f, bannerY);
}

void PlayHud::drawDeathScore(const PlayScreen& play)
{
    const int place = scoreBook().placeFor(play.score);
    Panel panel;
    panel.left = deathPanelLeft;
    panel.right = deathPanelRight;
    panel.top = deathPanelTop;
    panel.bottom = place > 0 ? deathPanelBottomWithPlace : deathPanelBottom;
    panel.depth = deathPanelDepth;
    panel.fill = deathPanelFill;
    panel.rimColour = deathPanelRim;
    panel.rimWidth = deathPanelRimWidth;
    panel.draw();

    large_->colour = deathScoreColour;
    large_->outline = hudOutline;
    printCentred(*large_, "Score " + std::to_string(play.score), 0.0f, deathScoreY);
    line_->colour = deathLevelColour;
    line_->outline = hudOutline;
    printCentred(*line_, levelText(play), 0.0f, deathLevelY);
    if (place > 0) {
        line_->colour = deathPlaceColour;
        printCentred(*line_, "A new best score: place " + std::to_string(place) + "!", 0.0f, deathPlaceY);
    }
}

void PlayHud::printCentred(BitmapFont& font, const std::string& text, float x, float y)
{
    font.text = text;
    font.print(x - font.textWidth(text, viewSize) / 2, y);
}
