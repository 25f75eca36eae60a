// The moment after a hit: when it starts, how it blinks, when it ends.
#include <gtest/gtest.h>

#include "play/HitFlash.h"

TEST(HitFlashTest, OnlyADropOfTheHealthStartsIt)
{
    HitFlash flash;
    flash.follow(30, 0.0f);
    EXPECT_FALSE(flash.showing()) << "the first health seen is no hit (a loaded or resumed game)";
    flash.follow(34, 0.02f);
    EXPECT_FALSE(flash.showing()) << "healing";
    flash.follow(31, 0.02f);
    EXPECT_TRUE(flash.showing());
    EXPECT_TRUE(flash.blinkOn()) << "the hit shows in the frame it happens";

    HitFlash fresh;
    fresh.follow(0, 0.0f);
    EXPECT_FALSE(fresh.showing()) << "a game that starts at no health was not hit";
}

TEST(HitFlashTest, ItBlinksForAMomentAndAnotherHitStartsItAgain)
{
    HitFlash flash;
    flash.follow(30, 0.0f);
    flash.follow(27, 0.016f);
    // The blink's halves, then the end.
    const struct {
        float elapsed;
        bool showing, on;
    } steps[] = {
        {0.05f, true, true},   // 0.05 s into the flash
        {0.05f, true, false},  // 0.10
        {0.06f, true, true},   // 0.16
        {0.24f, true, false},  // 0.40
        {0.21f, false, false}, // 0.61: over
    };
    for (const auto& step : steps) {
        flash.follow(27, step.elapsed);
        EXPECT_EQ(flash.showing(), step.showing);
        EXPECT_EQ(flash.blinkOn(), step.on);
    }
    flash.follow(27, 0.3f);
    flash.follow(20, 0.016f);
    flash.follow(20, 0.5f);
    EXPECT_TRUE(flash.showing()) << "a second hit shows for the whole moment again";
    flash.follow(15, 0.05f);
    flash.follow(15, 0.5f);
    EXPECT_TRUE(flash.showing()) << "a hit during a flash starts it afresh";
}
