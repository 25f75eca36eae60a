#include "platform/FrameStep.h"

float frameStep = 0.0f;
