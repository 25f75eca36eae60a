#pragma once

// Installs the menus (menus/MenuScreens.h) as the screen factory that the
// layers below menus/ hand the game over to (makeMainMenu, makeInGameMenu,
// makeEndingScreen and makeScoreEntry in screens/ScreenFlow.h). The game
// calls it once before its first screen, and so does every test and tool
// whose screens may change; calling it again changes nothing.
void installScreenFactories();
