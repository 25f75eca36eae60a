#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DisplaySwitch.h"
#include "app/Globals.h"

namespace {

using Modes = std::vector<DisplayMode>;

} // namespace

TEST(DisplaySwitchTest, TheCheapestModeWinsAndTheFirstListedAmongEquals)
{
    struct Case {
        const char* what;
        Modes modes;
        unsigned int width, height;
        unsigned char bits;
        int chosen;
    };
    const Case cases[] = {
        {"depth weighs fifty pixels a bit", {{640, 480, 16}, {1600, 1200, 32}}, 640, 480, 32, 0},
        {"a small shortfall loses to a small excess", {{800, 600, 32}, {1024, 768, 32}}, 1000, 700, 32, 1},
        {"the exact mode", {{1024, 768, 32}, {800, 600, 32}, {640, 480, 32}}, 800, 600, 32, 1},
        {"one per refresh rate: the first listed", {{800, 600, 32}, {800, 600, 32}, {800, 600, 32}}, 800, 600, 32, 0},
        {"equal cost from both sides: the first listed", {{900, 600, 32}, {750, 600, 32}}, 800, 600, 32, 0},
        {"nothing listed", {}, 640, 480, 32, -1},
        {"more bits cost less than fewer", {{640, 480, 8}, {640, 480, 24}}, 640, 480, 16, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(chooseDisplayMode(c.modes, c.width, c.height, c.bits), c.chosen);
    }
}

TEST(DisplaySwitchTest, CostsOfTheKnownExamples)
{
    EXPECT_FLOAT_EQ(displayModeCost({640, 480, 16}, 640, 480, 32), 1600.0f);
    EXPECT_FLOAT_EQ(displayModeCost({1600, 1200, 32}, 640, 480, 32), 1680.0f);
    EXPECT_FLOAT_EQ(displayModeCost({800, 600, 32}, 1000, 700, 32), 550.0f);
    EXPECT_FLOAT_EQ(displayModeCost({1024, 768, 32}, 1000, 700, 32), 92.0f);
}

TEST(DisplaySwitchTest, TheChosenModeIsWrittenWhetherOrNotTheSwitchWorks)
{
    for (const bool works : {true, false}) {
        SCOPED_TRACE(works);
        windowWidth = 1000;
        windowHeight = 700;
        colourDepth = 32;
        DisplayMode asked;
        const bool result = switchDisplayMode(1000, 700, 32, {{800, 600, 32}, {1024, 768, 32}},
                                              [&](const DisplayMode& mode) {
                                                  asked = mode;
                                                  return works;
                                              });
        EXPECT_EQ(result, works);
        EXPECT_EQ(asked.width, 1024u);
        EXPECT_EQ(windowWidth, 1024);
        EXPECT_EQ(windowHeight, 768);
        EXPECT_EQ(colourDepth, 32);
    }
}

TEST(DisplaySwitchTest, StartUpFallsBackToAWindowOfTheChosenSizeWithOneWarning)
{
    struct Case {
        const char* what;
        bool fullScreenWanted;
        Modes modes;
        bool switchWorks;
        bool expectFullScreen;
        int warnings;
        int width, height;
    };
    const Case cases[] = {
        {"switch works", true, {{1024, 768, 32}}, true, true, 0, 1024, 768},
        {"switch refused", true, {{1024, 768, 32}}, false, false, 1, 1024, 768},
        {"no modes at all", true, {}, true, false, 1, 1000, 700},
        {"windowed: no switch, no warning", false, {{1024, 768, 32}}, true, false, 0, 1000, 700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        windowWidth = 1000;
        windowHeight = 700;
        colourDepth = 32 + 256; // only the low byte counts
        fullScreen = c.fullScreenWanted;
        int switches = 0;
        std::vector<std::string> warnings;
        const WindowPlan plan = planWindow(
            c.modes,
            [&](const DisplayMode&) {
                ++switches;
                return c.switchWorks;
            },
            [&](const char* text, const char* caption) { warnings.push_back(std::string(caption) + "|" + text); });
        EXPECT_EQ(plan.fullScreen, c.expectFullScreen);
        EXPECT_EQ(plan.width, c.width);
        EXPECT_EQ(plan.height, c.height);
        EXPECT_EQ(static_cast<int>(warnings.size()), c.warnings);
        if (!warnings.empty()) {
            EXPECT_EQ(warnings[0],
                      "Error|Could not change the display settings\nFalling back to windowed mode.");
        }
        EXPECT_EQ(switches, c.fullScreenWanted && !c.modes.empty() ? 1 : 0);
    }
    fullScreen = true;
    colourDepth = 32;
}

TEST(DisplaySwitchTest, OnlyTheLowByteOfTheDepthReachesTheSearch)
{
    windowWidth = 640;
    windowHeight = 480;
    colourDepth = 272; // -depth 272 behaves as 16
    fullScreen = true;
    const WindowPlan plan = planWindow({{640, 480, 32}, {640, 480, 16}},
                                       [](const DisplayMode&) { return true; },
                                       [](const char*, const char*) {});
    EXPECT_TRUE(plan.fullScreen);
    EXPECT_EQ(colourDepth, 16);
    colourDepth = 32;
}
