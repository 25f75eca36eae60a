#include "PlayTestSupport.h"

#include <fstream>
#include <ostream>

#include "TestPicture.h"
#include "app/Globals.h"
#include "play/Ticks.h"
#include "screens/Screen.h"

namespace {

std::uint32_t fixedTicks = 1000;

std::uint32_t readFixedTicks()
{
    return fixedTicks;
}

} // namespace

void SeededPlay::SetUp()
{
    // Each test already runs in a fresh directory of its own (tests/TestMain.cpp).
    ASSERT_TRUE(context.valid());
    setPlayTickSource(readFixedTicks);
    fixedTicks = 1000;
    frameStep = 0.0f;
    currentScreen = nullptr;
    for (unsigned char& key : keyState)
        key = 0;
}

void SeededPlay::TearDown()
{
    freeRetiredScreens();
    setPlayTickSource(nullptr);
    frameStep = 0.0f;
    currentScreen = nullptr;
}

void SeededPlay::setTicks(std::uint32_t ticks)
{
    fixedTicks = ticks;
}

void SeededPlay::writeLevel(int n, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    writeFile("Levels/l" + std::to_string(n) + ".lvl", text);
}

std::vector<std::string> SeededPlay::levelLines(int pirates, int ninjas, int robots, int zombies,
                                              int cabbages, int pickups, int peppers, int points)
{
    return {std::to_string(pirates), std::to_string(ninjas), std::to_string(robots),
            std::to_string(zombies), std::to_string(cabbages), std::to_string(pickups),
            std::to_string(peppers), std::to_string(points), "bg.png", "none"};
}

void SeededPlay::writeRowPicture(const std::string& path, const std::vector<Colour>& columns, int rows)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::vector<Colour> pixels;
    for (int row = 0; row < rows; ++row)
        pixels.insert(pixels.end(), columns.begin(), columns.end());
    const bool saved = testpicture::writePng(path, static_cast<int>(columns.size()), rows, pixels);
    ASSERT_TRUE(saved) << path;
}

std::unique_ptr<PlayScreen> SeededPlay::newGame(int n)
{
    auto screen = std::make_unique<PlayScreen>();
    screen->enter();
    screen->setup(n);
    return screen;
}

bool operator==(const Colour& a, const Colour& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

std::ostream& operator<<(std::ostream& out, const Colour& c)
{
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}
