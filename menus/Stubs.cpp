// Temporary definitions so the library links while the menus are being
// written. Each screen's own .cpp replaces its part of this file.
#include "menus/EndingScreen.h"
#include "menus/LoadScreen.h"
#include "menus/StoryScreen.h"
#include "menus/TitleScreen.h"

TitleScreen::TitleScreen() = default;
TitleScreen::~TitleScreen() = default;
void TitleScreen::keyDown(int) {}
void TitleScreen::mouseUp(bool, bool) {}
void TitleScreen::mouseMove(float, float) {}
void TitleScreen::enter() {}
void TitleScreen::render() {}
void TitleScreen::setup(int) {}

LoadScreen::~LoadScreen() = default;
void LoadScreen::keyDown(int) {}
void LoadScreen::mouseUp(bool, bool) {}
void LoadScreen::mouseMove(float, float) {}
void LoadScreen::enter() {}
void LoadScreen::render() {}

StoryScreen::~StoryScreen() = default;
void StoryScreen::mouseUp(bool, bool) {}
void StoryScreen::mouseMove(float, float) {}
void StoryScreen::enter() {}
void StoryScreen::keysHeld(const unsigned char*) {}
void StoryScreen::render() {}

EndingScreen::~EndingScreen() = default;
void EndingScreen::keyUp(int) {}
void EndingScreen::enter() {}
void EndingScreen::render() {}

#include "menus/SaveRecord.h"
std::string encodeSaveRecord(const SaveRecord&) { return {}; }
SaveRecord decodeSaveRecord(const std::string&) { return {}; }
bool writeSaveRecord(const std::string&, const SaveRecord&) { return false; }
SaveRecord readSaveRecord(const std::string&) { return {}; }
