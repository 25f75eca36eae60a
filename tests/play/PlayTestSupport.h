#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/Colour.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"

// Runs each test in a directory of its own (Levels/, Textures/ and Save/ are
// written there), with a fixed tick count for the level loader's seed, a
// headless OpenGL context and a clean screen flow. Screens the test leaves
// current or retired are freed afterwards.
class SeededPlay : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The tick count the next setup() seeds the random generator with.
    static void setTicks(std::uint32_t ticks);

    // Writes "Levels/l<n>.lvl" from its lines, each ended by "\n".
    static void writeLevel(int n, const std::vector<std::string>& lines);

    // Level lines for the given counts; background "bg.png", no intro text.
    static std::vector<std::string> levelLines(int pirates, int ninjas, int robots, int zombies,
                                               int cabbages, int pickups, int peppers, int points);

    // Writes a PNG picture `rows` rows high whose columns have the given
    // colours. (Pictures are clamped in t with the border colour: a picture
    // one row high blends with the border everywhere but on its middle line.)
    static void writeRowPicture(const std::string& path, const std::vector<Colour>& columns, int rows = 1);

    // A play screen made as the game makes one: new, enter(), setup(n).
    static std::unique_ptr<PlayScreen> newGame(int n);

    OffscreenRenderer context;
};

bool operator==(const Colour& a, const Colour& b);
std::ostream& operator<<(std::ostream& out, const Colour& c);
