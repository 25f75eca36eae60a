#include "app/Globals.h"

int windowWidth = 640;
int windowHeight = 480;
int colourDepth = 32;
bool fullScreen = true;
bool keepAspect = false;
unsigned char keyState[256] = {};
KeyLatch keyLatch;
int mouseX = 0;
int mouseY = 0;
float pointerX = 0.0f;
float pointerY = 0.0f;
std::uint32_t lastTick = 0;
std::deque<float> frameDurations;
