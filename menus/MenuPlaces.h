#pragma once

// Where the menus put what the player points at, in the menus' 200 x 200 view
// (y up, (0, 0) the middle): the title and in-game menu's entries and signs,
// and the load list's buttons. The menus place their pictures from these, and
// whatever clicks at an entry from outside (the scripted golden runs, the
// soak, the tests) reads the same numbers, so an entry moved here moves for
// all of them at once.
namespace menuPlaces {

// The width and height of the view the menus draw and take the pointer in.
constexpr float viewSize = 200.0f;

struct Point {
    float x, y;
};

// The title menu's entries by the numbers TitleScreen::hovered holds: its own
// entries, then the signs beside them in their keyboard order.
enum Entry : int {
    None = 0,
    NewGame,
    LoadGame,
    GameStory,
    QuitGame,
    ReturnGame, // in-game menu only
    SaveGame,   // in-game menu only
    Options,
    BestScores,
};
constexpr int firstSign = Options;
constexpr int signCount = BestScores - Options + 1;

// The middle of each entry's picture, by Entry (None's is unused).
constexpr Point entryCentres[] = {
    {0.0f, 0.0f},    {5.0f, -15.0f},  {5.0f, -35.0f}, {12.0f, -55.0f}, {5.0f, -75.0f},
    {-50.0f, -25.0f}, {55.0f, -25.0f},
    // The signs hang from the top edge, right and left of the title.
    {78.0f, 85.0f},  {-78.0f, 85.0f},
};
static_assert(sizeof(entryCentres) / sizeof(entryCentres[0]) == BestScores + 1, "a centre for every entry");

// Where the marker goes under each of the menu's own entries (on the entry's
// lower edge), by Entry up to SaveGame; a sign's marker goes just below it.
constexpr Point entryMarkers[] = {
    {0.0f, 0.0f},   {0.0f, -27.5f},  {0.0f, -47.5f}, {0.0f, -67.5f},
    {0.0f, -87.5f}, {-55.0f, -37.5f}, {55.0f, -37.5f},
};
static_assert(sizeof(entryMarkers) / sizeof(entryMarkers[0]) == firstSign, "a marker for every own entry");

// A sign's board, the whole of its picture.
constexpr float signWidth = 36.0f;
constexpr float signHeight = 30.0f;

constexpr Point centreOf(Entry entry)
{
    return entryCentres[entry];
}

// The list screens' two buttons stand this far right (the action) and left
// (Return Game) of the middle; the load list's at this height.
constexpr float listButtonX = 50.0f;
constexpr float loadListButtonY = -50.0f;
constexpr Point loadListLoadGame{listButtonX, loadListButtonY};
constexpr Point loadListReturnGame{-listButtonX, loadListButtonY};

} // namespace menuPlaces
